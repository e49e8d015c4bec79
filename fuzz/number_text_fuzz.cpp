// The general and fixed number texts: for any finite long double and any exact decimal
// the text re-reads to the value rounded to the stated digits, with the comma as the
// only separator, no "+", no trailing zeros in the general text and exactly D
// decimals in the fixed text.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstring>

#include "Decimal.h"
#include "FuzzSupport.h"
#include "NumberText.h"

namespace {

using fuzz::ExactValue;

// The value a text stands for, read with the independent grammar reader.
ExactValue reread(const std::string& text, const std::string& context)
{
    fuzz::GrammarNumber number;
    FUZZ_CHECK(fuzz::readGrammar(text, &number), "%s: \"%s\" does not read", context.c_str(), text.c_str());
    return fuzz::exactValueOf(number);
}

void checkCharacters(const std::string& text, const std::string& context)
{
    FUZZ_CHECK(!text.empty(), "%s: empty text", context.c_str());
    int commas = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool signPlace = i == 0 || text[i - 1] == 'E';
        FUZZ_CHECK((c >= '0' && c <= '9') || c == ',' || c == 'E' || (c == '-' && signPlace),
                   "%s: \"%s\" has '%c' at %zu", context.c_str(), text.c_str(), c, i);
        commas += c == ',';
    }
    FUZZ_CHECK(commas <= 1, "%s: \"%s\" has %d commas", context.c_str(), text.c_str(), commas);
    FUZZ_CHECK(text[0] != ',' && text.back() != ',', "%s: \"%s\" has a bare comma", context.c_str(), text.c_str());
}

// "d" or "d,ddd" without trailing zeros, "E", the exponent without "+" or leading zeros.
void checkScientific(const std::string& text, const ExactValue& value, const std::string& context)
{
    const std::size_t e = text.find('E');
    const std::string mantissa = text.substr(text[0] == '-' ? 1 : 0, e - (text[0] == '-' ? 1 : 0));
    const std::string exponent = text.substr(e + 1);
    FUZZ_CHECK(mantissa.size() == 1 || (mantissa.size() > 2 && mantissa[1] == ',' && mantissa.back() != '0'),
               "%s: mantissa of \"%s\"", context.c_str(), text.c_str());
    FUZZ_CHECK(mantissa[0] != '0', "%s: leading zero in \"%s\"", context.c_str(), text.c_str());
    const std::string magnitude = exponent.substr(exponent[0] == '-' ? 1 : 0);
    FUZZ_CHECK(!magnitude.empty() && (magnitude == "0" || magnitude[0] != '0'), "%s: exponent of \"%s\"",
               context.c_str(), text.c_str());
    FUZZ_CHECK(std::to_string(fuzz::leadingExponent(value)) == exponent, "%s: exponent of \"%s\"", context.c_str(),
               text.c_str());
}

void checkGeneral(const ExactValue& value, const std::string& text, const std::string& context)
{
    checkCharacters(text, context);
    const ExactValue expected = fuzz::roundedToDigits(value, 15);
    FUZZ_CHECK(reread(text, context) == expected, "%s: general \"%s\" is not %s", context.c_str(), text.c_str(),
               fuzz::describe(expected).c_str());
    if (expected.digits.empty()) {
        FUZZ_CHECK(text == "0", "%s: zero as \"%s\"", context.c_str(), text.c_str());
        return;
    }
    FUZZ_CHECK(expected.negative == (text[0] == '-'), "%s: sign of \"%s\"", context.c_str(), text.c_str());
    const long leading = fuzz::leadingExponent(expected);
    const bool scientific = leading < -4 || leading >= 15;
    FUZZ_CHECK(scientific == (text.find('E') != std::string::npos), "%s: form of \"%s\"", context.c_str(), text.c_str());
    if (scientific) {
        checkScientific(text, expected, context);
    } else if (const std::size_t comma = text.find(','); comma != std::string::npos) {
        FUZZ_CHECK(text.back() != '0', "%s: trailing zero in \"%s\"", context.c_str(), text.c_str());
    }
}

void checkFixed(const ExactValue& value, int decimals, int precision, const std::string& text, const std::string& context)
{
    checkCharacters(text, context);
    // Rounded to D decimals: keep the digits down to the power 10^-D.
    const ExactValue rounded = fuzz::roundedToDigits(value, fuzz::leadingExponent(value) + 1 + decimals);
    const bool roundedAway = !value.digits.empty() && fuzz::leadingExponent(value) + 1 + decimals < 0;
    const ExactValue shown = roundedAway ? ExactValue{} : rounded;
    const long integerDigits = shown.digits.empty() ? 0 : fuzz::leadingExponent(shown) + 1;
    if (integerDigits > precision) {
        const ExactValue expected = fuzz::roundedToDigits(value, precision);
        FUZZ_CHECK(reread(text, context) == expected, "%s: fixed \"%s\" is not %s", context.c_str(), text.c_str(),
                   fuzz::describe(expected).c_str());
        FUZZ_CHECK(text.find('E') != std::string::npos, "%s: \"%s\" not scientific", context.c_str(), text.c_str());
        checkScientific(text, expected, context);
        return;
    }
    FUZZ_CHECK(reread(text, context) == shown, "%s: fixed \"%s\" is not %s", context.c_str(), text.c_str(),
               fuzz::describe(shown).c_str());
    FUZZ_CHECK(text.find('E') == std::string::npos, "%s: \"%s\" scientific", context.c_str(), text.c_str());
    const std::size_t comma = text.find(',');
    const std::size_t after = comma == std::string::npos ? 0 : text.size() - comma - 1;
    FUZZ_CHECK(long(after) == decimals, "%s: \"%s\" has %zu decimals", context.c_str(), text.c_str(), after);
    FUZZ_CHECK(!shown.digits.empty() || text[0] != '-', "%s: minus zero \"%s\"", context.c_str(), text.c_str());
    const std::string integerPart = text.substr(text[0] == '-' ? 1 : 0, (comma == std::string::npos ? text.size() : comma) - (text[0] == '-' ? 1 : 0));
    FUZZ_CHECK(integerPart == "0" || integerPart[0] != '0', "%s: leading zero in \"%s\"", context.c_str(), text.c_str());
}

// The 18 significant digits a binary value is first expanded to.
ExactValue expanded(long double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17Le", value);
    std::string digits;
    const char* p = buffer;
    const bool negative = *p == '-';
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digits += *p;
    const long leading = std::atol(p + 1);
    return fuzz::normalised(negative, digits, leading - long(digits.size()) + 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const int mode = input.ConsumeIntegralInRange(0, 2);
    const int decimals = input.ConsumeIntegralInRange(0, 10);
    const int precision = input.ConsumeIntegralInRange(1, 20);
    const std::string context = "mode " + std::to_string(mode) + " D=" + std::to_string(decimals) + " P=" + std::to_string(precision);
    if (mode == 2) {
        // An exact decimal of up to 40 digits.
        const bool negative = input.ConsumeBool();
        const int exponent = input.ConsumeIntegralInRange(-60, 60);
        std::string digits;
        for (const char c : input.ConsumeRandomLengthString(40))
            digits += char('0' + (static_cast<unsigned char>(c) % 10));
        const number::Decimal value = number::Decimal::fromDigits(negative, digits, exponent);
        const ExactValue exact = fuzz::normalised(negative, digits, exponent);
        checkGeneral(exact, number::generalNumberText(value), context + " " + fuzz::describe(exact));
        checkFixed(exact, decimals, precision, number::fixedNumberText(value, decimals, precision),
                   context + " " + fuzz::describe(exact));
        return 0;
    }
    long double value = 0;
    if (mode == 0) {
        // Any 80-bit pattern, made a valid encoding: the explicit integer bit follows the exponent.
        std::uint8_t bytes[16] = {};
        const auto raw = input.ConsumeBytes<std::uint8_t>(10);
        if (!raw.empty())
            std::memcpy(bytes, raw.data(), raw.size());
        const bool denormal = (bytes[8] | (bytes[9] & 0x7f)) == 0;
        bytes[7] = denormal ? (bytes[7] & 0x7f) : (bytes[7] | 0x80);
        std::memcpy(&value, bytes, sizeof value < 16 ? sizeof value : 16);
    } else {
        value = input.ConsumeFloatingPoint<double>();
    }
    if (!std::isfinite(value))
        return 0;
    char shown[64];
    std::snprintf(shown, sizeof shown, "%.21Lg", value);
    const ExactValue exact = value == 0 ? ExactValue{} : expanded(value);
    checkGeneral(exact, number::generalNumberText(value), context + " " + shown);
    return 0;
}
