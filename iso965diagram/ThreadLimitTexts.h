// The texts of the thread tolerance page and table, without Qt: the thread and
// its kind, each limit with the rule and the figures it came from, the deviations
// and tolerances of a class in one line, the pair's clearance and the diagram's input.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "ThreadDiagram.h"
#include "ThreadLimits.h"
#include "ThreadPlan.h"

namespace thread_texts {

using number::Decimal;

// A nominal diameter or a pitch as the program writes numbers: "10", "1,6", "0,25".
std::string numberText(const Decimal& value);
// A limit in mm to the micrometre, as thread tables print it: "9,026", "10,000".
std::string limitText(const Decimal& millimetres);
// A deviation or a clearance in µm: "+42", "0", "-32".
std::string micrometreText(const Decimal& micrometres);
// The thread with its pitch: "M10×1,5", "M1×0,25".
std::string threadTitle(const iso965::PlanThread& thread);
// "Резьба с крупным шагом, 1-й ряд", "Резьба с мелким шагом, 3-й ряд".
std::string seriesText(const iso965::PlanThread& thread);

// The limits the page and the table show, the nut's first.
enum class Limit {
    NutMajorMin,
    NutPitchMin,
    NutPitchMax,
    NutMinorMin,
    NutMinorMax,
    BoltMajorMax,
    BoltMajorMin,
    BoltPitchMax,
    BoltPitchMin,
    BoltRootMax,
};
inline constexpr int LimitCount = 10;
inline constexpr std::array<Limit, LimitCount> AllLimits{
    Limit::NutMajorMin,  Limit::NutPitchMin,  Limit::NutPitchMax,  Limit::NutMinorMin,  Limit::NutMinorMax,
    Limit::BoltMajorMax, Limit::BoltMajorMin, Limit::BoltPitchMax, Limit::BoltPitchMin, Limit::BoltRootMax};
bool isNutLimit(Limit limit);

// "D₂ min", "d₃ max".
std::string limitSymbol(Limit limit);

struct LimitText {
    std::string value; // empty when the class is not defined
    // What the limit is, its rule, and the deviation and tolerance it came from
    // with their figures when the class is defined.
    std::string hint;
};
// The nut's limits for the nut's five, the bolt's for the bolt's five.
LimitText limitText(Limit limit, const iso965::NutLimits* nut, const iso965::BoltLimits* bolt);

// "EI = 0 мкм, TD₂ = 180 мкм, TD₁ = 300 мкм"; for a bolt "es = -32 мкм, Td₂ = 132 мкм, Td = 236 мкм".
std::string deviationLine(const iso965::NutLimits& nut);
std::string deviationLine(const iso965::BoltLimits& bolt);

// The pair's clearance at the pitch diameter and its rule.
struct ClearanceTexts {
    std::string least;   // "32"
    std::string largest; // "344"
    std::string leastHint;
    std::string largestHint;
};
ClearanceTexts clearanceTexts(const iso965::ThreadFit& fit);

// The diagram of what is defined; the notes say why the rest is not drawn.
thread_diagram::DiagramInput diagramInput(const iso965::PlanThread& thread, const iso965::NutLimits* nut,
                                          const iso965::BoltLimits* bolt, const std::string& nutClass,
                                          const std::string& boltClass, std::vector<std::string> notes);

// The pair in one line, for the clipboard: "M10×1,5-6H/6g: D₂ 9,026…9,206, D₁ 8,376…8,676;
// d 9,732…9,968, d₂ 8,862…8,994, d₃ max 8,128; зазор по D₂ 32…344 мкм".
std::string summaryLine(const iso965::PlanThread& thread, const iso965::NutLimits* nut, const iso965::BoltLimits* bolt);

} // namespace thread_texts
