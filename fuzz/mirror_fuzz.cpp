// Mirroring a deviation text twice gives the text back, a leading "+" aside, for any
// text of digits with at most one comma and an optional sign; on any other text it
// never crashes and never leaves blanks or control characters at either end.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "ManualEntry.h"

namespace {

bool blankOrControl(char c) { return static_cast<unsigned char>(c) <= ' ' || c == 0x7f; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string raw(reinterpret_cast<const char*>(data), size);
    const std::string once = tolerance::MirrorDeviationText(raw);
    FUZZ_CHECK(once.empty() || (!blankOrControl(once.front()) && !blankOrControl(once.back())),
               "mirror of \"%s\" is \"%s\"", raw.c_str(), once.c_str());

    // The same bytes as a deviation text: an optional sign, then digits and at most one comma.
    std::string text;
    std::size_t i = 0;
    if (size > 0 && data[0] % 3 != 0) {
        text += data[0] % 3 == 1 ? '+' : '-';
        i = 1;
    }
    bool comma = false;
    for (; i < size; ++i) {
        if (data[i] % 11 == 10 && !comma) {
            text += ',';
            comma = true;
        } else {
            text += char('0' + data[i] % 10);
        }
    }
    const std::string twice = tolerance::MirrorDeviationText(tolerance::MirrorDeviationText(text));
    std::string expected = !text.empty() && text[0] == '+' ? text.substr(1) : text;
    // A lone sign has nothing to mirror, and "-0" comes back as the zero it stands for.
    if (expected == "-" || expected == "-0")
        expected = expected == "-" ? "" : "0";
    FUZZ_CHECK(twice == expected, "mirrored twice \"%s\" gives \"%s\"", text.c_str(), twice.c_str());
    const std::string mirrored = tolerance::MirrorDeviationText(text);
    // Once: a sign is added to an unsigned text and taken from a signed one.
    if (!expected.empty() && expected != "0" && expected[0] != '-')
        FUZZ_CHECK(mirrored == "-" + expected, "mirror of \"%s\" is \"%s\"", text.c_str(), mirrored.c_str());
    return 0;
}
