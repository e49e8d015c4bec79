// The thread answers as JSON: the keys of the thread's own terms (EI_D2_um,
// Td2_um, d3_max_mm), exact numbers, and the members every answer of the tool
// has ("answer", "defined", "interval_mm", "code" and "reason" when refused).
#include "ThreadOutput.h"

#include "JsonOutput.h"

namespace limits {

using iso965::AnswerKind;
using iso965::PlanThread;
using iso965::Refusal;
using number::Decimal;

namespace {

// The range of the T_d2 row of a thread of the plan, or null.
std::string rangeJson(const std::optional<PlanThread>& thread)
{
    const auto range = thread ? iso965::diameterRange(*thread) : std::nullopt;
    if (!range)
        return "null";
    return "[" + range->over.toPlainString() + "," + range->upTo.toPlainString() + "]";
}

void refused(JsonObject& o, const Refusal& refusal)
{
    o.text("code", iso965::refusalCode(refusal.code)).text("reason", iso965::refusalText(refusal));
}

// The thread asked for: as the plan names it, or as it was read when the plan has no such thread.
JsonObject head(const char* kind, const ThreadQuery& query)
{
    JsonObject o;
    o.text("answer", kind);
    if (query.answer.kind != AnswerKind::Refused) {
        const PlanThread& t = query.answer.thread;
        o.text("thread", threadKey(t)).number("d_mm", t.d).number("pitch_mm", t.pitch);
    } else {
        o.number("d_mm", query.designation.d);
        if (query.designation.pitch)
            o.number("pitch_mm", *query.designation.pitch);
    }
    return o;
}

std::optional<PlanThread> threadOf(const ThreadQuery& query)
{
    if (query.answer.kind == AnswerKind::Refused)
        return std::nullopt;
    return query.answer.thread;
}

// What a nut's class and a bolt's class both give; the reason when refused. `refusal` stands for
// the limits' own when the thread is not the plan's. Whether the class is defined.
template <typename Limits>
bool classMembers(JsonObject& o, const Limits& l, const char* threadKind, const std::optional<PlanThread>& thread,
                  const Refusal& refusal)
{
    o.text("class", l.threadClass.name()).text("thread_kind", threadKind).boolean("defined", l.defined);
    o.raw("interval_mm", rangeJson(thread));
    if (!l.defined)
        refused(o, refusal);
    return l.defined;
}

// A nut's class.
void nutMembers(JsonObject& o, const iso965::NutLimits& l, const std::optional<PlanThread>& thread, const Refusal& refusal)
{
    if (!classMembers(o, l, "internal", thread, refusal))
        return;
    o.number("EI_D2_um", l.eiPitch)
        .number("EI_D1_um", l.eiMinor)
        .number("TD2_um", l.tPitch)
        .number("TD1_um", l.tMinor)
        .number("D_min_mm", l.majorMin)
        .number("D2_min_mm", l.pitchMin)
        .number("D2_max_mm", l.pitchMax)
        .number("D1_min_mm", l.minorMin)
        .number("D1_max_mm", l.minorMax);
}

// A bolt's class.
void boltMembers(JsonObject& o, const iso965::BoltLimits& l, const std::optional<PlanThread>& thread, const Refusal& refusal)
{
    if (!classMembers(o, l, "external", thread, refusal))
        return;
    o.number("es_d2_um", l.esPitch)
        .number("es_d_um", l.esMajor)
        .number("Td2_um", l.tPitch)
        .number("Td_um", l.tMajor)
        .number("d_max_mm", l.majorMax)
        .number("d_min_mm", l.majorMin)
        .number("d2_max_mm", l.pitchMax)
        .number("d2_min_mm", l.pitchMin)
        .number("d3_max_mm", l.rootMax);
}

std::string classArray(const PlanThread& thread, iso965::ThreadKind kind)
{
    return jsonArray(iso965::classesFor(thread, kind), [](const iso965::ThreadClass& c) { return jsonString(c.name()); });
}

std::string aloneJson(const ThreadQuery& query)
{
    JsonObject o = head("thread", query);
    const auto thread = threadOf(query);
    o.boolean("defined", bool(thread)).raw("interval_mm", rangeJson(thread));
    if (!thread) {
        refused(o, query.answer.refusal);
        return o.str();
    }
    const iso965::BasicDiameters basic = iso965::basicDiameters(*thread);
    o.text("series", thread->series == iso965::Series::Coarse ? "coarse" : "fine")
        .integer("choice", thread->choice)
        .number("d2_mm", basic.pitch)
        .number("d1_mm", basic.minor)
        .number("d3_mm", basic.root)
        .raw("nut_classes", classArray(*thread, iso965::ThreadKind::Internal))
        .raw("bolt_classes", classArray(*thread, iso965::ThreadKind::External));
    return o.str();
}

std::string fitJson(const ThreadQuery& query)
{
    const iso965::ThreadAnswer& a = query.answer;
    const auto thread = threadOf(query);
    const iso965::Designation& d = query.designation;
    // A thread outside the plan refuses both classes for the same reason.
    iso965::NutLimits nut = a.fit.nut;
    iso965::BoltLimits bolt = a.fit.bolt;
    if (!thread) {
        nut.threadClass = *d.nutClass;
        bolt.threadClass = *d.boltClass;
    }
    JsonObject o = head("thread_fit", query);
    o.text("fit", nut.threadClass.name() + "/" + bolt.threadClass.name())
        .boolean("defined", a.defined())
        .raw("interval_mm", rangeJson(thread));
    JsonObject nutObject, boltObject;
    nutMembers(nutObject, nut, thread, thread ? nut.refusal : a.refusal);
    boltMembers(boltObject, bolt, thread, thread ? bolt.refusal : a.refusal);
    o.raw("nut", nutObject.str()).raw("bolt", boltObject.str());
    if (!a.defined()) {
        refused(o, a.firstRefusal());
        return o.str();
    }
    o.number("d2_min_clearance_um", a.fit.pitchClearanceMin).number("d2_max_clearance_um", a.fit.pitchClearanceMax);
    return o.str();
}

std::string planEntry(const PlanThread& t)
{
    JsonObject o;
    return o.text("thread", threadKey(t))
        .number("d_mm", t.d)
        .number("pitch_mm", t.pitch)
        .text("series", t.series == iso965::Series::Coarse ? "coarse" : "fine")
        .integer("choice", t.choice)
        .str();
}

} // namespace

std::string threadKey(const PlanThread& thread)
{
    iso965::ThreadNameStyle style;
    style.decimalSeparator = '.';
    style.pitchAlways = true;
    return iso965::threadName(thread, style);
}

std::string threadJson(const ThreadQuery& query)
{
    const iso965::ThreadAnswer& a = query.answer;
    const iso965::Designation& d = query.designation;
    const auto thread = threadOf(query);
    if (d.nutClass && d.boltClass)
        return fitJson(query);
    if (!d.nutClass && !d.boltClass)
        return aloneJson(query);
    JsonObject o = head("thread_class", query);
    if (d.nutClass) {
        iso965::NutLimits nut = a.fit.nut;
        nut.threadClass = *d.nutClass;
        nutMembers(o, nut, thread, thread ? nut.refusal : a.refusal);
    } else {
        iso965::BoltLimits bolt = a.fit.bolt;
        bolt.threadClass = *d.boltClass;
        boltMembers(o, bolt, thread, thread ? bolt.refusal : a.refusal);
    }
    return o.str();
}

std::string threadsJson(const PlanQuery& query)
{
    JsonObject o;
    o.text("answer", "threads");
    if (query.diameter)
        o.number("d_mm", *query.diameter);
    o.boolean("defined", !query.refusal)
        .raw("interval_mm", query.threads.empty() || !query.diameter ? "null" : rangeJson(query.threads.front()));
    if (query.refusal)
        refused(o, query.refusal);
    return o.raw("threads", jsonArray(query.threads, planEntry)).str();
}

} // namespace limits
