// The worked checks of the thread tables' README, their refusals, and fits.
#include <gtest/gtest.h>

#include "Designation.h"
#include "NumberText.h"

using namespace iso965;

namespace {

Decimal mm(const char* text)
{
    const auto value = number::parseNumberText(text);
    EXPECT_TRUE(value) << text;
    return value.value_or(Decimal{});
}

ThreadAnswer answered(const char* designation)
{
    const ThreadAnswer a = answer(designation);
    EXPECT_NE(a.kind, AnswerKind::Refused) << designation << ": " << refusalText(a.refusal);
    return a;
}

struct NutCheck {
    const char* designation;
    const char* majorMin;
    const char* pitchMin;
    const char* pitchMax;
    const char* minorMin;
    const char* minorMax;
    int ei, tPitch, tMinor;
};

struct BoltCheck {
    const char* designation;
    const char* majorMax;
    const char* majorMin;
    const char* pitchMax;
    const char* pitchMin;
    const char* rootMax;
    int es, tPitch, tMajor;
};

} // namespace

TEST(WorkedChecks, Nuts)
{
    const NutCheck checks[] = {
        {"M10x1,5-6H", "10", "9,026", "9,206", "8,376", "8,676", 0, 180, 300},
        {"M24x2-6H", "24", "22,701", "22,925", "21,835", "22,21", 0, 224, 375},
        {"M64x4-6H", "64", "61,402", "61,717", "59,67", "60,27", 0, 315, 600},
        {"M20x2,5-7G", "20,042", "18,418", "18,698", "17,336", "17,896", 42, 280, 560},
    };
    for (const NutCheck& c : checks) {
        SCOPED_TRACE(c.designation);
        const ThreadAnswer a = answered(c.designation);
        ASSERT_EQ(a.kind, AnswerKind::Nut);
        const NutLimits& n = a.fit.nut;
        ASSERT_TRUE(n.defined) << refusalText(n.refusal);
        EXPECT_EQ(n.majorMin, mm(c.majorMin));
        EXPECT_EQ(n.pitchMin, mm(c.pitchMin));
        EXPECT_EQ(n.pitchMax, mm(c.pitchMax));
        EXPECT_EQ(n.minorMin, mm(c.minorMin));
        EXPECT_EQ(n.minorMax, mm(c.minorMax));
        EXPECT_EQ(n.eiPitch, Decimal(c.ei));
        EXPECT_EQ(n.eiMinor, Decimal(c.ei));
        EXPECT_EQ(n.tPitch, Decimal(c.tPitch));
        EXPECT_EQ(n.tMinor, Decimal(c.tMinor));
    }
}

TEST(WorkedChecks, Bolts)
{
    const BoltCheck checks[] = {
        {"M10x1,5-6g", "9,968", "9,732", "8,994", "8,862", "8,128", -32, 132, 236},
        {"M6-6g", "5,974", "5,794", "5,324", "5,212", "4,747", -26, 112, 180},
        {"M1,6-6g", "1,581", "1,496", "1,354", "1,291", "1,152", -19, 63, 85},
        {"M8x1-4h6h", "8", "7,82", "7,35", "7,279", "6,773", 0, 71, 180},
        {"M20x2,5-8e", "19,92", "19,39", "18,296", "18,031", "16,853", -80, 265, 530},
    };
    for (const BoltCheck& c : checks) {
        SCOPED_TRACE(c.designation);
        const ThreadAnswer a = answered(c.designation);
        ASSERT_EQ(a.kind, AnswerKind::Bolt);
        const BoltLimits& b = a.fit.bolt;
        ASSERT_TRUE(b.defined) << refusalText(b.refusal);
        EXPECT_EQ(b.majorMax, mm(c.majorMax));
        EXPECT_EQ(b.majorMin, mm(c.majorMin));
        EXPECT_EQ(b.pitchMax, mm(c.pitchMax));
        EXPECT_EQ(b.pitchMin, mm(c.pitchMin));
        EXPECT_EQ(b.rootMax, mm(c.rootMax));
        EXPECT_EQ(b.esPitch, Decimal(c.es));
        EXPECT_EQ(b.esMajor, Decimal(c.es));
        EXPECT_EQ(b.tPitch, Decimal(c.tPitch));
        EXPECT_EQ(b.tMajor, Decimal(c.tMajor));
    }
}

TEST(WorkedChecks, CoarsePitchIsTakenFromThePlan)
{
    const ThreadAnswer a = answered("M6-6g");
    EXPECT_EQ(a.thread.pitch, mm("1"));
    EXPECT_EQ(a.thread.series, Series::Coarse);
    EXPECT_EQ(answered("M1,6-6g").thread.pitch, mm("0,35"));
}

TEST(WorkedChecks, Refusals)
{
    const struct {
        const char* designation;
        RefusalCode code;
        const char* reason;
    } refusals[] = {
        {"M1x0,25-6H", RefusalCode::GradeNotDefined,
         "Степени точности 6 для среднего диаметра D2 гайки при шаге 0,25 мм стандарт не устанавливает (есть 4, 5)"},
        {"M3x0,5-8G", RefusalCode::GradeNotDefined,
         "Степени точности 8 для среднего диаметра D2 гайки при шаге 0,5 мм стандарт не устанавливает (есть 4…7)"},
        {"M10x2-6H", RefusalCode::PitchNotInPlan, "Шага 2 мм у резьбы M10 в ряду ISO 261 нет (есть 1,5; 1,25; 1; 0,75)"},
        {"M13-6g", RefusalCode::DiameterNotInPlan, "Резьбы диаметром 13 мм нет в ряду метрических резьб ISO 261 (1…300 мм)"},
        {"M70-6g", RefusalCode::NoCoarsePitch, "У резьбы M70 нет крупного шага: укажите шаг (6; 4; 3; 2; 1,5)"},
        {"M1,6-6e", RefusalCode::PositionNotDefined,
         "Основного отклонения e при шаге 0,35 мм стандарт не устанавливает (оно есть с шага 0,5 мм)"},
        {"M2-6f", RefusalCode::None, ""}, // f exists from P 0,35: M2 is 0,4
        {"M1-6f", RefusalCode::PositionNotDefined,
         "Основного отклонения f при шаге 0,25 мм стандарт не устанавливает (оно есть с шага 0,35 мм)"},
        {"M10-3H", RefusalCode::GradeNotDefined,
         "Степени точности 3 для среднего диаметра D2 гайки стандарт не устанавливает (есть 4…8)"},
        {"M10-5g", RefusalCode::GradeNotDefined,
         "Степени точности 5 для наружного диаметра d болта стандарт не устанавливает (есть 4, 6, 8)"},
        {"M1,6-8g", RefusalCode::GradeNotDefined,
         "Степени точности 8 для среднего диаметра d2 болта при шаге 0,35 мм стандарт не устанавливает (есть 3…7)"},
        {"M10-6K", RefusalCode::ClassUnreadable, "Поле допуска «6K» не прочитано: пишется как 6H, 6g, 5g6g или 6H/6g"},
        {"M10-6g/6H", RefusalCode::FitKindsMismatch,
         "В «6g/6H» поле гайки (G, H) и поле болта (e, f, g, h) перепутаны: посадка пишется как 6H/6g"},
        {"10-6H", RefusalCode::ThreadUnreadable,
         "Резьба «10-6H» не прочитана: пишется как M10, M10x1,25 или M10x1,25-6H"},
    };
    for (const auto& r : refusals) {
        SCOPED_TRACE(r.designation);
        const ThreadAnswer a = answer(r.designation);
        EXPECT_EQ(a.defined(), r.code == RefusalCode::None);
        EXPECT_EQ(a.firstRefusal().code, r.code) << refusalText(a.firstRefusal());
        EXPECT_EQ(refusalText(a.firstRefusal()), r.reason);
    }
}

TEST(WorkedChecks, RefusalCodesAreStable)
{
    const struct {
        RefusalCode code;
        const char* text;
    } codes[] = {
        {RefusalCode::None, ""},
        {RefusalCode::ThreadUnreadable, "thread_unreadable"},
        {RefusalCode::ClassUnreadable, "class_unreadable"},
        {RefusalCode::DiameterNotInPlan, "diameter_not_in_plan"},
        {RefusalCode::NoCoarsePitch, "no_coarse_pitch"},
        {RefusalCode::PitchNotInPlan, "pitch_not_in_plan"},
        {RefusalCode::GradeNotDefined, "grade_not_defined"},
        {RefusalCode::PositionNotDefined, "position_not_defined"},
        {RefusalCode::FitKindsMismatch, "fit_kinds_mismatch"},
        {RefusalCode::ClassKindMismatch, "class_kind_mismatch"},
    };
    for (const auto& c : codes)
        EXPECT_STREQ(refusalCode(c.code), c.text);
}

TEST(Fits, ClearancesAtThePitchDiameterAndCrests)
{
    const struct {
        const char* designation;
        int pitchMin, pitchMax, minorMin, majorMin;
    } fits[] = {
        // 6H/6g at M10x1,5: EI − es = 32; 180 + 132 + 32; D1 min 8,376 − d3 max 8,128; D 10 − d max 9,968.
        {"M10x1,5-6H/6g", 32, 344, 248, 32},
        // 7G/8e at M20x2,5: 42 + 80; 280 + 265 + 122.
        {"M20x2,5-7G/8e", 122, 667, 483, 122},
        {"M1x0,2-4H/4h", 0, 70, 28, 0}, // D1 0,783 over d3 0,755
    };
    for (const auto& f : fits) {
        SCOPED_TRACE(f.designation);
        const ThreadAnswer a = answered(f.designation);
        ASSERT_EQ(a.kind, AnswerKind::Fit);
        ASSERT_TRUE(a.defined()) << refusalText(a.firstRefusal());
        EXPECT_EQ(a.fit.pitchClearanceMin, Decimal(f.pitchMin));
        EXPECT_EQ(a.fit.pitchClearanceMax, Decimal(f.pitchMax));
        EXPECT_EQ(a.fit.minorClearanceMin, Decimal(f.minorMin));
        EXPECT_EQ(a.fit.majorClearanceMin, Decimal(f.majorMin));
    }
}

TEST(WorkedChecks, AClassOfTheOtherKind)
{
    const PlanThread m1 = planThreads()[0];
    const NutLimits nut = nutLimits(m1, *readThreadClass("6g"));
    EXPECT_FALSE(nut.defined);
    EXPECT_EQ(nut.refusal.code, RefusalCode::ClassKindMismatch);
    EXPECT_EQ(refusalText(nut.refusal), "Поле 6g — поле болта (e, f, g, h); гайке нужно поле G или H");
    const BoltLimits bolt = boltLimits(m1, *readThreadClass("4H5H"));
    EXPECT_FALSE(bolt.defined);
    EXPECT_EQ(refusalText(bolt.refusal), "Поле 4H5H — поле гайки (G, H); болту нужно поле e, f, g или h");
}

TEST(WorkedChecks, AThreadMadeByHand)
{
    PlanThread m10;
    m10.d = mm("10");
    m10.pitch = mm("1,25");
    const BoltLimits bolt = boltLimits(m10, *readThreadClass("6g"));
    ASSERT_TRUE(bolt.defined) << refusalText(bolt.refusal);
    EXPECT_EQ(bolt.thread.series, Series::Fine);
    EXPECT_EQ(bolt.pitchMax, mm("9,16")); // 10 − 0,812 − 0,028
    EXPECT_EQ(basicDiameters(m10).pitch, mm("9,188"));

    PlanThread m13 = m10;
    m13.d = mm("13");
    EXPECT_EQ(nutLimits(m13, *readThreadClass("6H")).refusal.code, RefusalCode::DiameterNotInPlan);
}

TEST(Fits, AnUndefinedHalfLeavesTheFitUndefinedWithItsReason)
{
    const ThreadAnswer nut = answer("M1x0,25-6H/6g");
    EXPECT_FALSE(nut.defined());
    EXPECT_FALSE(nut.fit.nut.defined);
    EXPECT_TRUE(nut.fit.bolt.defined);
    EXPECT_EQ(nut.firstRefusal().diameter, ThreadDiameter::NutPitch);

    const ThreadAnswer bolt = answer("M3x0,5-6H/8g");
    EXPECT_FALSE(bolt.defined());
    EXPECT_TRUE(bolt.fit.nut.defined);
    EXPECT_EQ(bolt.firstRefusal().code, RefusalCode::GradeNotDefined);
    EXPECT_EQ(bolt.firstRefusal().diameter, ThreadDiameter::BoltPitch);
}
