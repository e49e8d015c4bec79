#include "ToleranceLookup.h"

#include "PlanRows.h"

namespace iso965 {

namespace t = tables;

ThreadRows rowsOf(const PlanThread& thread)
{
    ThreadRows rows;
    // A thread made by hand may carry its sizes as decimals only.
    const auto dUm = thread.dUm ? std::optional(thread.dUm) : toMicrometres(thread.d);
    const auto pitchUm = thread.pitchUm ? std::optional(thread.pitchUm) : toMicrometres(thread.pitch);
    rows.thread = dUm && pitchUm ? planRow(*dUm, *pitchUm) : nullptr;
    if (rows.thread) {
        rows.pitch = &t::pitchRows[rows.thread->pitchRow];
        rows.range = &t::rangeRows[rows.thread->rangeRow];
    }
    return rows;
}

std::int32_t deviationOf(const ThreadRows& rows, Position position) { return rows.pitch->deviation[int(position)]; }

namespace {

// The table's cell of a grade; null when the table has no column for it.
const std::int32_t* cellOf(const ThreadRows& rows, ThreadDiameter diameter, int grade)
{
    const auto inColumns = [&](const std::int32_t* cells, int first, int count) -> const std::int32_t* {
        return grade >= first && grade < first + count ? cells + (grade - first) : nullptr;
    };
    switch (diameter) {
    case ThreadDiameter::NutPitch:
        return inColumns(rows.range->nutPitch, t::NutPitchFirstGrade, t::NutPitchGradeCount);
    case ThreadDiameter::NutMinor:
        return inColumns(rows.pitch->nutMinor, t::NutMinorFirstGrade, t::NutMinorGradeCount);
    case ThreadDiameter::BoltPitch:
        return inColumns(rows.range->boltPitch, t::BoltPitchFirstGrade, t::BoltPitchGradeCount);
    case ThreadDiameter::BoltMajor:
        for (int i = 0; i < t::BoltMajorGradeCount; ++i)
            if (t::BoltMajorGrades[i] == grade)
                return rows.pitch->boltMajor + i;
        return nullptr;
    }
    return nullptr;
}

} // namespace

std::int32_t toleranceOf(const ThreadRows& rows, ThreadDiameter diameter, int grade)
{
    const std::int32_t* cell = cellOf(rows, diameter, grade);
    return cell ? *cell : t::NotDefined;
}

unsigned standardGrades(ThreadDiameter diameter)
{
    switch (diameter) {
    case ThreadDiameter::NutPitch:
    case ThreadDiameter::NutMinor:
        return 0b1'1111'0000;
    case ThreadDiameter::BoltPitch:
        return 0b11'1111'1000;
    case ThreadDiameter::BoltMajor:
        return 0b1'0101'0000;
    }
    return 0;
}

unsigned gradesAt(const ThreadRows& rows, ThreadDiameter diameter)
{
    unsigned mask = 0;
    for (int grade = 0; grade < 10; ++grade)
        if (toleranceOf(rows, diameter, grade) != t::NotDefined)
            mask |= 1u << grade;
    return mask;
}

Refusal refusalAt(const ThreadRows& rows, const ThreadClass& threadClass)
{
    const bool internal = threadClass.kind() == ThreadKind::Internal;
    const ThreadDiameter pitchDiameter = internal ? ThreadDiameter::NutPitch : ThreadDiameter::BoltPitch;
    const ThreadDiameter crestDiameter = internal ? ThreadDiameter::NutMinor : ThreadDiameter::BoltMajor;
    const struct {
        ToleranceZone zone;
        ThreadDiameter diameter;
    } zones[] = {{threadClass.pitch, pitchDiameter}, {threadClass.crest, crestDiameter}};

    Refusal refusal;
    refusal.d = fromMicrometres(rows.thread->dUm);
    refusal.pitch = fromMicrometres(rows.thread->pitchUm);
    const auto gradeRefusal = [&](int grade, ThreadDiameter diameter, bool atPitch) {
        refusal.code = RefusalCode::GradeNotDefined;
        refusal.grade = grade;
        refusal.diameter = diameter;
        refusal.atPitch = atPitch;
        refusal.gradesDefined = atPitch ? gradesAt(rows, diameter) : standardGrades(diameter);
        return refusal;
    };
    for (const auto& z : zones)
        if (z.zone.grade > 9 || !(standardGrades(z.diameter) & (1u << z.zone.grade)))
            return gradeRefusal(z.zone.grade, z.diameter, false);
    for (const auto& z : zones)
        if (deviationOf(rows, z.zone.position) == t::NotDefined) {
            refusal.code = RefusalCode::PositionNotDefined;
            refusal.position = z.zone.position;
            refusal.diameter = z.diameter;
            for (int i = 0; i < t::pitchRowCount; ++i)
                if (t::pitchRows[i].deviation[int(z.zone.position)] != t::NotDefined) {
                    refusal.positionFromPitch = fromMicrometres(t::pitchRows[i].pitchUm);
                    break;
                }
            return refusal;
        }
    for (const auto& z : zones)
        if (toleranceOf(rows, z.diameter, z.zone.grade) == t::NotDefined)
            return gradeRefusal(z.zone.grade, z.diameter, true);
    return {};
}

} // namespace iso965
