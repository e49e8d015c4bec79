// The diagram of a fit as a textbook draws it: the zero line at the nominal size,
// the zones of the hole and the shaft as rectangles to one vertical scale in µm,
// the hole on the left and the shaft on the right, each with its class and its
// deviations, and the extreme clearances or interferences marked between them.
// Everything here is geometry in pixels of a drawing area and texts; a painter
// only draws what it is given. The labels are placed where they touch no other
// label, no zone and no dimension line, as near their own place as room allows,
// by the widths of their texts as the painter will write them.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Fit.h"

namespace iso286 {

// A text centred vertically on y; its x is its left end, its right end or its middle.
enum class TextAnchor { Left, Right, Centre };
struct DiagramLabel {
    std::string text;
    double x = 0;
    double y = 0;
    TextAnchor anchor = TextAnchor::Left;
    bool bold = false;
};

// How wide a text is written, plain or bold, and how high a line of it is, in pixels.
struct TextMeasure {
    std::function<double(const std::string& text, bool bold)> width;
    double height = 13;
};

struct DiagramRect {
    double left = 0, top = 0, right = 0, bottom = 0;
    bool intersects(const DiagramRect& other) const
    {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
};

// Where a label's text is written; empty (all zero) for an empty text.
DiagramRect labelRect(const DiagramLabel& label, const TextMeasure& measure);

struct DiagramZone {
    Kind kind = Kind::Hole;
    double left = 0, right = 0, top = 0, bottom = 0;
    // False when the zone is drawn taller than its tolerance, to stay visible.
    bool toScale = true;
    DiagramLabel name;  // "H7"
    DiagramLabel upper; // "+21"
    DiagramLabel lower; // "0"
};

// A dimension line between two deviation levels: Smax, Smin, Nmax or Nmin. Its ends
// are ticks reaching EndTick to either side of x; a figure of 0 is one tick.
struct DiagramMark {
    bool clearance = true; // a clearance (the hole above the shaft) or an interference
    double x = 0, top = 0, bottom = 0;
    DiagramLabel name;  // "Smax"
    DiagramLabel value; // "41"
};

struct FitDiagram {
    bool zeroLine = false; // drawn once anything is defined at the size
    double zeroY = 0;
    DiagramLabel zeroLabel;  // "0 мкм": deviations are drawn in micrometres
    DiagramLabel sizeLabel;  // "Ø25"
    std::vector<DiagramZone> zones; // the hole's first when it is drawn
    std::vector<DiagramMark> marks;
    // Below the drawing, broken into lines that fit: what is not defined, what is not to scale.
    std::vector<std::string> notes;
    double notesTop = 0;
    double lineHeight = 0;
};

struct DiagramInput {
    std::optional<Decimal> size;  // the nominal size, when it reads and lies in the system
    std::optional<Limits> hole;   // a defined hole class
    std::optional<Limits> shaft;  // a defined shaft class
    std::vector<std::string> refusals; // why a class is missing, in Russian
};

// The smallest height a zone is drawn with, in pixels; a zone whose tolerance
// would be drawn lower is drawn this high and noted as not to scale.
inline constexpr double MinZoneHeight = 10;
inline constexpr double EndTick = 4;

FitDiagram layoutFitDiagram(const DiagramInput& input, double width, double height, const TextMeasure& measure);

// The rectangles a painter draws into apart from the labels: each zone, and each
// dimension line with its end ticks.
std::vector<DiagramRect> drawnRects(const FitDiagram& diagram);
// Every label drawn, the zones' names included.
std::vector<const DiagramLabel*> drawnLabels(const FitDiagram& diagram);

} // namespace iso286
