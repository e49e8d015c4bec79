// The geometry of the thread tolerance diagram: every zone on its side of the zero
// line and in its column, one scale for all, the drawing filling its height, a zone
// too low to see drawn at the least height and said to be so, only what is defined
// drawn, and no label covering another or leaving the drawing.
#include <gtest/gtest.h>

#include <cmath>

#include "ThreadDiagram.h"

using namespace thread_diagram;

namespace {

constexpr double Width = NaturalWidth;
constexpr double Height = 364;

PartInput part(const char* pitchClass, long pitchUpper, long pitchLower, const char* crestClass, long crestUpper,
               long crestLower)
{
    return {{pitchClass, pitchUpper, pitchLower}, {crestClass, crestUpper, crestLower}};
}

// Limits of the worked checks, in µm from the basic diameters.
const PartInput Nut6H_M10x15 = part("6H", 180, 0, "6H", 300, 0);
const PartInput Bolt6g_M10x15 = part("6g", -32, -164, "6g", -32, -268);
const PartInput Nut7G_M20x25 = part("7G", 322, 42, "7G", 602, 42);
const PartInput Bolt8e_M20x25 = part("8e", -80, -345, "8e", -80, -610);
const PartInput Bolt4h6h_M8x1 = part("4h", 0, -71, "6h", 0, -180);
// The widest figures the tables give: grade 8 at the largest pitches.
const PartInput NutWidest = part("8G", 103 + 1000, 103, "8G", 103 + 1600, 103);
const PartInput BoltWidest = part("8e", -138, -138 - 1000, "8e", -138, -138 - 1180);

const Zone* find(const ThreadDiagram& d, Part p, Diameter dia)
{
    for (const Zone& zone : d.zones)
        if (zone.part == p && zone.diameter == dia)
            return &zone;
    return nullptr;
}

void expectLabelsApartAndInside(const ThreadDiagram& d, double width)
{
    const std::vector<Label> labels = labelsOf(d);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const Box a = labelBox(labels[i]);
        EXPECT_GE(a.left, 0) << labels[i].text;
        EXPECT_LE(a.right, width) << labels[i].text;
        EXPECT_GE(a.top, 0) << labels[i].text;
        EXPECT_LE(a.bottom, d.notesTop) << labels[i].text;
        for (std::size_t j = i + 1; j < labels.size(); ++j)
            EXPECT_FALSE(overlap(a, labelBox(labels[j]))) << labels[i].text << " covers " << labels[j].text;
        for (const Zone& zone : d.zones) {
            // A label may touch a zone's outline, never stand inside it.
            const Box inside{zone.left + 1, zone.top + 1, zone.right - 1, zone.bottom - 1};
            EXPECT_FALSE(overlap(a, inside)) << labels[i].text << " in a zone";
        }
    }
}

} // namespace

TEST(ThreadDiagram, ZonesOnTheirSidesInTheirColumnsToOneScale)
{
    const struct {
        const char* title;
        PartInput nut, bolt;
    } cases[] = {
        {"M10×1,5-6H/6g", Nut6H_M10x15, Bolt6g_M10x15},
        {"M20×2,5-7G/8e", Nut7G_M20x25, Bolt8e_M20x25},
        {"M8×1-6H/4h6h", part("6H", 150, 0, "6H", 236, 0), Bolt4h6h_M8x1},
        {"widest", NutWidest, BoltWidest},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        const ThreadDiagram d = layoutThreadDiagram({c.title, c.nut, c.bolt, {}}, Width, Height);
        ASSERT_TRUE(d.zeroLine);
        ASSERT_EQ(d.zones.size(), 4u);
        EXPECT_EQ(d.title.text, c.title);
        EXPECT_TRUE(d.notes.empty());
        const Zone& nutPitch = *find(d, Part::Nut, Diameter::Pitch);
        const Zone& boltPitch = *find(d, Part::Bolt, Diameter::Pitch);
        const Zone& nutCrest = *find(d, Part::Nut, Diameter::Crest);
        const Zone& boltCrest = *find(d, Part::Bolt, Diameter::Crest);
        // Each pair: the nut on the left, the bolt on the right; the pitch pair first.
        EXPECT_LT(nutPitch.right, boltPitch.left);
        EXPECT_LT(boltPitch.right, nutCrest.left);
        EXPECT_LT(nutCrest.right, boltCrest.left);
        // The nut over the basic profile, the bolt under it; an H or h zone on it.
        for (const Zone* nut : {&nutPitch, &nutCrest})
            EXPECT_LE(nut->bottom, d.zeroY);
        for (const Zone* bolt : {&boltPitch, &boltCrest})
            EXPECT_GE(bolt->top, d.zeroY);
        EXPECT_EQ(nutPitch.bottom == d.zeroY, c.nut.pitch.lower == 0);
        EXPECT_EQ(boltPitch.top == d.zeroY, c.bolt.pitch.upper == 0);
        // One scale: pixels per micrometre alike in every zone and from the zero line.
        const double scale = (nutCrest.bottom - nutCrest.top) / double(c.nut.crest.upper - c.nut.crest.lower);
        EXPECT_NEAR((boltCrest.bottom - boltCrest.top) / double(c.bolt.crest.upper - c.bolt.crest.lower), scale, 1e-9);
        EXPECT_NEAR((nutPitch.bottom - nutPitch.top) / double(c.nut.pitch.upper - c.nut.pitch.lower), scale, 1e-9);
        EXPECT_NEAR((boltPitch.bottom - d.zeroY) / double(-c.bolt.pitch.lower), scale, 1e-9);
        // The drawing fills its height, the room for the headings kept.
        EXPECT_NEAR(std::min(nutCrest.top, nutPitch.top), 34, 1);
        EXPECT_NEAR(std::max(boltCrest.bottom, boltPitch.bottom), Height - 21, 1);
        EXPECT_EQ(nutPitch.upper.text, std::to_string(c.nut.pitch.upper).insert(0, "+"));
        expectLabelsApartAndInside(d, Width);
    }
}

TEST(ThreadDiagram, HeadingsNameTheDiameterAndTheClassOfEachZone)
{
    const ThreadDiagram d = layoutThreadDiagram({"M8×1-4H5H/4h6h", part("4H", 100, 0, "5H", 190, 0), Bolt4h6h_M8x1, {}},
                                                Width, Height);
    std::vector<std::string> headings;
    for (const Zone& zone : d.zones)
        headings.push_back(zone.heading.text);
    EXPECT_EQ(headings, (std::vector<std::string>{"D₂ 4H", "D₁ 5H", "d₂ 4h", "d 6h"}));
    // The nut's over its zone, the bolt's under it.
    for (const Zone& zone : d.zones)
        EXPECT_EQ(zone.heading.y < zone.top, zone.part == Part::Nut) << zone.heading.text;
}

TEST(ThreadDiagram, OnlyTheDefinedPartIsDrawnAndTheReasonNoted)
{
    const std::string reason = "6H не определено для шага 0,25";
    {
        const ThreadDiagram d = layoutThreadDiagram({"M1×0,25-6H/6g", std::nullopt, part("6g", -18, -71, "6g", -18, -85),
                                                     {reason}},
                                                    Width, Height);
        ASSERT_TRUE(d.zeroLine);
        ASSERT_EQ(d.zones.size(), 2u);
        for (const Zone& zone : d.zones) {
            EXPECT_EQ(zone.part, Part::Bolt);
            EXPECT_GT(zone.top, d.zeroY);
        }
        EXPECT_EQ(d.notes, std::vector<std::string>{reason});
        EXPECT_DOUBLE_EQ(d.notesTop, Height - LineHeight);
        EXPECT_LE(d.zones[0].heading.y + 6, d.notesTop);
        expectLabelsApartAndInside(d, Width);
    }
    {
        const ThreadDiagram d = layoutThreadDiagram({"M6-6g", std::nullopt, std::nullopt, {reason, reason}}, Width, Height);
        EXPECT_FALSE(d.zeroLine);
        EXPECT_TRUE(d.zones.empty());
        EXPECT_EQ(d.notes.size(), 2u);
    }
    {
        const ThreadDiagram d = layoutThreadDiagram({"M10×1,5-6H", Nut6H_M10x15, std::nullopt, {}}, Width, Height);
        ASSERT_EQ(d.zones.size(), 2u);
        EXPECT_EQ(d.zones[0].part, Part::Nut);
        EXPECT_DOUBLE_EQ(d.zones[0].bottom, d.zeroY);
        expectLabelsApartAndInside(d, Width);
    }
}

TEST(ThreadDiagram, AZoneTooLowIsDrawnAtTheLeastHeightOnItsSideAndNoted)
{
    // A fine nut beside the widest bolt: its 20 µm would be a few pixels high.
    const ThreadDiagram d = layoutThreadDiagram({"x", part("4H", 20, 0, "4H", 38, 0), BoltWidest, {}}, Width, Height);
    const Zone& nutPitch = *find(d, Part::Nut, Diameter::Pitch);
    EXPECT_FALSE(nutPitch.toScale);
    EXPECT_NEAR(nutPitch.bottom - nutPitch.top, MinZoneHeight, 1e-9);
    EXPECT_DOUBLE_EQ(nutPitch.bottom, d.zeroY);
    ASSERT_FALSE(d.notes.empty());
    EXPECT_EQ(d.notes.front(), "Поле D₂ 4H увеличено: не в масштабе");
    EXPECT_GE(d.notesTop, std::max(find(d, Part::Bolt, Diameter::Crest)->heading.y + 6, 0.0));
    expectLabelsApartAndInside(d, Width);
}

TEST(ThreadDiagram, ZeroLabelStaysClearOfAnhZoneAtTheLine)
{
    const ThreadDiagram d = layoutThreadDiagram({"M8×1-4h6h", std::nullopt, Bolt4h6h_M8x1, {}}, Width, Height);
    EXPECT_EQ(d.zeroLabel.text, "0 мкм");
    EXPECT_LT(d.zeroLabel.y, d.zeroY);
    expectLabelsApartAndInside(d, Width);
}

TEST(ThreadDiagram, DeviationTexts)
{
    EXPECT_EQ(deviationText(180), "+180");
    EXPECT_EQ(deviationText(0), "0");
    EXPECT_EQ(deviationText(-32), "-32");
}
