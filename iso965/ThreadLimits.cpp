#include "ThreadLimits.h"

#include "BasicDiameters.h"
#include "PlanRows.h"
#include "ToleranceLookup.h"

namespace iso965 {

namespace {

Decimal um(std::int32_t value) { return Decimal(value); }

// The refusal of a thread outside the plan or of a class of the other kind; None otherwise.
Refusal refusalOutside(const PlanThread& thread, const ThreadRows& rows, const ThreadClass& threadClass, ThreadKind kind)
{
    if (!rows.thread)
        return findThread(thread.d, thread.pitch).refusal;
    if (threadClass.kind() != kind) {
        Refusal refusal;
        refusal.code = RefusalCode::ClassKindMismatch;
        refusal.text = threadClass.name();
        refusal.position = threadClass.pitch.position;
        refusal.d = thread.d;
        refusal.pitch = thread.pitch;
        return refusal;
    }
    return {};
}

DiameterRange rangeOf(const ThreadRows& rows)
{
    return {fromMicrometres(rows.range->overUm), fromMicrometres(rows.range->upToUm)};
}

// What a nut's and a bolt's limits share: the thread and class asked, the refusal, or else the
// plan's thread, its basic diameters and range. The rows and the basic diameters in µm when defined.
struct Start {
    ThreadRows rows;
    BasicMicrometres basic;
};
template <typename Limits>
std::optional<Start> startLimits(Limits& limits, const PlanThread& thread, const ThreadClass& threadClass, ThreadKind kind)
{
    limits.thread = thread;
    limits.threadClass = threadClass;
    const ThreadRows rows = rowsOf(thread);
    limits.refusal = refusalOutside(thread, rows, threadClass, kind);
    if (!limits.refusal)
        limits.refusal = refusalAt(rows, threadClass);
    if (limits.refusal)
        return std::nullopt;
    limits.thread = planThreadOf(*rows.thread);

    const BasicMicrometres basic = basicMicrometres(rows.thread->dUm, rows.thread->pitchUm);
    limits.defined = true;
    limits.basic = {fromMicrometres(basic.major), fromMicrometres(basic.pitch), fromMicrometres(basic.minor),
                    fromMicrometres(basic.root)};
    limits.range = rangeOf(rows);
    return Start{rows, basic};
}

} // namespace

std::optional<DiameterRange> diameterRange(const PlanThread& thread)
{
    const ThreadRows rows = rowsOf(thread);
    if (!rows.thread)
        return std::nullopt;
    return rangeOf(rows);
}

Refusal classRefusal(const PlanThread& thread, const ThreadClass& threadClass)
{
    const ThreadRows rows = rowsOf(thread);
    if (!rows.thread)
        return findThread(thread.d, thread.pitch).refusal;
    return refusalAt(rows, threadClass);
}

NutLimits nutLimits(const PlanThread& thread, const ThreadClass& threadClass)
{
    NutLimits limits;
    const std::optional<Start> started = startLimits(limits, thread, threadClass, ThreadKind::Internal);
    if (!started)
        return limits;
    const auto& [rows, basic] = *started;
    const std::int32_t eiPitch = deviationOf(rows, threadClass.pitch.position);
    const std::int32_t eiMinor = deviationOf(rows, threadClass.crest.position);
    const std::int32_t tPitch = toleranceOf(rows, ThreadDiameter::NutPitch, threadClass.pitch.grade);
    const std::int32_t tMinor = toleranceOf(rows, ThreadDiameter::NutMinor, threadClass.crest.grade);

    limits.eiPitch = um(eiPitch);
    limits.eiMinor = um(eiMinor);
    limits.tPitch = um(tPitch);
    limits.tMinor = um(tMinor);
    limits.majorMin = fromMicrometres(basic.major + eiPitch);
    limits.pitchMin = fromMicrometres(basic.pitch + eiPitch);
    limits.pitchMax = fromMicrometres(basic.pitch + eiPitch + tPitch);
    limits.minorMin = fromMicrometres(basic.minor + eiMinor);
    limits.minorMax = fromMicrometres(basic.minor + eiMinor + tMinor);
    return limits;
}

BoltLimits boltLimits(const PlanThread& thread, const ThreadClass& threadClass)
{
    BoltLimits limits;
    const std::optional<Start> started = startLimits(limits, thread, threadClass, ThreadKind::External);
    if (!started)
        return limits;
    const auto& [rows, basic] = *started;
    const std::int32_t esPitch = deviationOf(rows, threadClass.pitch.position);
    const std::int32_t esMajor = deviationOf(rows, threadClass.crest.position);
    const std::int32_t tPitch = toleranceOf(rows, ThreadDiameter::BoltPitch, threadClass.pitch.grade);
    const std::int32_t tMajor = toleranceOf(rows, ThreadDiameter::BoltMajor, threadClass.crest.grade);

    limits.esPitch = um(esPitch);
    limits.esMajor = um(esMajor);
    limits.tPitch = um(tPitch);
    limits.tMajor = um(tMajor);
    limits.majorMax = fromMicrometres(basic.major + esMajor);
    limits.majorMin = fromMicrometres(basic.major + esMajor - tMajor);
    limits.pitchMax = fromMicrometres(basic.pitch + esPitch);
    limits.pitchMin = fromMicrometres(basic.pitch + esPitch - tPitch);
    limits.rootMax = fromMicrometres(basic.root + esPitch);
    return limits;
}

ThreadFit threadFit(const PlanThread& thread, const ThreadClass& nutClass, const ThreadClass& boltClass)
{
    ThreadFit fit;
    fit.nut = nutLimits(thread, nutClass);
    fit.bolt = boltLimits(thread, boltClass);
    fit.defined = fit.nut.defined && fit.bolt.defined;
    if (!fit.defined)
        return fit;
    const auto micrometres = [](const Decimal& mm) { return mm.scaled(3); };
    fit.pitchClearanceMin = micrometres(fit.nut.pitchMin - fit.bolt.pitchMax);
    fit.pitchClearanceMax = micrometres(fit.nut.pitchMax - fit.bolt.pitchMin);
    fit.minorClearanceMin = micrometres(fit.nut.minorMin - fit.bolt.rootMax);
    fit.majorClearanceMin = micrometres(fit.nut.majorMin - fit.bolt.majorMax);
    return fit;
}

} // namespace iso965
