// The ISO 261 plan of general-purpose metric threads, 1 ... 300 mm: each diameter
// with its coarse pitch (up to 68 mm) and fine pitches, and its choice.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Decimal.h"
#include "NumberText.h"
#include "Refusal.h"

namespace iso965 {

using number::Decimal;

enum class Series : std::uint8_t { Coarse, Fine };

struct PlanThread {
    Decimal d;          // nominal diameter, mm
    Decimal pitch;      // mm
    Series series = Series::Coarse;
    int choice = 1;     // 1 first, 2 second, 3 third choice of the diameter
    std::int32_t dUm = 0;     // the same two in micrometres
    std::int32_t pitchUm = 0;

    bool operator==(const PlanThread& other) const { return dUm == other.dUm && pitchUm == other.pitchUm; }
};

struct PlanDiameter {
    Decimal d;
    int choice = 1;
    bool hasCoarse = false;
};

// How a thread is written. Coarse threads without their pitch unless `pitchAlways`.
struct ThreadNameStyle {
    const char* letter = "M";
    const char* times = "x";     // "×" in the program's texts
    char decimalSeparator = number::interfaceDecimalSeparator(); // '.' for machine-read answers
    bool pitchAlways = false;
};
// "M10", "M10x1,25", "M1,6"
std::string threadName(const PlanThread& thread, const ThreadNameStyle& style = {});

// Every thread of the plan: diameter by diameter, smallest first; at each the
// coarse pitch first, then the fine ones from the largest.
const std::vector<PlanThread>& planThreads();
// The threads of one diameter in the same order; empty if it is not in the plan.
std::vector<PlanThread> planThreadsAt(const Decimal& d);
// Every diameter of the plan, smallest first.
const std::vector<PlanDiameter>& planDiameters();

struct ThreadLookup {
    std::optional<PlanThread> thread;
    Refusal refusal; // DiameterNotInPlan, NoCoarsePitch or PitchNotInPlan when no thread
};
// The plan's thread of diameter `d` and pitch `pitch` (its coarse pitch if none).
ThreadLookup findThread(const Decimal& d, const std::optional<Decimal>& pitch = std::nullopt);

} // namespace iso965
