// The texts of the thread tolerance page from the limits: each limit with its rule
// and the figures it came from, the deviations and tolerances of a class in one line,
// the clipboard line, and the diagram's zones as the limits' deviations.
#include <gtest/gtest.h>

#include "ThreadLimitTexts.h"

using namespace thread_texts;

namespace {

iso965::PlanThread threadOf(long long d, const char* pitch)
{
    const auto found = iso965::findThread(Decimal{d}, pitch ? std::optional<Decimal>(Decimal::fromDigits(false, pitch, -2))
                                                             : std::nullopt);
    return found.thread.value();
}

iso965::ThreadClass cls(const char* text) { return iso965::readThreadClass(text).value(); }

} // namespace

TEST(ThreadLimitTexts, EachLimitWithItsRuleAndFigures)
{
    const iso965::ThreadFit fit = iso965::threadFit(threadOf(10, "150"), cls("6H"), cls("6g"));
    ASSERT_TRUE(fit.defined);
    const struct {
        Limit limit;
        const char* value;
        const char* hintEnd;
    } cases[] = {
        {Limit::NutMajorMin, "10,000", "D min = D + EI: 10,000 + 0 мкм = 10,000 мм (EI — основное отклонение H)"},
        {Limit::NutPitchMax, "9,206", "D₂ max = D₂ min + TD₂: 9,026 + 180 мкм = 9,206 мм (TD₂ — допуск степени точности 6)"},
        {Limit::NutMinorMin, "8,376", "D₁ min = D₁ + EI: 8,376 + 0 мкм = 8,376 мм (EI — основное отклонение H)"},
        {Limit::BoltMajorMax, "9,968", "d max = d + es: 10,000 − 32 мкм = 9,968 мм (es — основное отклонение g)"},
        {Limit::BoltMajorMin, "9,732", "d min = d max − Td: 9,968 − 236 мкм = 9,732 мм (Td — допуск степени точности 6)"},
        {Limit::BoltPitchMin, "8,862", "d₂ min = d₂ max − Td₂: 8,994 − 132 мкм = 8,862 мм (Td₂ — допуск степени точности 6)"},
        {Limit::BoltRootMax, "8,128", "d₃ max = d₃ + es: 8,160 − 32 мкм = 8,128 мм (es — основное отклонение g); наименьший d₃ стандарт не устанавливает"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(limitSymbol(c.limit));
        const LimitText text = limitText(c.limit, &fit.nut, &fit.bolt);
        EXPECT_EQ(text.value, c.value);
        EXPECT_TRUE(text.hint.ends_with(c.hintEnd)) << text.hint;
    }
    EXPECT_EQ(deviationLine(fit.nut), "EI = 0 мкм, TD₂ = 180 мкм, TD₁ = 300 мкм");
    EXPECT_EQ(deviationLine(fit.bolt), "es = -32 мкм, Td₂ = 132 мкм, Td = 236 мкм");
    const ClearanceTexts clearance = clearanceTexts(fit);
    EXPECT_EQ(clearance.least, "32");
    EXPECT_EQ(clearance.largest, "344");
    EXPECT_EQ(summaryLine(fit.nut.thread, &fit.nut, &fit.bolt),
              "M10×1,5-6H/6g: D min 10,000, D₂ 9,026…9,206, D₁ 8,376…8,676; d 9,732…9,968, d₂ 8,862…8,994, "
              "d₃ max 8,128; зазор по D₂ 32…344 мкм");
}

TEST(ThreadLimitTexts, AClassNotDefinedHasTheRuleAloneAndNoValue)
{
    const iso965::NutLimits nut = iso965::nutLimits(threadOf(1, "25"), cls("6H"));
    ASSERT_FALSE(nut.defined);
    const LimitText text = limitText(Limit::NutPitchMin, &nut, nullptr);
    EXPECT_TRUE(text.value.empty());
    EXPECT_EQ(text.hint, "Наименьший средний диаметр гайки D₂ min = D₂ + EI");
    EXPECT_TRUE(limitText(Limit::BoltPitchMin, &nut, nullptr).value.empty());
}

TEST(ThreadLimitTexts, ThreadKindAndNames)
{
    EXPECT_EQ(threadTitle(threadOf(10, nullptr)), "M10×1,5");
    EXPECT_EQ(seriesText(threadOf(10, nullptr)), "Резьба с крупным шагом, 1-й ряд");
    EXPECT_EQ(seriesText(threadOf(15, "150")), "Резьба с мелким шагом, 3-й ряд");
    std::vector<std::string> symbols;
    for (Limit limit : AllLimits)
        symbols.push_back(limitSymbol(limit));
    EXPECT_EQ(symbols, (std::vector<std::string>{"D min", "D₂ min", "D₂ max", "D₁ min", "D₁ max", "d max", "d min",
                                                 "d₂ max", "d₂ min", "d₃ max"}));
    EXPECT_EQ(micrometreText(Decimal{42}), "+42");
    EXPECT_EQ(limitText(Decimal{24}), "24,000");
}

TEST(ThreadLimitTexts, DiagramZonesAreTheDeviationsOfTheLimits)
{
    const iso965::ThreadFit fit = iso965::threadFit(threadOf(20, nullptr), cls("7G"), cls("8e"));
    const thread_diagram::DiagramInput input = diagramInput(fit.nut.thread, &fit.nut, &fit.bolt, "7G", "8e", {});
    EXPECT_EQ(input.title, "M20×2,5-7G/8e");
    ASSERT_TRUE(input.nut && input.bolt);
    EXPECT_EQ(input.nut->pitch.upper, 322);
    EXPECT_EQ(input.nut->pitch.lower, 42);
    EXPECT_EQ(input.nut->crest.upper, 602);
    EXPECT_EQ(input.bolt->pitch.upper, -80);
    EXPECT_EQ(input.bolt->pitch.lower, -345);
    EXPECT_EQ(input.bolt->crest.lower, -610);
    EXPECT_EQ(input.bolt->crest.className, "8e");

    const iso965::BoltLimits bolt = iso965::boltLimits(threadOf(1, "25"), cls("6g"));
    const thread_diagram::DiagramInput boltOnly = diagramInput(bolt.thread, nullptr, &bolt, "", "6g", {"why"});
    EXPECT_EQ(boltOnly.title, "M1×0,25-6g");
    EXPECT_FALSE(boltOnly.nut);
    EXPECT_EQ(boltOnly.notes, std::vector<std::string>{"why"});
}
