// Why a thread or a class has no limits: a kind of refusal and the facts it
// names. The Russian sentence is written in one place (refusalText), the
// stable English code in another (refusalCode), for the program's texts and
// for machine-read answers alike.
#pragma once

#include <cstdint>
#include <string>

#include "Decimal.h"
#include "ThreadClass.h"

namespace iso965 {

enum class RefusalCode : std::uint8_t {
    None,
    ThreadUnreadable,   // not a thread designation: `text`
    ClassUnreadable,    // not a tolerance class or a fit of two: `text`
    DiameterNotInPlan,  // no thread of the ISO 261 plan has diameter `d`
    NoCoarsePitch,      // diameter `d` has only fine pitches: the pitch must be given
    PitchNotInPlan,     // the plan has no pitch `pitch` at diameter `d`
    GradeNotDefined,    // no tolerance of grade `grade` for `diameter` at `pitch`
    PositionNotDefined, // position `position` does not exist at `pitch`
    FitKindsMismatch,   // a fit is written nut class / bolt class: `text`
    ClassKindMismatch,  // class `text` (position `position`) is of the other kind of thread
};

// The diameter whose tolerance or deviation is missing.
enum class ThreadDiameter : std::uint8_t {
    NutPitch,  // D2, T_D2
    NutMinor,  // D1, T_D1
    BoltPitch, // d2, T_d2
    BoltMajor, // d, T_d
};

struct Refusal {
    RefusalCode code = RefusalCode::None;
    std::string text;        // the text as typed, for the unreadable ones
    number::Decimal d;       // nominal diameter, mm
    number::Decimal pitch;   // mm
    int grade = 0;
    Position position = Position::H;
    ThreadDiameter diameter = ThreadDiameter::NutPitch;
    // GradeNotDefined: bit g set for each grade g the standard gives for
    // `diameter`, at `pitch` when `atPitch`, at all otherwise (the grade is
    // not one of the standard's for that diameter).
    unsigned gradesDefined = 0;
    bool atPitch = true;
    // PositionNotDefined: the finest pitch at which the position exists, mm.
    number::Decimal positionFromPitch;

    explicit operator bool() const { return code != RefusalCode::None; }
};

// The stable English code: "thread_unreadable", "class_unreadable",
// "diameter_not_in_plan", "no_coarse_pitch", "pitch_not_in_plan",
// "grade_not_defined", "position_not_defined", "fit_kinds_mismatch",
// "class_kind_mismatch" ("" for None).
const char* refusalCode(RefusalCode code);

// The reason in Russian, numbers with the decimal comma:
// "Степени точности 6 для среднего диаметра D2 гайки при шаге 0,25 мм стандарт не устанавливает (есть 4, 5)".
std::string refusalText(const Refusal& refusal);

} // namespace iso965
