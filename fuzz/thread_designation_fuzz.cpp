// The reading of thread designations and the answer to one: never crashes, never
// reads outside the text; a designation that reads, written back in the
// program's own form, reads the same; every refusal has its code and its reason;
// every defined answer has its limits in the order of the profile.
#include <cstdint>
#include <string>

#include "Designation.h"
#include "FuzzSupport.h"
#include "NumberText.h"

namespace {

using namespace iso965;

std::string written(const Designation& d)
{
    std::string text = "M" + number::generalNumberText(d.d);
    if (d.pitch)
        text += "x" + number::generalNumberText(*d.pitch);
    if (d.nutClass || d.boltClass)
        text += "-";
    if (d.nutClass)
        text += d.nutClass->name();
    if (d.nutClass && d.boltClass)
        text += "/";
    if (d.boltClass)
        text += d.boltClass->name();
    return text;
}

void checkRefusal(const Refusal& refusal, const std::string& text)
{
    FUZZ_CHECK(refusal, "no refusal for \"%s\"", text.c_str());
    FUZZ_CHECK(*refusalCode(refusal.code) != 0, "no code for \"%s\"", text.c_str());
    FUZZ_CHECK(!refusalText(refusal).empty(), "no reason for \"%s\"", text.c_str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const DesignationReading reading = readDesignation(text);
    if (reading.designation) {
        const std::string again = written(*reading.designation);
        const DesignationReading second = readDesignation(again);
        FUZZ_CHECK(second.designation, "\"%s\" written as \"%s\" does not read", text.c_str(), again.c_str());
        FUZZ_CHECK(written(*second.designation) == again, "\"%s\" reads otherwise", again.c_str());
    } else {
        checkRefusal(reading.refusal, text);
    }

    const ThreadAnswer a = answer(text);
    if (!a.defined()) {
        checkRefusal(a.firstRefusal(), text);
        return 0;
    }
    if (a.kind == AnswerKind::Nut || a.kind == AnswerKind::Fit) {
        const NutLimits& n = a.fit.nut;
        FUZZ_CHECK(n.minorMin < n.minorMax && n.minorMax <= n.pitchMin && n.pitchMin < n.pitchMax &&
                       n.pitchMax < n.majorMin,
                   "nut limits out of order for \"%s\"", text.c_str());
    }
    if (a.kind == AnswerKind::Bolt || a.kind == AnswerKind::Fit) {
        const BoltLimits& b = a.fit.bolt;
        FUZZ_CHECK(b.rootMax < b.pitchMin && b.pitchMin < b.pitchMax && b.pitchMax < b.majorMin && b.majorMin < b.majorMax,
                   "bolt limits out of order for \"%s\"", text.c_str());
    }
    if (a.kind == AnswerKind::Fit)
        FUZZ_CHECK(!a.fit.pitchClearanceMin.isNegative(), "interference in \"%s\"", text.c_str());
    return 0;
}
