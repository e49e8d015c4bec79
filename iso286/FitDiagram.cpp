#include "FitDiagram.h"

#include <algorithm>

#include "FitTexts.h"
#include "NumberText.h"
#include "TextWrap.h"
#include "Translate.h"
#include "ZoneGeometry.h"

namespace iso286 {

namespace {

// The columns of the drawing at its natural width, in pixels; a wider area stretches them.
constexpr double NaturalWidth = 254;
constexpr double ZeroColumn = 2;      // "0 мкм" and "Ø25" at the left end of the zero line
constexpr double HoleLeft = 64, HoleRight = 102;
constexpr double ShaftLeft = 108;
constexpr double LabelGap = 3;
constexpr double MinZoneWidth = 16;   // the narrowest a zone is drawn, where long texts take the width
constexpr double MarkLabelGap = 6;    // clear of the mark's end ticks
constexpr double FirstMark = 184, SecondMark = 218;
constexpr double TopMargin = 18;      // room for the labels over the topmost edge
constexpr double BelowZeroRoom = 14;  // room for the size under the zero line at the bottom
constexpr double LineHeight = 13;
constexpr double LabelMargin = 1;     // kept free around every label, so that none touches a line

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

DiagramRect padded(DiagramRect rect)
{
    return {rect.left - LabelMargin, rect.top - LabelMargin, rect.right + LabelMargin, rect.bottom + LabelMargin};
}

// Places the labels one group after another, each where it touches nothing placed
// before it and no drawn element, inside the drawing: at the first of its ways of
// standing (`variants`, each a way of setting the group's x and anchors) that is
// free at its own height, else at the least height off it that frees one.
class LabelPlacer {
public:
    LabelPlacer(const TextMeasure& measure, DiagramRect area, std::vector<DiagramRect> obstacles)
        : m_measure(measure)
        , m_area(area)
        , m_obstacles(std::move(obstacles))
    {
    }

    // Taken as it stands, touching what it may.
    void fix(const DiagramLabel& label) { m_placed.push_back(labelRect(label, m_measure)); }

    using Variant = std::function<void(std::vector<DiagramLabel*>&)>;
    // `downFirst`: of two heights as far off, the lower one is tried first; the group's
    // first label is kept at `lowest` or below it.
    void place(std::vector<DiagramLabel*> group, const std::vector<Variant>& variants, bool downFirst,
               double lowest = -1e9)
    {
        std::vector<DiagramLabel> original;
        for (const DiagramLabel* label : group)
            original.push_back(*label);
        auto reset = [&] {
            for (std::size_t i = 0; i < group.size(); ++i)
                *group[i] = original[i];
        };
        const double reach = m_area.bottom - m_area.top;
        for (double step = 0; step <= reach; ++step) {
            for (int turn = 0; turn < (step == 0 ? 1 : 2); ++turn) {
                const double sign = (turn == 0) == downFirst ? 1 : -1;
                for (const Variant& variant : variants) {
                    reset();
                    variant(group);
                    for (DiagramLabel* label : group)
                        label->y += sign * step;
                    if (group.front()->y >= lowest && isFree(group)) {
                        for (const DiagramLabel* label : group)
                            m_placed.push_back(labelRect(*label, m_measure));
                        return;
                    }
                }
            }
        }
        // No room anywhere: the label stays at its own place.
        reset();
        variants.front()(group);
        for (const DiagramLabel* label : group)
            m_placed.push_back(labelRect(*label, m_measure));
    }

private:
    bool isFree(const std::vector<DiagramLabel*>& group) const
    {
        for (const DiagramLabel* label : group) {
            if (label->text.empty())
                continue;
            const DiagramRect rect = labelRect(*label, m_measure);
            if (rect.left < m_area.left || rect.right > m_area.right || rect.top < m_area.top || rect.bottom > m_area.bottom)
                return false;
            const DiagramRect around = padded(rect);
            for (const DiagramRect& other : m_obstacles)
                if (around.intersects(other))
                    return false;
            for (const DiagramRect& other : m_placed)
                if (around.intersects(other))
                    return false;
        }
        return true;
    }

    const TextMeasure& m_measure;
    DiagramRect m_area;
    std::vector<DiagramRect> m_obstacles;
    std::vector<DiagramRect> m_placed;
};

} // namespace

DiagramRect labelRect(const DiagramLabel& label, const TextMeasure& measure)
{
    if (label.text.empty())
        return {};
    const double width = measure.width(label.text, label.bold);
    double left = label.x;
    if (label.anchor == TextAnchor::Right)
        left -= width;
    else if (label.anchor == TextAnchor::Centre)
        left -= width / 2;
    return {left, label.y - measure.height / 2, left + width, label.y + measure.height / 2};
}

std::vector<DiagramRect> drawnRects(const FitDiagram& diagram)
{
    std::vector<DiagramRect> rects;
    for (const DiagramZone& zone : diagram.zones)
        rects.push_back({zone.left, zone.top, zone.right, zone.bottom});
    for (const DiagramMark& mark : diagram.marks)
        rects.push_back({mark.x - EndTick, mark.top, mark.x + EndTick, mark.bottom});
    return rects;
}

std::vector<const DiagramLabel*> drawnLabels(const FitDiagram& diagram)
{
    std::vector<const DiagramLabel*> labels;
    if (diagram.zeroLine)
        labels.insert(labels.end(), {&diagram.zeroLabel, &diagram.sizeLabel});
    for (const DiagramZone& zone : diagram.zones)
        labels.insert(labels.end(), {&zone.name, &zone.upper, &zone.lower});
    for (const DiagramMark& mark : diagram.marks)
        labels.insert(labels.end(), {&mark.name, &mark.value});
    return labels;
}

namespace {

// The labels moved off one another and off the drawn lines: first the zero line's, as
// they stand; then the zones' names, inside a zone tall and wide enough, else over or
// under it; the deviations beside their edges, the lower never over the upper; the figures
// beside their dimension lines, on their right or, wanting room, on their left, and where
// the width is short over or under their line or at the drawing's right edge.
void placeLabels(FitDiagram& diagram, double width, const TextMeasure& measure)
{
    LabelPlacer placer(measure, {0, 0, width, diagram.notesTop}, drawnRects(diagram));
    if (diagram.zeroLine) {
        placer.fix(diagram.zeroLabel);
        placer.fix(diagram.sizeLabel);
    }
    const double half = measure.height / 2 + LabelMargin + 1;
    for (DiagramZone& zone : diagram.zones) {
        const DiagramRect name = labelRect(zone.name, measure);
        if (name.right - name.left + 2 * (LabelMargin + 1) <= zone.right - zone.left &&
            name.bottom - name.top + 2 * (LabelMargin + 1) <= zone.bottom - zone.top) {
            placer.fix(zone.name); // inside its own zone, on a white patch
            continue;
        }
        const double top = zone.top, bottom = zone.bottom;
        placer.place({&zone.name},
                     {[=](auto& labels) { labels[0]->y = top - half; }, [=](auto& labels) { labels[0]->y = bottom + half; }},
                     false);
    }
    const LabelPlacer::Variant asIs = [](auto&) {};
    for (DiagramZone& zone : diagram.zones) {
        placer.place({&zone.upper}, {asIs}, false);
        placer.place({&zone.lower}, {asIs}, true, zone.upper.y + 1);
    }
    auto standing = [](double x, TextAnchor anchor) {
        return [=](std::vector<DiagramLabel*>& labels) {
            for (DiagramLabel* label : labels) {
                label->x = x;
                label->anchor = anchor;
            }
        };
    };
    for (DiagramMark& mark : diagram.marks)
        placer.place({&mark.name, &mark.value},
                     {asIs, standing(mark.x - MarkLabelGap, TextAnchor::Right), standing(mark.x, TextAnchor::Centre),
                      standing(width - LabelMargin, TextAnchor::Right)},
                     true);
}

} // namespace

FitDiagram layoutFitDiagram(const DiagramInput& input, double width, double height, const TextMeasure& measure)
{
    FitDiagram diagram;
    diagram.lineHeight = std::max(LineHeight, measure.height);
    const diagram_text::TextWidth plainWidth = [&](const std::string& text) { return measure.width(text, false); };
    auto noteLines = [&](const std::string& note) { return diagram_text::wrapped(note, width - 4, plainWidth); };
    for (const std::string& refusal : input.refusals)
        for (std::string& line : noteLines(refusal))
            diagram.notes.push_back(std::move(line));
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
    // A zone grown at the top or bottom of the drawing reaches out of it by up to its
    // least height, with its labels: room is kept for it there.
    const double belowZero = std::max(BelowZeroRoom, measure.height + 2 * LabelMargin);
    const double span = (highest - lowest).toDouble();
    auto notToScale = [](const Limits& limits) {
        return i18n::arg(i18n::translate("iso286", "Поле %1 увеличено: не в масштабе"), {limits.toleranceClass.name()});
    };
    double scale = 0;
    double areaTop = TopMargin;
    std::size_t lineCount = diagram.notes.size();
    bool grown = false;
    for (int pass = 0; pass < 4; ++pass) {
        const double grownRoom = grown ? MinZoneHeight : 0;
        areaTop = TopMargin + grownRoom;
        const double areaBottom = std::max(areaTop + 2 * MinZoneHeight,
                                           height - belowZero - grownRoom - double(lineCount) * diagram.lineHeight);
        scale = (areaBottom - areaTop) / span;
        std::size_t lines = diagram.notes.size();
        bool small = false;
        for (const Limits* limits : drawn)
            if ((limits->upper - limits->lower).toDouble() * scale < MinZoneHeight) {
                lines += noteLines(notToScale(*limits)).size();
                small = true;
            }
        if (lines == lineCount && small == grown)
            break;
        lineCount = lines;
        grown = small;
    }
    auto yOf = [&](const Decimal& micrometres) { return areaTop + (highest - micrometres).toDouble() * scale; };

    diagram.zeroLine = true;
    diagram.zeroY = yOf(Decimal{});
    const double offZero = measure.height / 2 + LabelMargin;
    diagram.zeroLabel = {i18n::translate("iso286", "0 мкм"), ZeroColumn * sx, diagram.zeroY - offZero, TextAnchor::Left};
    diagram.sizeLabel = {"Ø" + number::generalNumberText(*input.size), ZeroColumn * sx, diagram.zeroY + offZero,
                         TextAnchor::Left};

    for (const Limits* limits : drawn) {
        DiagramZone zone;
        zone.kind = limits->toleranceClass.kind;
        zone.top = yOf(limits->upper);
        zone.bottom = yOf(limits->lower);
        if (zone_geometry::growToMinimum(zone.top, zone.bottom, limits->lower >= Decimal{}, limits->upper <= Decimal{},
                                         MinZoneHeight)) {
            zone.toScale = false;
            for (std::string& line : noteLines(notToScale(*limits)))
                diagram.notes.push_back(std::move(line));
        }
        const bool hole = zone.kind == Kind::Hole;
        const TextAnchor anchor = hole ? TextAnchor::Right : TextAnchor::Left;
        const auto [upperY, lowerY] = zone_geometry::deviationHeights(zone.top, zone.bottom, measure.height + LabelMargin + 1);
        zone.upper = {deviationText(limits->upper), 0, upperY, anchor};
        zone.lower = {deviationText(limits->lower), 0, lowerY, anchor};
        zone.name = {limits->toleranceClass.name(), 0, (zone.top + zone.bottom) / 2, TextAnchor::Centre, true};
        diagram.zones.push_back(zone);
    }

    // The figures of the fit, when both zones are drawn. Clearances run from the hole
    // down to the shaft, interferences from the shaft down to the hole.
    std::vector<Level> levels;
    std::vector<Decimal> values;
    if (both) {
        const Fit fit = fitOf(*input.hole, *input.shaft);
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
        values = {figures.first.value, figures.second.value};
    }

    // The columns across, at their natural places stretched to the width; where long texts
    // would not fit so, packed from the left, and the zones narrowed when even that is not enough.
    auto plain = [&](const std::string& text) { return measure.width(text, false); };
    auto widest = [&](Kind kind) {
        for (const DiagramZone& zone : diagram.zones)
            if (zone.kind == kind)
                return std::max(plain(zone.upper.text), plain(zone.lower.text));
        return 0.0;
    };
    const double zeroTexts =
        diagram.zeroLabel.x + std::max(plain(diagram.zeroLabel.text), plain(diagram.sizeLabel.text)) + 2 * LabelMargin + 1;
    const double holeTexts = widest(Kind::Hole), shaftTexts = widest(Kind::Shaft);
    double markTexts[2] = {0, 0};
    for (std::size_t i = 0; i < levels.size(); ++i)
        markTexts[i] = std::max(plain(levels[i].name), plain(number::generalNumberText(values[i])));
    const double gap = LabelGap * sx, between = (ShaftLeft - HoleRight) * sx;
    struct Columns {
        double holeLeft, shaftLeft, firstMark, secondMark, right;
    };
    auto columnsOf = [&](double zoneWidth, bool natural) {
        auto atLeast = [&](double place, double least) { return std::max(natural ? place * sx : 0.0, least); };
        Columns c{};
        c.holeLeft = atLeast(HoleLeft, zeroTexts + holeTexts + gap);
        c.shaftLeft = atLeast(ShaftLeft, c.holeLeft + zoneWidth + between);
        const double shaftEnd = c.shaftLeft + zoneWidth + gap + shaftTexts + 2 * LabelMargin;
        c.firstMark = atLeast(FirstMark, shaftEnd + EndTick);
        c.secondMark = atLeast(SecondMark, c.firstMark + MarkLabelGap + markTexts[0] + 2 * LabelMargin + EndTick);
        c.right = both ? c.secondMark + MarkLabelGap + markTexts[1] + LabelMargin : shaftEnd;
        return c;
    };
    double zoneWidth = (HoleRight - HoleLeft) * sx;
    Columns columns = columnsOf(zoneWidth, true);
    if (columns.right > width) {
        columns = columnsOf(zoneWidth, false);
        if (columns.right > width) {
            zoneWidth = std::max(MinZoneWidth, zoneWidth - (columns.right - width) / 2);
            columns = columnsOf(zoneWidth, false);
        }
    }
    for (DiagramZone& zone : diagram.zones) {
        const bool hole = zone.kind == Kind::Hole;
        zone.left = hole ? columns.holeLeft : columns.shaftLeft;
        zone.right = zone.left + zoneWidth;
        zone.upper.x = zone.lower.x = hole ? zone.left - gap : zone.right + gap;
        zone.name.x = (zone.left + zone.right) / 2;
    }

    if (both) {
        const double firstX = std::min(columns.firstMark, width - EndTick - 1);
        const double secondX = std::min(columns.secondMark, width - EndTick - 1);
        const DiagramZone& holeZone = diagram.zones[0];
        const DiagramZone& shaftZone = diagram.zones[1];
        for (std::size_t i = 0; i < levels.size(); ++i) {
            const Level& level = levels[i];
            DiagramMark mark;
            mark.clearance = level.clearance;
            mark.x = i == 0 ? firstX : secondX;
            const double from = edge(level.fromHole ? holeZone : shaftZone, level.fromUpper);
            const double to = edge(level.toHole ? holeZone : shaftZone, level.toUpper);
            mark.top = std::min(from, to);
            mark.bottom = std::max(from, to);
            const double middle = (mark.top + mark.bottom) / 2;
            const double half = diagram.lineHeight / 2;
            mark.name = {level.name, mark.x + MarkLabelGap, middle - half, TextAnchor::Left};
            mark.value = {number::generalNumberText(values[i]), mark.x + MarkLabelGap, middle + half, TextAnchor::Left};
            diagram.marks.push_back(mark);
        }
    }
    diagram.notesTop = height - double(diagram.notes.size()) * diagram.lineHeight;
    placeLabels(diagram, width, measure);
    return diagram;
}

} // namespace iso286
