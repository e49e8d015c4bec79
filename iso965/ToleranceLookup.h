// Reading the compiled-in tables for one thread: its deviations by position and
// its tolerances by diameter and grade, and whether a class is defined there.
#pragma once

#include <cstdint>

#include "BaseTables.h"
#include "Refusal.h"
#include "ThreadClass.h"
#include "ThreadPlan.h"

namespace iso965 {

struct ThreadRows {
    const tables::ThreadRow* thread = nullptr; // null: not a thread of the plan
    const tables::PitchRow* pitch = nullptr;
    const tables::RangeRow* range = nullptr;
};
ThreadRows rowsOf(const PlanThread& thread);

// tables::NotDefined where the standard gives none.
std::int32_t deviationOf(const ThreadRows& rows, Position position);
std::int32_t toleranceOf(const ThreadRows& rows, ThreadDiameter diameter, int grade);

// Bit g for each grade g: of the standard for that diameter, and given at the thread.
unsigned standardGrades(ThreadDiameter diameter);
unsigned gradesAt(const ThreadRows& rows, ThreadDiameter diameter);

// The first reason, in the order: the grades, the positions, the tolerances at the
// thread; None when the class is defined there. The rows must be a thread's.
Refusal refusalAt(const ThreadRows& rows, const ThreadClass& threadClass);

} // namespace iso965
