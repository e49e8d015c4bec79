#include "ThreadDiagram.h"

#include <algorithm>

#include "Translate.h"
#include "ZoneGeometry.h"

namespace thread_diagram {

namespace {

// The columns at the natural width, in pixels. Each pair: the nut's deviations
// right-aligned before its zone, the two zones, the bolt's deviations after it.
struct Columns {
    double left, right;
};
constexpr Columns NutPitch{40, 62};
constexpr Columns BoltPitch{65, 87};
constexpr Columns NutCrest{164, 186};
constexpr Columns BoltCrest{189, 211};
constexpr double LabelGap = 3;
constexpr double TitleX = 2;
constexpr double TitleY = 7;
constexpr double AreaTop = 34;      // room for the title and a heading over the topmost zone
constexpr double BelowRoom = 21;    // room for a deviation and a heading under the lowest zone
constexpr double HeadingGap = 14;   // from a zone's outer deviation to its heading
constexpr double ZeroLabelRise = 7; // "0 мкм" just over the zero line
constexpr double LabelSpacing = 12; // the deviations of a low zone stay this far apart
// A character of the 10-pixel font, counted generously (a digit is 6.4 wide, "+" 8.4,
// a bold capital 8.4), and the height of a line of it.
constexpr double CharWidth = 7;
constexpr double TextHeight = 12;

std::size_t characterCount(const std::string& utf8)
{
    return std::size_t(std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

const ZoneInput& zoneInput(const PartInput& part, Diameter diameter)
{
    return diameter == Diameter::Pitch ? part.pitch : part.crest;
}

Columns columnsOf(Part part, Diameter diameter)
{
    if (part == Part::Nut)
        return diameter == Diameter::Pitch ? NutPitch : NutCrest;
    return diameter == Diameter::Pitch ? BoltPitch : BoltCrest;
}

} // namespace

std::string deviationText(long micrometres)
{
    const std::string digits = std::to_string(micrometres);
    return micrometres > 0 ? "+" + digits : digits;
}

std::string headingText(Part part, Diameter diameter, const std::string& className)
{
    std::string symbol = part == Part::Nut ? "D" : "d";
    if (diameter == Diameter::Pitch)
        symbol += "₂";
    else if (part == Part::Nut)
        symbol += "₁";
    return symbol + " " + className;
}

Box labelBox(const Label& label)
{
    const double width = double(characterCount(label.text)) * CharWidth;
    double left = label.x;
    if (label.anchor == TextAnchor::Right)
        left -= width;
    else if (label.anchor == TextAnchor::Centre)
        left -= width / 2;
    return {left, label.y - TextHeight / 2, left + width, label.y + TextHeight / 2};
}

bool overlap(const Box& a, const Box& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::vector<Label> labelsOf(const ThreadDiagram& diagram)
{
    std::vector<Label> labels;
    for (const Label* label : {&diagram.title, &diagram.zeroLabel})
        if (!label->text.empty())
            labels.push_back(*label);
    for (const Zone& zone : diagram.zones)
        for (const Label* label : {&zone.heading, &zone.upper, &zone.lower})
            labels.push_back(*label);
    return labels;
}

ThreadDiagram layoutThreadDiagram(const DiagramInput& input, double width, double height)
{
    ThreadDiagram diagram;
    diagram.lineHeight = LineHeight;
    diagram.notes = input.notes;
    diagram.title = {input.title, TitleX, TitleY, TextAnchor::Left};
    const double sx = width / NaturalWidth;

    struct Drawn {
        Part part;
        Diameter diameter;
        const ZoneInput* zone;
    };
    std::vector<Drawn> drawn;
    for (const auto& [part, input] : {std::pair{Part::Nut, &input.nut}, std::pair{Part::Bolt, &input.bolt}})
        if (*input)
            for (Diameter diameter : {Diameter::Pitch, Diameter::Crest})
                drawn.push_back({part, diameter, &zoneInput(**input, diameter)});
    if (drawn.empty()) {
        diagram.notesTop = AreaTop;
        return diagram;
    }

    // One vertical scale over the zero line and every drawn deviation.
    long highest = 0, lowest = 0;
    for (const Drawn& d : drawn) {
        highest = std::max(highest, d.zone->upper);
        lowest = std::min(lowest, d.zone->lower);
    }
    // Every note takes a line off the drawing: a zone not to scale adds one, and the
    // drawing then shrinks, which may bring another zone under the smallest height too.
    const double span = double(std::max(highest - lowest, 1L));
    double scale = 0;
    std::size_t noteLines = diagram.notes.size();
    for (int pass = 0; pass < 5; ++pass) {
        const double areaBottom = std::max(AreaTop + 2 * MinZoneHeight, height - BelowRoom - double(noteLines) * LineHeight);
        scale = (areaBottom - AreaTop) / span;
        std::size_t small = 0;
        for (const Drawn& d : drawn)
            small += double(d.zone->upper - d.zone->lower) * scale < MinZoneHeight ? 1 : 0;
        if (diagram.notes.size() + small == noteLines)
            break;
        noteLines = diagram.notes.size() + small;
    }
    auto yOf = [&](long micrometres) { return AreaTop + double(highest - micrometres) * scale; };

    diagram.zeroLine = true;
    diagram.zeroY = yOf(0);

    for (const Drawn& d : drawn) {
        const ZoneInput& limits = *d.zone;
        const Columns columns = columnsOf(d.part, d.diameter);
        Zone zone;
        zone.part = d.part;
        zone.diameter = d.diameter;
        zone.left = columns.left * sx;
        zone.right = columns.right * sx;
        zone.top = yOf(limits.upper);
        zone.bottom = yOf(limits.lower);
        if (zone_geometry::growToMinimum(zone.top, zone.bottom, limits.lower >= 0, limits.upper <= 0, MinZoneHeight)) {
            zone.toScale = false;
            diagram.notes.push_back(i18n::arg(i18n::translate("iso965diagram", "Поле %1 увеличено: не в масштабе"),
                                              {headingText(d.part, d.diameter, limits.className)}));
        }
        const bool nut = d.part == Part::Nut;
        const double labelX = nut ? zone.left - LabelGap * sx : zone.right + LabelGap * sx;
        const TextAnchor anchor = nut ? TextAnchor::Right : TextAnchor::Left;
        const auto [upperY, lowerY] = zone_geometry::deviationHeights(zone.top, zone.bottom, LabelSpacing);
        zone.upper = {deviationText(limits.upper), labelX, upperY, anchor};
        zone.lower = {deviationText(limits.lower), labelX, lowerY, anchor};
        // Headed on the side away from the zero line: the nut above, the bolt below.
        const double headingY = nut ? upperY - HeadingGap : lowerY + HeadingGap;
        zone.heading = {headingText(d.part, d.diameter, limits.className), (zone.left + zone.right) / 2, headingY,
                        TextAnchor::Centre};
        diagram.zones.push_back(zone);
    }

    // "0 мкм" at the right end over the zero line, raised over any deviation it would cover.
    const std::vector<Label> others = labelsOf(diagram);
    diagram.zeroLabel = {i18n::translate("iso965diagram", "0 мкм"), width - TitleX, diagram.zeroY - ZeroLabelRise, TextAnchor::Right};
    for (bool moved = true; moved;) {
        moved = false;
        for (const Label& other : others) {
            const Box box = labelBox(other);
            if (overlap(labelBox(diagram.zeroLabel), box)) {
                diagram.zeroLabel.y = box.top - TextHeight / 2 - 1;
                moved = true;
            }
        }
    }
    diagram.notesTop = height - double(diagram.notes.size()) * LineHeight;
    return diagram;
}

} // namespace thread_diagram
