// The answers to thread queries, as Russian text and as JSON, in the manner of
// the tool's answers on tolerance classes and fits.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Designation.h"

namespace limits {

// A thread answer and the query it answers: the designation as read (the
// thread asked for when it is not one of the plan's) and as typed.
struct ThreadQuery {
    const iso965::ThreadAnswer& answer;
    const iso965::Designation& designation;
    std::string_view typed;
};

std::string threadText(const ThreadQuery& query);
std::string threadJson(const ThreadQuery& query);

// The plan (`diameter` none) or its threads at one diameter; a refusal when the plan has none there.
struct PlanQuery {
    std::vector<iso965::PlanThread> threads;
    std::optional<number::Decimal> diameter;
    iso965::Refusal refusal;
};

std::string threadsText(const PlanQuery& query);
std::string threadsJson(const PlanQuery& query);

// The thread's name for machine-read answers, its pitch always given: "M10x1.5".
std::string threadKey(const iso965::PlanThread& thread);
// The name as the program writes it, coarse pitches left out: "M10", "M10×1,25".
std::string threadTitle(const iso965::PlanThread& thread);

} // namespace limits
