// The fit as a line of text and the geometry of its diagram: the zones on the right side
// of the zero line and of each other for every kind of fit, the figures marked
// between the right edges, a zone too low to see drawn at the least height and
// said to be so, and only what is defined drawn.
#include <gtest/gtest.h>

#include "FitDiagram.h"
#include "FitTexts.h"

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

// The line the diagram copies with its picture; the page shows the figures themselves.
TEST(FitTexts, SummaryOfEachKind)
{
    EXPECT_EQ(fitSummary(fitAt(25, "H7", "g6")), "Ø25 H7/g6: зазор 7…41 мкм");
    EXPECT_EQ(fitSummary(fitAt(25, "H7", "k6")), "Ø25 H7/k6: зазор до 19 мкм, натяг до 15 мкм");
    EXPECT_EQ(fitSummary(fitAt(25, "P7", "h6")), "Ø25 P7/h6: натяг 1…35 мкм");
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
