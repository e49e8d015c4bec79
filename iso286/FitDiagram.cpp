#include "FitDiagram.h"

#include <algorithm>

#include "FitTexts.h"
#include "NumberText.h"
#include "Translate.h"
#include "ZoneGeometry.h"

namespace iso286 {

namespace {

// The columns of the drawing at its natural width, in pixels; a wider area stretches them.
constexpr double NaturalWidth = 254;
constexpr double ZeroColumn = 2;      // "0 мкм" and "Ø25" at the left end of the zero line
constexpr double HoleLeft = 64, HoleRight = 102;
constexpr double ShaftLeft = 108, ShaftRight = 146;
constexpr double LabelGap = 3;
constexpr double MarkLabelGap = 6;    // clear of the mark's end ticks
constexpr double FirstMark = 184, SecondMark = 218;
constexpr double TopMargin = 18;      // room for the labels over the topmost edge
constexpr double BelowZeroRoom = 14;  // room for the size under the zero line at the bottom
constexpr double LineHeight = 13;
constexpr double NameInsideFrom = 16; // a zone this high carries its name inside
constexpr double LabelSpacing = 12;   // the upper and lower labels of a low zone stay this far apart

struct Level {
    std::string name;
    // The two deviations the figure lies between: true for the hole's.
    bool fromHole;
    bool fromUpper;
    bool toHole;
    bool toUpper;
    bool clearance;
};

double edge(const DiagramZone& zone, bool upper) { return upper ? zone.top : zone.bottom; }

} // namespace

FitDiagram layoutFitDiagram(const DiagramInput& input, double width, double height)
{
    FitDiagram diagram;
    diagram.lineHeight = LineHeight;
    diagram.notes = input.refusals;
    const double sx = width / NaturalWidth;
    const bool both = input.hole && input.shaft;

    std::vector<const Limits*> drawn;
    if (input.hole)
        drawn.push_back(&*input.hole);
    if (input.shaft)
        drawn.push_back(&*input.shaft);
    if (!input.size || drawn.empty()) {
        diagram.notesTop = TopMargin;
        return diagram;
    }

    // One vertical scale over the zero line and every drawn deviation.
    Decimal highest, lowest;
    for (const Limits* limits : drawn) {
        highest = std::max(highest, limits->upper);
        lowest = std::min(lowest, limits->lower);
    }
    // Every note takes a line off the drawing: a zone not to scale adds one, and the
    // drawing then shrinks, which may bring the other zone under the smallest height too.
    const double areaTop = TopMargin;
    const double span = (highest - lowest).toDouble();
    double scale = 0;
    std::size_t noteLines = diagram.notes.size();
    for (int pass = 0; pass < 3; ++pass) {
        const double areaBottom = std::max(areaTop + 2 * MinZoneHeight, height - BelowZeroRoom - double(noteLines) * LineHeight);
        scale = (areaBottom - areaTop) / span;
        std::size_t small = 0;
        for (const Limits* limits : drawn)
            small += (limits->upper - limits->lower).toDouble() * scale < MinZoneHeight ? 1 : 0;
        if (diagram.notes.size() + small == noteLines)
            break;
        noteLines = diagram.notes.size() + small;
    }
    auto yOf = [&](const Decimal& micrometres) { return areaTop + (highest - micrometres).toDouble() * scale; };

    diagram.zeroLine = true;
    diagram.zeroY = yOf(Decimal{});
    diagram.zeroLabel = {i18n::translate("iso286", "0 мкм"), ZeroColumn * sx, diagram.zeroY - 7, TextAnchor::Left};
    diagram.sizeLabel = {"Ø" + number::generalNumberText(*input.size), ZeroColumn * sx, diagram.zeroY + 7,
                         TextAnchor::Left};

    for (const Limits* limits : drawn) {
        DiagramZone zone;
        zone.kind = limits->toleranceClass.kind;
        const bool hole = zone.kind == Kind::Hole;
        zone.left = (hole ? HoleLeft : ShaftLeft) * sx;
        zone.right = (hole ? HoleRight : ShaftRight) * sx;
        zone.top = yOf(limits->upper);
        zone.bottom = yOf(limits->lower);
        if (zone_geometry::growToMinimum(zone.top, zone.bottom, limits->lower >= Decimal{}, limits->upper <= Decimal{},
                                         MinZoneHeight)) {
            zone.toScale = false;
            diagram.notes.push_back(i18n::arg(i18n::translate("iso286", "Поле %1 увеличено: не в масштабе"),
                                              {limits->toleranceClass.name()}));
        }
        const double labelX = hole ? zone.left - LabelGap * sx : zone.right + LabelGap * sx;
        const TextAnchor anchor = hole ? TextAnchor::Right : TextAnchor::Left;
        const auto [upperY, lowerY] = zone_geometry::deviationHeights(zone.top, zone.bottom, LabelSpacing);
        zone.upper = {deviationText(limits->upper), labelX, upperY, anchor};
        zone.lower = {deviationText(limits->lower), labelX, lowerY, anchor};
        const double centre = (zone.left + zone.right) / 2;
        const double nameY = zone.bottom - zone.top >= NameInsideFrom ? (zone.top + zone.bottom) / 2
                                                                      : std::max(7.0, zone.top - 8);
        zone.name = {limits->toleranceClass.name(), centre, nameY, TextAnchor::Centre};
        diagram.zones.push_back(zone);
    }

    if (both) {
        const Fit fit = fitOf(*input.hole, *input.shaft);
        // Clearances run from the hole down to the shaft, interferences from the shaft down to the hole.
        std::vector<Level> levels;
        switch (fit.kind) {
        case FitKind::Clearance:
            levels = {{"Smax", true, true, false, false, true}, {"Smin", true, false, false, true, true}};
            break;
        case FitKind::Transition:
            levels = {{"Smax", true, true, false, false, true}, {"Nmax", false, true, true, false, false}};
            break;
        case FitKind::Interference:
            levels = {{"Nmax", false, true, true, false, false}, {"Nmin", false, false, true, true, false}};
            break;
        }
        const FitFigures figures = fitFigures(fit);
        const Decimal values[] = {figures.first.value, figures.second.value};
        const DiagramZone& holeZone = diagram.zones[0];
        const DiagramZone& shaftZone = diagram.zones[1];
        for (std::size_t i = 0; i < levels.size(); ++i) {
            const Level& level = levels[i];
            DiagramMark mark;
            mark.clearance = level.clearance;
            mark.x = (i == 0 ? FirstMark : SecondMark) * sx;
            const double from = edge(level.fromHole ? holeZone : shaftZone, level.fromUpper);
            const double to = edge(level.toHole ? holeZone : shaftZone, level.toUpper);
            mark.top = std::min(from, to);
            mark.bottom = std::max(from, to);
            const double middle = (mark.top + mark.bottom) / 2;
            mark.name = {level.name, mark.x + MarkLabelGap, middle - 6, TextAnchor::Left};
            mark.value = {number::generalNumberText(values[i]), mark.x + MarkLabelGap, middle + 6, TextAnchor::Left};
            diagram.marks.push_back(mark);
        }
    }
    diagram.notesTop = height - double(diagram.notes.size()) * LineHeight;
    return diagram;
}

} // namespace iso286
