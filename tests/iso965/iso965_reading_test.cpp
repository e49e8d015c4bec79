// Thread designations and classes read as people type them, and the plan's lists.
#include <gtest/gtest.h>

#include "Designation.h"
#include "NumberText.h"

using namespace iso965;

namespace {

Decimal mm(const char* text) { return *number::parseNumberText(text); }

} // namespace

TEST(Reading, Designations)
{
    const struct {
        const char* text;
        const char* d;
        const char* pitch; // "" for none
        const char* nut;   // "" for none
        const char* bolt;
    } cases[] = {
        {"M10", "10", "", "", ""},
        {"M10x1,25", "10", "1,25", "", ""},
        {"M10×1.25", "10", "1,25", "", ""},
        {"М10х1,25", "10", "1,25", "", ""},           // Cyrillic М and х
        {"м10Х1,25-6Н", "10", "1,25", "6H", ""},      // Cyrillic small м, capital Х and Н
        {"M10X1,25-6H", "10", "1,25", "6H", ""},
        {"M10-6g", "10", "", "", "6g"},
        {"M10-5g6g", "10", "", "", "5g6g"},
        {"M10-4H5H", "10", "", "4H5H", ""},
        {"M10x1,25-6H/6g", "10", "1,25", "6H", "6g"},
        {"  M 10 x 1,25 – 6H / 6g  ", "10", "1,25", "6H", "6g"}, // blanks, en dash
        {"M10−6g", "10", "", "", "6g"},                          // minus sign
        {"M10 6g", "10", "", "", "6g"},
        {"M1,6-6g", "1,6", "", "", "6g"},
        {"M1.6x0.2", "1,6", "0,2", "", ""},
        {"m300x8-8е", "300", "8", "", "8e"},                     // Cyrillic е
        {"M20x2,5-9e8e", "20", "2,5", "", "9e8e"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const DesignationReading r = readDesignation(c.text);
        ASSERT_TRUE(r.designation) << refusalText(r.refusal);
        const Designation& d = *r.designation;
        EXPECT_EQ(d.d, mm(c.d));
        EXPECT_EQ(d.pitch.has_value(), *c.pitch != 0);
        if (d.pitch && *c.pitch) {
            EXPECT_EQ(*d.pitch, mm(c.pitch));
        }
        EXPECT_EQ(d.nutClass ? d.nutClass->name() : "", c.nut);
        EXPECT_EQ(d.boltClass ? d.boltClass->name() : "", c.bolt);
    }
}

TEST(Reading, UnreadableDesignations)
{
    const struct {
        const char* text;
        RefusalCode code;
    } cases[] = {
        {"", RefusalCode::ThreadUnreadable},
        {"10", RefusalCode::ThreadUnreadable},
        {"M", RefusalCode::ThreadUnreadable},
        {"Mx1", RefusalCode::ThreadUnreadable},
        {"M10x", RefusalCode::ThreadUnreadable},
        {"M10x1,", RefusalCode::ThreadUnreadable},
        {"M10,x1", RefusalCode::ThreadUnreadable},
        {"M10x1,2,5", RefusalCode::ThreadUnreadable},
        {"M10x1.25.", RefusalCode::ThreadUnreadable},
        {"M-10", RefusalCode::ThreadUnreadable},
        {"M10*1,25", RefusalCode::ThreadUnreadable},
        {"M10x1,25 LH", RefusalCode::ClassUnreadable},
        {"M10-", RefusalCode::ClassUnreadable},
        {"M10-6", RefusalCode::ClassUnreadable},
        {"M10-H6", RefusalCode::ClassUnreadable},
        {"M10-06H", RefusalCode::ClassUnreadable},
        {"M10-3333333333333", RefusalCode::ClassUnreadable},
        {"M10-6Hg", RefusalCode::ClassUnreadable},
        {"M10-5g6H", RefusalCode::ClassUnreadable},  // one kind within a class
        {"M10-6h/", RefusalCode::ClassUnreadable},
        {"M10-6H/6g/6g", RefusalCode::ClassUnreadable},
        {"M10-6H/6H", RefusalCode::FitKindsMismatch},
        {"M10-6g/6H", RefusalCode::FitKindsMismatch},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const DesignationReading r = readDesignation(c.text);
        EXPECT_FALSE(r.designation);
        EXPECT_EQ(r.refusal.code, c.code) << refusalText(r.refusal);
    }
}

TEST(Reading, ClassesAlone)
{
    const struct {
        const char* text;
        const char* name; // "" when unreadable
        ThreadKind kind;
    } cases[] = {
        {"6H", "6H", ThreadKind::Internal},     {"6Н", "6H", ThreadKind::Internal},  // Cyrillic Н
        {" 7G ", "7G", ThreadKind::Internal},   {"4H5H", "4H5H", ThreadKind::Internal},
        {"6H6H", "6H", ThreadKind::Internal},   {"6g", "6g", ThreadKind::External},
        {"8е", "8e", ThreadKind::External},     {"5g6g", "5g6g", ThreadKind::External},
        {"3h4h", "3h4h", ThreadKind::External}, {"6f", "6f", ThreadKind::External},
        {"6h", "6h", ThreadKind::External},     {"10h", "10h", ThreadKind::External}, // read; not defined
        {"6", "", ThreadKind::Internal},        {"H", "", ThreadKind::Internal},
        {"6E", "", ThreadKind::Internal},       {"6G 6G", "", ThreadKind::Internal},
        {"6gg", "", ThreadKind::External},      {"123g", "", ThreadKind::External},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto read = readThreadClass(c.text);
        ASSERT_EQ(read.has_value(), *c.name != 0);
        if (read) {
            EXPECT_EQ(read->name(), c.name);
            EXPECT_EQ(read->kind(), c.kind);
        }
    }
}

TEST(Reading, AClassForANutOrABolt)
{
    EXPECT_EQ(readClassOf(ThreadKind::Internal, " 6Н ").threadClass->name(), "6H");
    EXPECT_EQ(readClassOf(ThreadKind::External, "7е6е").threadClass->name(), "7e6e");
    const ClassReading bolt = readClassOf(ThreadKind::Internal, "6g");
    EXPECT_FALSE(bolt.threadClass);
    EXPECT_EQ(refusalText(bolt.refusal), "Поле 6g — поле болта (e, f, g, h); гайке нужно поле G или H");
    const ClassReading typo = readClassOf(ThreadKind::External, "6q");
    EXPECT_FALSE(typo.threadClass);
    EXPECT_EQ(refusalText(typo.refusal), "Поле допуска «6q» не прочитано: пишется как 6H, 6g, 5g6g или 6H/6g");
}

TEST(Plan, ThreadsDiametersAndNames)
{
    const auto& threads = planThreads();
    EXPECT_EQ(threads.size(), 352u);
    EXPECT_EQ(planDiameters().size(), 106u);
    EXPECT_EQ(planDiameters().front().d, mm("1"));
    EXPECT_EQ(planDiameters().back().d, mm("300"));

    const std::vector<PlanThread> m10 = planThreadsAt(mm("10"));
    ASSERT_EQ(m10.size(), 4u);
    const char* pitches[] = {"1,5", "1,25", "1", "0,75"}; // coarse first, then fine from the largest
    for (std::size_t i = 0; i < m10.size(); ++i) {
        EXPECT_EQ(m10[i].pitch, mm(pitches[i]));
        EXPECT_EQ(m10[i].series, i == 0 ? Series::Coarse : Series::Fine);
        EXPECT_EQ(m10[i].choice, 1);
    }
    EXPECT_EQ(planThreadsAt(mm("11")).front().choice, 3);
    EXPECT_EQ(planThreadsAt(mm("1,1")).front().choice, 2);
    EXPECT_TRUE(planThreadsAt(mm("13")).empty());
    EXPECT_TRUE(planThreadsAt(mm("10,0001")).empty());

    EXPECT_EQ(threadName(m10[0]), "M10");
    EXPECT_EQ(threadName(m10[1]), "M10x1,25");
    EXPECT_EQ(threadName(m10[0], {"M", "x", '.', true}), "M10x1.5");
    EXPECT_EQ(threadName(planThreadsAt(mm("1,6"))[0], {"М", "×", ',', true}), "М1,6×0,35");
}

TEST(Plan, FindThread)
{
    EXPECT_EQ(findThread(mm("10")).thread->pitch, mm("1,5"));
    EXPECT_EQ(findThread(mm("10"), mm("0,75")).thread->series, Series::Fine);
    EXPECT_EQ(findThread(mm("13")).refusal.code, RefusalCode::DiameterNotInPlan);
    EXPECT_EQ(findThread(mm("0")).refusal.code, RefusalCode::DiameterNotInPlan);
    EXPECT_EQ(findThread(mm("400")).refusal.code, RefusalCode::DiameterNotInPlan);
    EXPECT_EQ(findThread(mm("72")).refusal.code, RefusalCode::NoCoarsePitch);
    EXPECT_EQ(findThread(mm("10"), mm("2")).refusal.code, RefusalCode::PitchNotInPlan);
    EXPECT_EQ(findThread(mm("10"), mm("1,2501")).refusal.code, RefusalCode::PitchNotInPlan);
}

TEST(Plan, ClassesForAThread)
{
    const auto names = [](const std::vector<ThreadClass>& classes) {
        std::string text;
        for (const ThreadClass& c : classes)
            text += (text.empty() ? "" : " ") + c.name();
        return text;
    };
    const PlanThread m10 = planThreadsAt(mm("10"))[0];
    EXPECT_EQ(names(classesFor(m10, ThreadKind::Internal)), "4H 5H 6H 5G 6G 7G 7H 8G 8H");
    EXPECT_EQ(names(classesFor(m10, ThreadKind::External)),
              "3h4h 4g 4h 5g4g 5h4h 5g6g 5h6h 6e 6f 6g 6h 7e6e 7g6g 7h6h 8e 8g 9e8e 9g8g");
    // P 0,25: grades 4 and 5 of T_D2 only; no e or f, no grade 7 of T_d2.
    const PlanThread m1 = planThreadsAt(mm("1"))[0];
    EXPECT_EQ(names(classesFor(m1, ThreadKind::Internal)), "4H 5H 5G");
    EXPECT_EQ(names(classesFor(m1, ThreadKind::External)), "3h4h 4g 4h 5g4g 5h4h 5g6g 5h6h 6g 6h");
}
