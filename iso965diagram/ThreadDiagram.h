// The tolerance zones of a thread fit as a textbook draws them: the zero line is
// the basic profile, and each zone is a rectangle to one vertical scale in µm.
// Two pairs stand side by side on the one zero line: at the pitch diameter the
// nut's D2 zone and the bolt's d2 zone, at the crests the nut's D1 zone (the
// crest of a nut is its minor diameter) and the bolt's d zone (its major
// diameter). In each pair the nut is on the left with its deviations on its
// left, the bolt on the right with its deviations on its right; every zone is
// headed by its diameter and class, the nut's over the drawing, the bolt's under it.
// Everything here is geometry in pixels of a drawing area and texts; a painter
// only draws what it is given.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace thread_diagram {

// A text centred vertically on y; its x is its left end, its right end or its middle.
enum class TextAnchor { Left, Right, Centre };
struct Label {
    std::string text;
    double x = 0;
    double y = 0;
    TextAnchor anchor = TextAnchor::Left;
};

enum class Part { Nut, Bolt };
enum class Diameter { Pitch, Crest };

struct Zone {
    Part part = Part::Nut;
    Diameter diameter = Diameter::Pitch;
    double left = 0, right = 0, top = 0, bottom = 0;
    // False when the zone is drawn taller than its tolerance, to stay visible.
    bool toScale = true;
    Label heading; // "D₂ 6H", "d 6g"
    Label upper;   // "+180"
    Label lower;   // "0"
};

struct ThreadDiagram {
    Label title;           // the thread and its classes, at the top left
    bool zeroLine = false; // drawn once a zone is drawn
    double zeroY = 0;
    Label zeroLabel; // "0 мкм": deviations are drawn in micrometres from the basic profile
    std::vector<Zone> zones; // the nut's pitch and crest zones first, when the nut is drawn
    std::vector<std::string> notes; // below the drawing: what is not defined, what is not to scale
    double notesTop = 0;
    double lineHeight = 0;
};

// A zone's limits as deviations from the basic diameter, in whole micrometres.
struct ZoneInput {
    std::string className; // "6H", the grade and position of this diameter
    long upper = 0;
    long lower = 0;
};
struct PartInput {
    ZoneInput pitch; // D2 of a nut, d2 of a bolt
    ZoneInput crest; // D1 of a nut, d of a bolt
};
struct DiagramInput {
    std::string title;            // "M10×1,5-6H/6g"
    std::optional<PartInput> nut;  // a nut class defined for the thread
    std::optional<PartInput> bolt; // a bolt class defined for the thread
    std::vector<std::string> notes; // why a class is missing, in Russian
};

// The drawing's columns are laid out for this width; a wider or narrower area
// moves them in proportion, the texts keep their size.
inline constexpr double NaturalWidth = 252;
// The smallest height a zone is drawn with, in pixels; a zone whose tolerance
// would be drawn lower is drawn this high and noted as not to scale.
inline constexpr double MinZoneHeight = 10;
inline constexpr double LineHeight = 13;

ThreadDiagram layoutThreadDiagram(const DiagramInput& input, double width, double height);

// The room a label takes when drawn in the diagram's 10-pixel font, measured
// generously (every character as wide as the widest digit or sign), so that
// labels kept apart by it stay apart as drawn.
struct Box {
    double left = 0, top = 0, right = 0, bottom = 0;
};
Box labelBox(const Label& label);
bool overlap(const Box& a, const Box& b);

// Every label of the diagram, the title and the headings included.
std::vector<Label> labelsOf(const ThreadDiagram& diagram);

// The heading of a zone: "D₂ 6H", "D₁ 6H", "d₂ 6g", "d 6g".
std::string headingText(Part part, Diameter diameter, const std::string& className);
// A deviation in µm: "+180", "0", "-32".
std::string deviationText(long micrometres);

} // namespace thread_diagram
