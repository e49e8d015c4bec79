// The limits of a thread of the plan in a tolerance class, derived from the
// base tables of ISO 965-1 (iso965/tables/) exactly: every limit is a basic
// diameter rounded to 0,001 mm plus whole-micrometre deviations.
#pragma once

#include <vector>

#include "Decimal.h"
#include "Refusal.h"
#include "ThreadClass.h"
#include "ThreadPlan.h"

namespace iso965 {

// The diameter range of the T_d2 / T_D2 row the thread belongs to: over `over`
// up to and including `upTo`, mm.
struct DiameterRange {
    Decimal over;
    Decimal upTo;
};

// The basic profile's diameters, mm (ISO 68-1, ISO 724): d = D, d2 = D2, d1 = D1, d3.
struct BasicDiameters {
    Decimal major;
    Decimal pitch;
    Decimal minor;
    Decimal root; // d3, the bolt's minor diameter
};
BasicDiameters basicDiameters(const PlanThread& thread);

// Internal thread (nut). The pitch class's EI gives D and D2, the crest class's D1.
struct NutLimits {
    PlanThread thread;
    ThreadClass threadClass;
    bool defined = false;
    Refusal refusal; // when not defined; the numbers are then zero
    BasicDiameters basic;
    DiameterRange range;
    // µm
    Decimal eiPitch; // EI of D and D2
    Decimal eiMinor; // EI of D1
    Decimal tPitch;  // T_D2
    Decimal tMinor;  // T_D1
    // mm; D max is not limited by the standard
    Decimal majorMin; // D min
    Decimal pitchMin; // D2 min
    Decimal pitchMax; // D2 max
    Decimal minorMin; // D1 min
    Decimal minorMax; // D1 max
};

// External thread (bolt). The crest class's es gives d, the pitch class's d2 and d3.
struct BoltLimits {
    PlanThread thread;
    ThreadClass threadClass;
    bool defined = false;
    Refusal refusal;
    BasicDiameters basic;
    DiameterRange range;
    // µm
    Decimal esPitch; // es of d2 and d3
    Decimal esMajor; // es of d
    Decimal tPitch;  // T_d2
    Decimal tMajor;  // T_d
    // mm; the standard gives no d3 minimum
    Decimal majorMax; // d max
    Decimal majorMin; // d min
    Decimal pitchMax; // d2 max
    Decimal pitchMin; // d2 min
    Decimal rootMax;  // d3 max
};

struct ThreadFit {
    NutLimits nut;
    BoltLimits bolt;
    bool defined = false; // both are
    // µm
    Decimal pitchClearanceMin; // D2 min − d2 max
    Decimal pitchClearanceMax; // D2 max − d2 min
    Decimal minorClearanceMin; // D1 min − d3 max
    Decimal majorClearanceMin; // D min − d max
};

// A class of the other kind (a bolt's class for a nut) is refused as such.
NutLimits nutLimits(const PlanThread& thread, const ThreadClass& threadClass);
BoltLimits boltLimits(const PlanThread& thread, const ThreadClass& threadClass);
ThreadFit threadFit(const PlanThread& thread, const ThreadClass& nutClass, const ThreadClass& boltClass);

// Whether the standard defines the class at the thread; the refusal when not.
Refusal classRefusal(const PlanThread& thread, const ThreadClass& threadClass);

// The standard's list of tolerance classes of one kind (ISO 965-1, GOST 16093:
// fine, medium and coarse tolerance quality) defined at the thread, finest first:
// nuts 4H 5H 6H 5G 6G 7G 7H 8G 8H, bolts 3h4h 4g 4h 5g4g 5h4h 5g6g 5h6h 6e 6f 6g 6h
// 7e6e 7g6g 7h6h 8e 8g 9e8e 9g8g.
std::vector<ThreadClass> classesFor(const PlanThread& thread, ThreadKind kind);
// Every class of one kind that the tables can give: each position with each
// pitch-diameter grade and each crest grade (nuts 4…8 and 4…8, bolts 3…9 and 4, 6, 8).
const std::vector<ThreadClass>& everyClass(ThreadKind kind);

} // namespace iso965
