// The texts of a fit and the geometry of its diagram: the zones on the right side
// of the zero line and of each other for every kind of fit, the figures marked
// between the right edges, a zone too low to see drawn at the least height and
// said to be so, and only what is defined drawn.
#include <gtest/gtest.h>

#include "FitDiagram.h"
#include "FitTexts.h"
#include "NumberText.h"

using namespace iso286;

namespace {

constexpr double Width = 254;
constexpr double Height = 360;

ToleranceClass cls(const char* text) { return parseClass(text).value(); }

Fit fitAt(long long size, const char* hole, const char* shaft) { return fitOf(Decimal{size}, cls(hole), cls(shaft)); }

DiagramInput inputOf(const Fit& fit)
{
    return {fit.hole.size, fit.hole, fit.shaft, {}};
}

std::vector<std::string> labels(const DiagramMark& mark) { return {mark.name.text, mark.value.text}; }

} // namespace

TEST(FitTexts, FiguresCaptionsAndSummaryOfEachKind)
{
    const struct {
        const char* hole;
        const char* shaft;
        const char* first;
        const char* second;
        const char* mean;
        const char* tolerance;
        const char* sentence;
        const char* summary;
    } cases[] = {
        {"H7", "g6", "Наибольший зазор Smax 41", "Наименьший зазор Smin 7", "Средний зазор Sm 24", "Допуск посадки TS 34",
         "Посадка с зазором в системе отверстия", "Ø25 H7/g6: зазор 7…41 мкм"},
        {"H7", "k6", "Наибольший зазор Smax 19", "Наибольший натяг Nmax 15", "Средний зазор Sm 2", "Допуск посадки TSN 34",
         "Переходная посадка в системе отверстия", "Ø25 H7/k6: зазор до 19 мкм, натяг до 15 мкм"},
        {"H7", "n6", "Наибольший зазор Smax 6", "Наибольший натяг Nmax 28", "Средний натяг Nm 11", "Допуск посадки TSN 34",
         "Переходная посадка в системе отверстия", "Ø25 H7/n6: зазор до 6 мкм, натяг до 28 мкм"},
        {"H7", "p6", "Наибольший натяг Nmax 35", "Наименьший натяг Nmin 1", "Средний натяг Nm 18", "Допуск посадки TN 34",
         "Посадка с натягом в системе отверстия", "Ø25 H7/p6: натяг 1…35 мкм"},
        {"H7", "h6", "Наибольший зазор Smax 34", "Наименьший зазор Smin 0", "Средний зазор Sm 17", "Допуск посадки TS 34",
         "Посадка с зазором в системе отверстия и в системе вала", "Ø25 H7/h6: зазор 0…34 мкм"},
        {"P7", "h6", "Наибольший натяг Nmax 35", "Наименьший натяг Nmin 1", "Средний натяг Nm 18", "Допуск посадки TN 34",
         "Посадка с натягом в системе вала", "Ø25 P7/h6: натяг 1…35 мкм"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.hole) + "/" + c.shaft);
        const Fit fit = fitAt(25, c.hole, c.shaft);
        const FitFigures figures = fitFigures(fit);
        auto text = [](const FitFigure& f) { return f.caption + " " + tolerance::generalNumberText(f.value); };
        EXPECT_EQ(text(figures.first), c.first);
        EXPECT_EQ(text(figures.second), c.second);
        EXPECT_EQ(text(figures.mean), c.mean);
        EXPECT_EQ(text(figures.tolerance), c.tolerance);
        EXPECT_EQ(fitKindSentence(fit), c.sentence);
        EXPECT_EQ(fitSummary(fit), c.summary);
    }
}

TEST(FitTexts, DeviationsAsTheTableWritesThem)
{
    EXPECT_EQ(deviationText(Decimal{21}), "+21");
    EXPECT_EQ(deviationText(Decimal{}), "0");
    EXPECT_EQ(deviationText(Decimal{-75}.scaled(-1)), "-7,5");
}

TEST(FitTexts, PreferredFitsInBothSystems)
{
    std::vector<std::string> names;
    for (const PreferredFit& fit : preferredFits())
        names.push_back(fit.name());
    const std::vector<std::string> expected = {"H11/c11", "H9/d9", "H8/f7", "H7/g6", "H7/h6", "H7/k6", "H7/n6",
                                               "H7/p6",   "H7/s6", "H7/u6", "C11/h11", "D9/h9", "F8/h7", "G7/h6",
                                               "H7/h6",   "K7/h6", "N7/h6", "P7/h6", "S7/h6", "U7/h6"};
    EXPECT_EQ(names, expected);
}

TEST(FitDiagram, ZonesOnTheirSidesAndTheFiguresBetweenThemForEachKind)
{
    const struct {
        const char* hole;
        const char* shaft;
        // The zero line against the shaft and the hole; the shaft below the hole entirely or not.
        bool shaftBelowHole;
        bool shaftAboveHole;
        std::vector<std::string> first, second;
    } cases[] = {
        {"H7", "g6", true, false, {"Smax", "41"}, {"Smin", "7"}},
        {"H7", "k6", false, false, {"Smax", "19"}, {"Nmax", "15"}},
        {"H7", "p6", false, true, {"Nmax", "35"}, {"Nmin", "1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.hole) + "/" + c.shaft);
        const Fit fit = fitAt(25, c.hole, c.shaft);
        const FitDiagram d = layoutFitDiagram(inputOf(fit), Width, Height);
        ASSERT_TRUE(d.zeroLine);
        ASSERT_EQ(d.zones.size(), 2u);
        const DiagramZone& hole = d.zones[0];
        const DiagramZone& shaft = d.zones[1];
        EXPECT_EQ(hole.kind, Kind::Hole);
        EXPECT_LT(hole.right, shaft.left) << "the hole on the left";
        // H: the hole stands on the zero line.
        EXPECT_DOUBLE_EQ(hole.bottom, d.zeroY);
        EXPECT_EQ(shaft.top > hole.bottom, c.shaftBelowHole);
        EXPECT_EQ(shaft.bottom < hole.top, c.shaftAboveHole);
        EXPECT_TRUE(hole.toScale && shaft.toScale);
        EXPECT_EQ(hole.name.text, c.hole);
        EXPECT_EQ(hole.upper.text, "+21");
        EXPECT_EQ(hole.lower.text, "0");
        ASSERT_EQ(d.marks.size(), 2u);
        EXPECT_EQ(labels(d.marks[0]), c.first);
        EXPECT_EQ(labels(d.marks[1]), c.second);
        EXPECT_EQ(d.sizeLabel.text, "Ø25");
        EXPECT_TRUE(d.notes.empty());
        // The drawing fills its height, to the room for the size under the zero line.
        EXPECT_LE(std::min(hole.top, shaft.top), 20);
        EXPECT_GE(std::max(hole.bottom, shaft.bottom), Height - 20);
    }
}

TEST(FitDiagram, OneScaleForBothZones)
{
    const Fit fit = fitAt(25, "H8", "f7"); // IT8 33, IT7 21
    const FitDiagram d = layoutFitDiagram(inputOf(fit), Width, Height);
    const double hole = d.zones[0].bottom - d.zones[0].top;
    const double shaft = d.zones[1].bottom - d.zones[1].top;
    EXPECT_NEAR(hole / shaft, 33.0 / 21.0, 1e-9);
    // The smallest clearance, 20 µm, from the zero line down to the shaft's upper edge.
    EXPECT_NEAR((d.zones[1].top - d.zeroY) / hole, 20.0 / 33.0, 1e-9);
}

TEST(FitDiagram, AZoneTooLowToSeeIsDrawnAtTheLeastHeightAndSaidToBe)
{
    const Fit fit = fitAt(2000, "H18", "h5"); // 23000 µm against 65 µm
    const FitDiagram d = layoutFitDiagram(inputOf(fit), Width, Height);
    ASSERT_EQ(d.zones.size(), 2u);
    const DiagramZone& shaft = d.zones[1];
    EXPECT_TRUE(d.zones[0].toScale);
    EXPECT_FALSE(shaft.toScale);
    EXPECT_DOUBLE_EQ(shaft.bottom - shaft.top, MinZoneHeight);
    EXPECT_DOUBLE_EQ(shaft.top, d.zeroY) << "grown away from the zero line";
    EXPECT_GE(shaft.lower.y - shaft.upper.y, 12) << "its two labels apart";
    EXPECT_EQ(d.notes, std::vector<std::string>{"Поле h5 увеличено: не в масштабе"});
    EXPECT_LE(d.notesTop + d.lineHeight, Height);
    EXPECT_LE(shaft.bottom, d.notesTop);
}

TEST(FitDiagram, OnlyWhatIsDefinedIsDrawn)
{
    const Limits g6 = limitsOf(Decimal{25}, cls("g6"));
    const DiagramInput shaftOnly{Decimal{25}, std::nullopt, g6, {"Поле A9 для размеров до 1 мм не определено"}};
    const FitDiagram d = layoutFitDiagram(shaftOnly, Width, Height);
    EXPECT_TRUE(d.zeroLine);
    ASSERT_EQ(d.zones.size(), 1u);
    EXPECT_EQ(d.zones[0].kind, Kind::Shaft);
    EXPECT_TRUE(d.marks.empty());
    EXPECT_EQ(d.notes, shaftOnly.refusals);

    const DiagramInput noSize{std::nullopt, std::nullopt, std::nullopt, {"Размер не указан"}};
    const FitDiagram none = layoutFitDiagram(noSize, Width, Height);
    EXPECT_FALSE(none.zeroLine);
    EXPECT_TRUE(none.zones.empty());
    EXPECT_EQ(none.notes, noSize.refusals);
}
