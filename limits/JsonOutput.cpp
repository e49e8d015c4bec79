#include "JsonOutput.h"

#include <cstdio>

#include "TextSafety.h"

namespace limits {

using iso286::Decimal;
using iso286::Limits;

namespace {

// Decimal::toPlainString is already a JSON number: "-12.5", "0.0001", "25".
std::string number(const Decimal& value) { return value.toPlainString(); }

std::string sizeKey(const Decimal& size) { return "\"size_mm\":" + number(size); }

std::string list(const std::vector<Limits>& entries)
{
    std::string text = "[";
    for (std::size_t i = 0; i < entries.size(); ++i)
        text += (i ? "," : "") + classJson(entries[i]);
    return text + "]";
}

const char* kindKey(iso286::FitKind kind)
{
    switch (kind) {
    case iso286::FitKind::Clearance:
        return "clearance";
    case iso286::FitKind::Transition:
        return "transition";
    case iso286::FitKind::Interference:
        return "interference";
    }
    return "";
}

const char* systemKey(iso286::FitSystem system)
{
    switch (system) {
    case iso286::FitSystem::HoleBasis:
        return "hole_basis";
    case iso286::FitSystem::ShaftBasis:
        return "shaft_basis";
    case iso286::FitSystem::Both:
        return "hole_and_shaft_basis";
    case iso286::FitSystem::NonSystem:
        return "none";
    }
    return "";
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

std::string classJson(const Limits& l)
{
    std::string text = "{" + sizeKey(l.size) + ",\"class\":" + jsonString(l.toleranceClass.name());
    if (!l.defined)
        return text + ",\"defined\":false,\"reason\":" + jsonString(l.reason) + "}";
    text += ",\"kind\":";
    text += l.toleranceClass.kind == iso286::Kind::Hole ? "\"hole\"" : "\"shaft\"";
    text += ",\"defined\":true,\"upper_um\":" + number(l.upper) + ",\"lower_um\":" + number(l.lower) +
            ",\"it_um\":" + number(l.it) + ",\"max_mm\":" + number(l.largest) + ",\"min_mm\":" + number(l.smallest);
    if (!l.notes.empty()) {
        text += ",\"notes\":[";
        for (std::size_t i = 0; i < l.notes.size(); ++i)
            text += (i ? "," : "") + jsonString(l.notes[i]);
        text += "]";
    }
    return text + "}";
}

std::string fitJson(const iso286::Fit& fit)
{
    std::string text = "{" + sizeKey(fit.hole.size) + ",\"hole\":" + classJson(fit.hole) +
                       ",\"shaft\":" + classJson(fit.shaft);
    if (!fit.defined)
        return text + ",\"defined\":false,\"reason\":" + jsonString(fit.reason) + "}";
    return text + ",\"defined\":true,\"max_clearance_um\":" + number(fit.maxClearance) +
           ",\"min_clearance_um\":" + number(fit.minClearance) + ",\"mean_clearance_um\":" + number(fit.meanClearance) +
           ",\"fit_tolerance_um\":" + number(fit.fitTolerance) + ",\"kind\":\"" + kindKey(fit.kind) +
           "\",\"system\":\"" + systemKey(fit.system) + "\"}";
}

std::string lookupJson(const Decimal& size, const iso286::Lookup& lookup)
{
    return "{" + sizeKey(size) + ",\"exact\":" + list(lookup.exact) + ",\"nearest\":" + list(lookup.nearest) + "}";
}

std::string classesJson(const Decimal& size, const iso286::ClassesAtSize& classes)
{
    return "{" + sizeKey(size) + ",\"holes\":" + list(classes.holes) + ",\"shafts\":" + list(classes.shafts) + "}";
}

std::string refusedSizeJson(const Decimal& size)
{
    return "{" + sizeKey(size) + ",\"defined\":false,\"reason\":" + jsonString(iso286::sizeRefusal(size)) + "}";
}

std::string errorJson(std::string_view message) { return "{\"error\":" + jsonString(message) + "}"; }

} // namespace limits
