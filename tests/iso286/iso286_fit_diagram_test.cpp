// The fit as a line of text and the geometry of its diagram: the zones on the right side
// of the zero line and of each other for every kind of fit, the figures marked
// between the right edges, a zone too low to see drawn at the least height and
// said to be so, only what is defined drawn, and no label touching another
// label, a zone or a dimension line at any fit.
#include <gtest/gtest.h>

#include <random>

#include "ClassList.h"
#include "FitDiagram.h"
#include "FitTexts.h"

using namespace iso286;

namespace {

constexpr double Width = 254;
constexpr double Height = 360;

// Every character about as wide as a digit of the program's diagram font, bold wider.
const TextMeasure FixedWidth{[](const std::string& text, bool bold) {
                                 double characters = 0;
                                 for (unsigned char c : text)
                                     characters += (c & 0xC0) != 0x80 ? 1 : 0; // UTF-8 lead bytes
                                 return characters * (bold ? 6.5 : 5.5);
                             },
                             12};

FitDiagram layout(const DiagramInput& input, double width = Width, double height = Height)
{
    return layoutFitDiagram(input, width, height, FixedWidth);
}

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
        const FitDiagram d = layout(inputOf(fit));
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
    const FitDiagram d = layout(inputOf(fit));
    const double hole = d.zones[0].bottom - d.zones[0].top;
    const double shaft = d.zones[1].bottom - d.zones[1].top;
    EXPECT_NEAR(hole / shaft, 33.0 / 21.0, 1e-9);
    // The smallest clearance, 20 µm, from the zero line down to the shaft's upper edge.
    EXPECT_NEAR((d.zones[1].top - d.zeroY) / hole, 20.0 / 33.0, 1e-9);
}

TEST(FitDiagram, AZoneTooLowToSeeIsDrawnAtTheLeastHeightAndSaidToBe)
{
    const Fit fit = fitAt(2000, "H18", "h5"); // 23000 µm against 65 µm
    const FitDiagram d = layout(inputOf(fit));
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
    const FitDiagram d = layout(shaftOnly);
    EXPECT_TRUE(d.zeroLine);
    ASSERT_EQ(d.zones.size(), 1u);
    EXPECT_EQ(d.zones[0].kind, Kind::Shaft);
    EXPECT_TRUE(d.marks.empty());
    EXPECT_EQ(d.notes, shaftOnly.refusals);

    const DiagramInput noSize{std::nullopt, std::nullopt, std::nullopt, {"Размер не указан"}};
    const FitDiagram none = layout(noSize);
    EXPECT_FALSE(none.zeroLine);
    EXPECT_TRUE(none.zones.empty());
    EXPECT_EQ(none.notes, noSize.refusals);
}

TEST(FitDiagram, ALongRefusalIsBrokenIntoLinesThatFit)
{
    const std::string reason = "Поле ZC18 для размеров до 3 мм не определено: основное отклонение не задано стандартом";
    const DiagramInput input{Decimal{2}, std::nullopt, std::nullopt, {reason}};
    const FitDiagram d = layout(input, 150, 300);
    ASSERT_GT(d.notes.size(), 1u);
    std::string joined;
    for (const std::string& line : d.notes) {
        EXPECT_LE(FixedWidth.width(line, false), 150 - 4) << line;
        joined += (joined.empty() ? "" : " ") + line;
    }
    EXPECT_EQ(joined, reason) << "every word kept, in order";
    EXPECT_LE(d.notesTop + double(d.notes.size()) * d.lineHeight, 300);
}

namespace {

// What is wrong with a diagram's labels: one over another, over a zone or a dimension
// line, or out of the drawing. A zone's name may stand inside its own zone, clear of its edges.
std::vector<std::string> collisions(const FitDiagram& d, double width)
{
    std::vector<std::string> faults;
    const std::vector<const DiagramLabel*> labels = drawnLabels(d);
    const std::vector<DiagramRect> drawn = drawnRects(d);
    auto inside = [](const DiagramRect& inner, const DiagramRect& outer) {
        return inner.left > outer.left && inner.right < outer.right && inner.top > outer.top && inner.bottom < outer.bottom;
    };
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (labels[i]->text.empty())
            continue;
        const DiagramRect rect = labelRect(*labels[i], FixedWidth);
        if (rect.left < 0 || rect.right > width || rect.top < 0 || rect.bottom > d.notesTop)
            faults.push_back("\"" + labels[i]->text + "\" out of the drawing");
        for (std::size_t j = i + 1; j < labels.size(); ++j)
            if (!labels[j]->text.empty() && rect.intersects(labelRect(*labels[j], FixedWidth)))
                faults.push_back("\"" + labels[i]->text + "\" over \"" + labels[j]->text + "\"");
        for (std::size_t k = 0; k < drawn.size(); ++k) {
            const bool ownZone = k < d.zones.size() && labels[i] == &d.zones[k].name;
            if (ownZone ? !inside(rect, drawn[k]) && rect.intersects(drawn[k]) : rect.intersects(drawn[k]))
                faults.push_back("\"" + labels[i]->text + "\" over " + (k < d.zones.size() ? "a zone" : "a dimension line"));
        }
    }
    return faults;
}

std::string fitName(const Fit& fit)
{
    return "Ø" + fit.hole.size.toPlainString() + " " + fit.hole.toleranceClass.name() + "/" + fit.shaft.toleranceClass.name();
}

} // namespace

TEST(FitDiagram, NoLabelTouchesAnotherOrALineAtTheFitsThatCrowdedIt)
{
    const struct {
        long long size;
        const char* hole;
        const char* shaft;
    } fits[] = {{3000, "H1", "d18"}, {25, "H7", "g6"}, {10, "A11", "h11"}, {2000, "N7", "h6"}, {2000, "H18", "h5"}};
    // The fits page's box and a window of its own.
    const std::pair<double, double> areas[] = {{236, 364}, {600, 700}};
    for (const auto& f : fits)
        for (const auto& [width, height] : areas) {
            const Fit fit = fitAt(f.size, f.hole, f.shaft);
            const FitDiagram d = layout(inputOf(fit), width, height);
            EXPECT_EQ(collisions(d, width), std::vector<std::string>{}) << fitName(fit) << " in " << width << "x" << height;
        }
}

TEST(FitDiagram, NoLabelTouchesAnotherOrALineAtRandomFits)
{
    std::mt19937 random(286);
    const std::vector<ToleranceClass>& holes = allClasses(Kind::Hole);
    const std::vector<ToleranceClass>& shafts = allClasses(Kind::Shaft);
    auto pick = [&](const std::vector<ToleranceClass>& classes) {
        return classes[std::uniform_int_distribution<std::size_t>(0, classes.size() - 1)(random)];
    };
    std::uniform_int_distribution<int> thousandths(1, 3150000);
    // The fits page's box, or a window of its own no smaller than it.
    std::uniform_int_distribution<int> widths(236, 900);
    std::uniform_int_distribution<int> heights(364, 1000);
    int drawnFits = 0;
    for (int i = 0; i < 4000; ++i) {
        // Sizes spread over the ranges: half of them under 50 mm, where most fits are.
        const int size = i % 2 == 0 ? thousandths(random) : thousandths(random) / 63;
        const Decimal nominal = Decimal::fromDigits(false, std::to_string(std::max(size, 1)), -3);
        const Limits hole = limitsOf(nominal, pick(holes));
        const Limits shaft = limitsOf(nominal, pick(shafts));
        DiagramInput input{nominal, std::nullopt, std::nullopt, {}};
        if (hole.defined)
            input.hole = hole;
        if (shaft.defined)
            input.shaft = shaft;
        const double width = i % 3 == 0 ? 236 : widths(random);
        const double height = i % 3 == 0 ? 364 : heights(random);
        const FitDiagram d = layout(input, width, height);
        drawnFits += d.marks.empty() ? 0 : 1;
        const std::vector<std::string> faults = collisions(d, width);
        ASSERT_TRUE(faults.empty()) << "Ø" << nominal.toPlainString() << " " << hole.toleranceClass.name() << "/"
                                    << shaft.toleranceClass.name() << " in " << width << "x" << height << ": "
                                    << faults.front();
    }
    EXPECT_GT(drawnFits, 1500) << "many of the fits drawn whole";
}
