#include "JsonOutput.h"

#include <cstdio>

#include "Derivation.h"
#include "RefusalText.h"
#include "TextSafety.h"

namespace limits {

using iso286::Decimal;
using iso286::Limits;

namespace {

const char* fitKindKey(iso286::FitKind kind)
{
    switch (kind) {
    case iso286::FitKind::Clearance: return "clearance";
    case iso286::FitKind::Transition: return "transition";
    case iso286::FitKind::Interference: return "interference";
    }
    return "";
}

const char* systemKey(iso286::FitSystem system)
{
    switch (system) {
    case iso286::FitSystem::HoleBasis: return "hole_basis";
    case iso286::FitSystem::ShaftBasis: return "shaft_basis";
    case iso286::FitSystem::Both: return "hole_and_shaft_basis";
    case iso286::FitSystem::NonSystem: return "none";
    }
    return "";
}

const char* searchKey(iso286::Search search)
{
    switch (search) {
    case iso286::Search::Holes: return "holes";
    case iso286::Search::Shafts: return "shafts";
    case iso286::Search::Both: return "both";
    }
    return "";
}

std::string interval(int over, int upTo)
{
    return "[" + std::to_string(over) + "," + std::to_string(upTo) + "]";
}

// The range of the tables holding a size, or null outside the system.
std::string spanInterval(const SizeShown& size, bool inSystem)
{
    if (!inSystem)
        return "null";
    const iso286::Span span = iso286::spanOf(*size.size);
    return interval(span.lo, span.hi);
}

std::string notesArray(const std::vector<std::string>& notes)
{
    return jsonArray(notes, [](const std::string& note) { return jsonString(note); });
}

JsonObject answerObject(const char* kind, const SizeShown& size)
{
    JsonObject o;
    o.text("answer", kind);
    if (size.size)
        o.number("size_mm", *size.size);
    return o;
}

void refused(JsonObject& o, const iso286::Refusal& refusal)
{
    o.text("code", refusalCode(refusal.kind)).text("reason", iso286::refusalText(refusal));
}

// The members of a class, in an answer of its own or in a list.
void classMembers(JsonObject& o, const Limits& l)
{
    o.text("class", l.toleranceClass.name())
        .text("class_kind", l.toleranceClass.kind == iso286::Kind::Hole ? "hole" : "shaft")
        .boolean("defined", l.defined);
    const bool inSystem = !(l.refusal && l.refusal->concernsSize());
    o.raw("interval_mm", inSystem ? interval(l.over, l.upTo) : "null");
    if (!l.defined) {
        refused(o, *l.refusal);
        return;
    }
    o.number("upper_um", l.upper)
        .number("lower_um", l.lower)
        .number("it_um", l.it)
        .number("max_mm", l.largest)
        .number("min_mm", l.smallest);
    if (l.js7 != iso286::Js7Convention::None)
        o.text("js7_convention", l.js7 == iso286::Js7Convention::Catalogue ? "catalogue" : "exact_halves");
    if (!l.notes.empty())
        o.raw("notes", notesArray(l.notes));
}

std::string entry(const Limits& l)
{
    JsonObject o;
    classMembers(o, l);
    return o.str();
}

std::string list(const std::vector<Limits>& entries)
{
    return jsonArray(entries, entry);
}

std::string matches(const std::vector<iso286::Match>& found)
{
    return jsonArray(found, [](const iso286::Match& match) {
        JsonObject o;
        classMembers(o, match.limits);
        return o.number("distance_um", match.distance).str();
    });
}

JsonObject lookupObject(const SizeShown& size, const Target& target)
{
    JsonObject o = answerObject("find", size);
    o.number("upper_um", target.upper).number("lower_um", target.lower).text("search", searchKey(target.search));
    return o;
}

} // namespace

std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    for (const std::string& c : utf8Characters(text)) {
        const unsigned char b = static_cast<unsigned char>(c[0]);
        if (c == "\"" || c == "\\") {
            out += '\\';
            out += c;
        } else if (b < 0x20 || b == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", b);
            out += escaped;
        } else {
            out += c; // U+FFFD for invalid bytes comes from utf8Characters
        }
    }
    return out + "\"";
}

void JsonObject::key(std::string_view key)
{
    if (!m_members.empty())
        m_members += ',';
    m_members += '"';
    m_members += key;
    m_members += "\":";
}

JsonObject& JsonObject::text(std::string_view k, std::string_view value)
{
    key(k);
    m_members += jsonString(value);
    return *this;
}

// Decimal::toPlainString is already a JSON number: "-12.5", "0.0001", "25".
JsonObject& JsonObject::number(std::string_view k, const Decimal& value)
{
    key(k);
    m_members += value.toPlainString();
    return *this;
}

JsonObject& JsonObject::integer(std::string_view k, long long value)
{
    key(k);
    m_members += std::to_string(value);
    return *this;
}

JsonObject& JsonObject::boolean(std::string_view k, bool value)
{
    key(k);
    m_members += value ? "true" : "false";
    return *this;
}

JsonObject& JsonObject::raw(std::string_view k, std::string_view json)
{
    key(k);
    m_members += json;
    return *this;
}

const char* refusalCode(iso286::RefusalKind kind)
{
    using iso286::RefusalKind;
    switch (kind) {
    case RefusalKind::SizeNotPositive:
    case RefusalKind::SizeBeyondSystem: return "size_out_of_range";
    case RefusalKind::SizeTooFine: return "size_too_fine";
    case RefusalKind::GradeNotDefined:
    case RefusalKind::GradeOverOneMm:
    case RefusalKind::ClassNotDefined:
    case RefusalKind::LetterGrades: return "class_not_defined";
    case RefusalKind::NoPositiveSize: return "class_gives_no_size";
    case RefusalKind::NotAHole: return "not_a_hole";
    case RefusalKind::NotAShaft: return "not_a_shaft";
    }
    return "";
}

std::string classJson(const SizeShown& size, const Limits& l)
{
    JsonObject o = answerObject("class", size);
    classMembers(o, l);
    return o.str();
}

std::string fitJson(const SizeShown& size, const iso286::Fit& fit)
{
    JsonObject o = answerObject("fit", size);
    o.text("fit", fit.hole.toleranceClass.name() + "/" + fit.shaft.toleranceClass.name())
        .text("system", systemKey(fit.system))
        .boolean("defined", fit.defined);
    // Where both classes hold as they are.
    const bool inSystem = !(fit.refusal && fit.refusal->concernsSize());
    o.raw("interval_mm", inSystem ? interval(std::max(fit.hole.over, fit.shaft.over), std::min(fit.hole.upTo, fit.shaft.upTo))
                                  : "null");
    o.raw("hole", entry(fit.hole)).raw("shaft", entry(fit.shaft));
    if (!fit.defined) {
        refused(o, *fit.refusal);
        return o.str();
    }
    o.text("fit_kind", fitKindKey(fit.kind))
        .number("max_clearance_um", fit.maxClearance)
        .number("min_clearance_um", fit.minClearance)
        .number("mean_clearance_um", fit.meanClearance)
        .number("fit_tolerance_um", fit.fitTolerance);
    if (!fit.notes.empty())
        o.raw("notes", notesArray(fit.notes));
    return o.str();
}

std::string lookupJson(const SizeShown& size, const Target& target, const iso286::Lookup& lookup)
{
    JsonObject o = lookupObject(size, target);
    const bool exact = !lookup.exact.empty();
    o.boolean("defined", exact).raw("interval_mm", spanInterval(size, true));
    if (!exact)
        o.text("code", "no_exact_match").text("reason", "Ни одно поле не имеет этих отклонений; даны ближайшие");
    return o.raw("exact", matches(lookup.exact)).raw("nearest", matches(lookup.nearest)).str();
}

std::string refusedLookupJson(const SizeShown& size, const Target& target, const iso286::Refusal& refusal)
{
    JsonObject o = lookupObject(size, target);
    o.boolean("defined", false).raw("interval_mm", "null");
    refused(o, refusal);
    return o.raw("exact", "[]").raw("nearest", "[]").str();
}

std::string classesJson(const SizeShown& size, const iso286::ClassesAtSize& classes)
{
    JsonObject o = answerObject("classes", size);
    o.boolean("defined", true).raw("interval_mm", spanInterval(size, true));
    return o.raw("holes", list(classes.holes)).raw("shafts", list(classes.shafts)).str();
}

std::string refusedClassesJson(const SizeShown& size, const iso286::Refusal& refusal)
{
    JsonObject o = answerObject("classes", size);
    o.boolean("defined", false).raw("interval_mm", "null");
    refused(o, refusal);
    return o.raw("holes", "[]").raw("shafts", "[]").str();
}

std::string errorJson(const Error& error)
{
    JsonObject o;
    return o.text("answer", "error").text("code", errorCodeName(error.code)).text("reason", errorText(error)).str();
}

std::string withLine(const std::string& answer, long line, std::string_view input)
{
    JsonObject o;
    o.integer("line", line).text("input", shownInput(input));
    // Both are objects: the line's members go in front of the answer's.
    return o.str().substr(0, o.str().size() - 1) + "," + answer.substr(1);
}

} // namespace limits
