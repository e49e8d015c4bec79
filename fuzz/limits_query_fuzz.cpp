// The reading of sizes, deviations and classes in dopusk-limits, and the answer to
// one batch line: never crashes, never reads outside the text, reads a size or a
// deviation exactly when the program's grammar allows it (a full stop for the
// comma, the minus sign for the hyphen, no-break and thin spaces around) and its
// digits and magnitude lie within the bounds, refusing it otherwise for the right
// reason; reads a class exactly when the text spells one (an independent
// transliteration of the Cyrillic look-alikes); and every answer is one short
// line of valid UTF-8 whose printed limits agree with each other and give a size
// above 0. Thread queries among the lines answer as the others do.
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

#include "Answers.h"
#include "JsonOutput.h"
#include "ClassList.h"
#include "FuzzSupport.h"
#include "NumberReading.h"
#include "ToleranceClass.h"

namespace {

// Code points decoded by hand; -1 for a byte that is not well-formed UTF-8.
std::u32string decode(std::string_view text, bool* valid)
{
    std::u32string points;
    *valid = true;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        int length = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        char32_t point = length == 1 ? b : length == 2 ? (b & 0x1F) : length == 3 ? (b & 0x0F) : (b & 0x07);
        bool ok = length > 0 && i + std::size_t(length) <= text.size();
        for (int k = 1; ok && k < length; ++k) {
            const auto c = static_cast<unsigned char>(text[i + std::size_t(k)]);
            ok = (c >> 6) == 2;
            point = (point << 6) | (c & 0x3F);
        }
        const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        ok = ok && point >= least[length] && point <= 0x10FFFF && !(point >= 0xD800 && point <= 0xDFFF);
        if (!ok) {
            *valid = false;
            points += char32_t(0xFFFFFFFF);
            ++i;
            continue;
        }
        points += point;
        i += std::size_t(length);
    }
    return points;
}

// Latin letters for the Cyrillic ones that look like them, by code point.
std::string transliterated(const std::u32string& points)
{
    std::string text;
    for (const char32_t p : points) {
        switch (p) {
        case 0x0410: text += 'A'; break;
        case 0x0412: text += 'B'; break;
        case 0x0415: text += 'E'; break;
        case 0x041A: text += 'K'; break;
        case 0x041C: text += 'M'; break;
        case 0x041D: text += 'H'; break;
        case 0x0420: text += 'P'; break;
        case 0x0421: text += 'C'; break;
        case 0x0422: text += 'T'; break;
        case 0x0425: text += 'X'; break;
        case 0x0430: text += 'a'; break;
        case 0x0435: text += 'e'; break;
        case 0x043A: text += 'k'; break;
        case 0x043C: text += 'm'; break;
        case 0x0440: text += 'p'; break;
        case 0x0441: text += 'c'; break;
        case 0x0442: text += 't'; break;
        case 0x0443: text += 'y'; break;
        case 0x0445: text += 'x'; break;
        default: text += p < 0x80 ? char(p) : '\x01';
        }
    }
    return text;
}

const std::set<std::string>& classNames()
{
    static const std::set<std::string> names = [] {
        std::set<std::string> all;
        for (const iso286::Kind kind : {iso286::Kind::Hole, iso286::Kind::Shaft})
            for (const iso286::ToleranceClass& c : iso286::allClasses(kind))
                all.insert(c.name());
        for (int g = 0; g < iso286::GradeCount; ++g)
            all.insert("Js" + iso286::gradeText(iso286::Grade(g)));
        return all;
    }();
    return names;
}

// The text with the blanks around a number dropped and the minus sign as a hyphen,
// as the grammar of the number boxes reads it.
std::string plainNumberText(std::string_view text)
{
    const std::string_view blanks[] = {" ", "\t", "\u00A0", "\u2007", "\u2009", "\u202F"};
    for (bool more = true; more;) {
        more = false;
        for (const std::string_view b : blanks) {
            if (text.substr(0, b.size()) == b) {
                text.remove_prefix(b.size());
                more = true;
            }
            if (text.size() >= b.size() && text.substr(text.size() - b.size()) == b) {
                text.remove_suffix(b.size());
                more = true;
            }
        }
    }
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 3) == "\u2212") {
            plain += '-';
            i += 2;
        } else {
            plain += text[i];
        }
    }
    return plain;
}

// What reading the text with these bounds must give, worked out on the grammar's own digits.
iso286::NumberOutcome expectedOutcome(const std::string& plain, int finest, const char* largestDigits, int largestExponent,
                                      fuzz::ExactValue* value)
{
    fuzz::GrammarNumber number;
    // The tool wants a digit: a lone comma is not a number there.
    if (!fuzz::readGrammar(plain, &number) || (number.integerDigits.empty() && number.fractionDigits.empty()))
        return iso286::NumberOutcome::Unreadable;
    *value = fuzz::exactValueOf(number);
    if (value->digits.empty())
        return iso286::NumberOutcome::Read;
    if (value->exponent < finest)
        return iso286::NumberOutcome::TooFine;
    const long leading = value->exponent + long(value->digits.size()) - 1;
    // Both bounds are a single digit 1 times a power of ten.
    const bool above = leading > largestExponent || (leading == largestExponent && value->digits != largestDigits);
    return above ? iso286::NumberOutcome::TooLarge : iso286::NumberOutcome::Read;
}

void checkReading(const iso286::NumberReading& reading, const std::string& plain, int finest, int largestExponent,
                  const std::string& shown)
{
    fuzz::ExactValue value;
    const iso286::NumberOutcome expected = expectedOutcome(plain, finest, "1", largestExponent, &value);
    FUZZ_CHECK(reading.outcome == expected, "\"%s\": outcome %d, expected %d", shown.c_str(), int(reading.outcome),
               int(expected));
    if (reading) {
        const fuzz::ExactValue got{reading.value.isNegative(), reading.value.digits(), reading.value.exponent()};
        const fuzz::ExactValue want = value.digits.empty() ? fuzz::ExactValue{} : value;
        FUZZ_CHECK(got == want, "\"%s\" read as %s", shown.c_str(), reading.value.toPlainString().c_str());
    }
}

// The number after `"key":` in a JSON answer.
std::optional<number::Decimal> jsonNumber(const std::string& json, const std::string& key)
{
    const auto at = json.find("\"" + key + "\":");
    if (at == std::string::npos)
        return std::nullopt;
    const auto start = at + key.size() + 3;
    const auto end = json.find_first_of(",}", start);
    return iso286::readNumber(json.substr(start, end - start));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    char* copy = static_cast<char*>(std::malloc(size ? size : 1));
    std::copy(data, data + size, copy);
    const std::string_view text(copy, size);
    const std::string shown(text);

    // Numbers: the grammar of the program, the full stop standing for the comma.
    std::string plain = plainNumberText(text);
    const bool both = plain.find(',') != std::string::npos && plain.find('.') != std::string::npos;
    for (char& c : plain)
        if (c == '.')
            c = ',';
    if (both)
        plain = "x"; // never a number
    checkReading(iso286::readSize(text), plain, iso286::FinestSizeExponent, 9, shown);
    checkReading(iso286::readDeviation(text), plain, iso286::FinestDeviationExponent, 5, shown);

    // Classes: exactly the names of the classes, after transliteration.
    bool valid = false;
    const std::string latin = transliterated(decode(text, &valid));
    const auto parsed = iso286::parseClass(text);
    FUZZ_CHECK(bool(parsed) == (valid && classNames().count(latin) > 0), "\"%s\" read as a class: %d", shown.c_str(),
               int(bool(parsed)));

    // One batch line, as JSON: one short line of valid UTF-8, and the printed limits agree.
    const limits::Answer answer = limits::answerLine(text, {}, limits::Format::Json);
    bool outputValid = false;
    decode(answer.output, &outputValid);
    FUZZ_CHECK(outputValid, "answer to \"%s\" is not UTF-8", shown.c_str());
    FUZZ_CHECK(bool(answer.error) == answer.output.empty() && bool(answer.error) == (answer.status == limits::Status::BadUsage),
               "\"%s\": status %d", shown.c_str(), int(answer.status));
    // Only the whole plan of threads ("--threads") is a long answer.
    const bool plan = answer.output.rfind(R"({"answer":"threads","defined":true,"interval_mm":null,)", 0) == 0;
    FUZZ_CHECK((plan || answer.output.size() < 2048) && answer.output.find('\n') == std::string::npos,
               "\"%s\": %zu bytes", shown.c_str(), answer.output.size());
    if (answer.error) {
        const std::string json = limits::errorJson(*answer.error);
        decode(json, &outputValid);
        FUZZ_CHECK(outputValid && json.size() < 1024, "error for \"%s\": %s", shown.c_str(), json.c_str());
    } else {
        FUZZ_CHECK(answer.output.rfind(R"({"answer":")", 0) == 0 && answer.output.find(R"("defined":)") != std::string::npos,
                   "\"%s\": %s", shown.c_str(), answer.output.c_str());
        FUZZ_CHECK((answer.status == limits::Status::Defined) ==
                       (answer.output.find(R"("defined":false)") == std::string::npos),
                   "\"%s\": %s", shown.c_str(), answer.output.c_str());
    }
    if (answer.output.rfind(R"({"answer":"class")", 0) == 0 && answer.output.find("\"defined\":true") != std::string::npos) {
        const auto upper = jsonNumber(answer.output, "upper_um"), lower = jsonNumber(answer.output, "lower_um");
        const auto it = jsonNumber(answer.output, "it_um"), size_mm = jsonNumber(answer.output, "size_mm");
        const auto max = jsonNumber(answer.output, "max_mm"), min = jsonNumber(answer.output, "min_mm");
        FUZZ_CHECK(upper && lower && it && size_mm && max && min, "\"%s\": %s", shown.c_str(), answer.output.c_str());
        const bool rounded = answer.output.find("\"js7_convention\":\"catalogue\"") != std::string::npos;
        FUZZ_CHECK(*upper - *lower == (rounded ? *it - number::Decimal(1) : *it), "\"%s\": %s", shown.c_str(),
                   answer.output.c_str());
        FUZZ_CHECK(*max == *size_mm + upper->scaled(-3) && *min == *size_mm + lower->scaled(-3), "\"%s\": %s",
                   shown.c_str(), answer.output.c_str());
        FUZZ_CHECK(*min > number::Decimal{}, "\"%s\": a size of 0 or less: %s", shown.c_str(), answer.output.c_str());
    }
    // A thread's limits: each diameter's span is its tolerance, and the pitch diameter lies between the others.
    if (answer.output.rfind(R"({"answer":"thread_class")", 0) == 0 && answer.output.find("\"defined\":true") != std::string::npos) {
        const bool nut = answer.output.find(R"("thread_kind":"internal")") != std::string::npos;
        const auto get = [&](const char* key) {
            const auto value = jsonNumber(answer.output, key);
            FUZZ_CHECK(bool(value), "\"%s\": no %s in %s", shown.c_str(), key, answer.output.c_str());
            return *value;
        };
        const bool ordered =
            nut ? get("D2_max_mm") - get("D2_min_mm") == get("TD2_um").scaled(-3) &&
                      get("D1_max_mm") - get("D1_min_mm") == get("TD1_um").scaled(-3) &&
                      get("D_min_mm") > get("D2_max_mm") && get("D2_min_mm") > get("D1_max_mm")
                : get("d_max_mm") - get("d_min_mm") == get("Td_um").scaled(-3) &&
                      get("d2_max_mm") - get("d2_min_mm") == get("Td2_um").scaled(-3) &&
                      get("d_min_mm") > get("d2_max_mm") && get("d2_min_mm") > get("d3_max_mm");
        FUZZ_CHECK(ordered, "\"%s\": %s", shown.c_str(), answer.output.c_str());
    }
    std::free(copy);
    return 0;
}
