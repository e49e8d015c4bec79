// Thread designations as people write them, and the answer to one:
// "M10", "M10x1,25", "M10×1.25", "М10х1,25" (Cyrillic М and х), then a class
// "-6H", "-6g", "-5g6g", "-4H5H" or a fit "-6H/6g".
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "Decimal.h"
#include "Refusal.h"
#include "ThreadClass.h"
#include "ThreadLimits.h"
#include "ThreadPlan.h"

namespace iso965 {

struct Designation {
    number::Decimal d;
    std::optional<number::Decimal> pitch; // none: the coarse pitch
    std::optional<ThreadClass> nutClass;  // an internal class, or the fit's first
    std::optional<ThreadClass> boltClass; // an external class, or the fit's second
};

struct DesignationReading {
    std::optional<Designation> designation;
    Refusal refusal; // ThreadUnreadable, ClassUnreadable or FitKindsMismatch when none
};

// Blanks around the parts are allowed; the letter M in Latin or Cyrillic, either
// case; "x", "X", "×", "х", "Х" before the pitch; a comma or a full stop in numbers;
// "-", "–", "−" or a blank before the class.
DesignationReading readDesignation(std::string_view text);
// A class or a fit alone: "6H", "5g6g", "6H/6g".
DesignationReading readClasses(std::string_view text);

struct ClassReading {
    std::optional<ThreadClass> threadClass;
    Refusal refusal; // ClassUnreadable or ClassKindMismatch when none
};
// One class for a nut or for a bolt, as typed in the box of one of them.
ClassReading readClassOf(ThreadKind kind, std::string_view text);

enum class AnswerKind : std::uint8_t { Refused, Thread, Nut, Bolt, Fit };

// One designation answered: its thread in the plan, and the limits of the class or fit.
struct ThreadAnswer {
    AnswerKind kind = AnswerKind::Refused;
    Refusal refusal; // Refused: why the text or the thread is not taken
    PlanThread thread;
    ThreadFit fit;   // Nut: fit.nut; Bolt: fit.bolt; Fit: all of it

    // The limits asked for exist (a thread alone always).
    bool defined() const;
    // The first refusal of the answer, for a text or a machine-read code.
    const Refusal& firstRefusal() const;
};

ThreadAnswer answer(std::string_view designation);

} // namespace iso965
