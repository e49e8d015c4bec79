// Shared pieces of the fuzz targets: a failure report that aborts, and an
// independent reader of the number grammar that gives the exact value as text.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#define FUZZ_CHECK(condition, ...)                                                                                     \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__);                        \
            std::fprintf(stderr, __VA_ARGS__);                                                                         \
            std::fprintf(stderr, "\n");                                                                                \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (0)

namespace fuzz {

// A number as the grammar reads it: sign, the digits of the mantissa without the comma,
// the count of digits after the comma and the exponent (saturated far beyond any double).
struct GrammarNumber {
    bool negative = false;
    std::string integerDigits;
    std::string fractionDigits;
    long exponent = 0;
};

// The grammar of the number boxes, written as a table of states:
//   blanks* [+-]? digits* (',' digits*)? ([Ee] [+-]? digits+)? blanks*
// with at least one digit or the comma between the sign and the exponent.
inline bool readGrammar(std::string_view text, GrammarNumber* out)
{
    enum State { Lead, Sign, Int, Frac, ExpMark, ExpSign, Exp, Trail };
    State state = Lead;
    GrammarNumber number;
    bool expNegative = false;
    for (const char c : text) {
        const bool digit = c >= '0' && c <= '9';
        switch (state) {
        case Lead:
            if (c == ' ') break;
            if (c == '+' || c == '-') { number.negative = c == '-'; state = Sign; break; }
            if (digit) { number.integerDigits += c; state = Int; break; }
            if (c == ',') { state = Frac; break; }
            return false;
        case Sign:
            if (digit) { number.integerDigits += c; state = Int; break; }
            if (c == ',') { state = Frac; break; }
            return false;
        case Int:
            if (digit) { number.integerDigits += c; break; }
            if (c == ',') { state = Frac; break; }
            if (c == 'E' || c == 'e') { state = ExpMark; break; }
            if (c == ' ') { state = Trail; break; }
            return false;
        case Frac:
            if (digit) { number.fractionDigits += c; break; }
            if (c == 'E' || c == 'e') { state = ExpMark; break; }
            if (c == ' ') { state = Trail; break; }
            return false;
        case ExpMark:
            if (c == '+' || c == '-') { expNegative = c == '-'; state = ExpSign; break; }
            [[fallthrough]];
        case ExpSign:
        case Exp:
            if (!digit) {
                if (state == Exp && c == ' ') { state = Trail; break; }
                return false;
            }
            if (number.exponent < 100000000L)
                number.exponent = number.exponent * 10 + (c - '0');
            state = Exp;
            break;
        case Trail:
            if (c == ' ') break;
            return false;
        }
    }
    const bool accepted = state == Int || state == Frac || state == Exp || state == Trail;
    if (accepted && out) {
        if (expNegative)
            number.exponent = -number.exponent;
        *out = number;
    }
    return accepted;
}

// The exact value of a digit string times a power of ten, normalised: no leading or
// trailing zeros ("" for zero), `exponent` the power of ten of the last digit kept.
struct ExactValue {
    bool negative = false;
    std::string digits;
    long exponent = 0;
    bool operator==(const ExactValue&) const = default;
};

inline ExactValue normalised(bool negative, std::string digits, long exponent)
{
    std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return {};
    digits.erase(0, first);
    while (digits.back() == '0') {
        digits.pop_back();
        ++exponent;
    }
    return {negative, digits, exponent};
}

inline ExactValue exactValueOf(const GrammarNumber& number)
{
    return normalised(number.negative, number.integerDigits + number.fractionDigits,
                      number.exponent - long(number.fractionDigits.size()));
}

// Keeps `keep` leading digits of a normalised value, rounding half up in magnitude.
inline ExactValue roundedToDigits(const ExactValue& value, long keep)
{
    const long count = long(value.digits.size());
    if (value.digits.empty() || keep >= count)
        return value;
    if (keep < 0)
        return {};
    std::string kept = value.digits.substr(0, std::size_t(keep));
    const bool up = value.digits[std::size_t(keep)] >= '5';
    long exponent = value.exponent + (count - keep);
    if (up) {
        long i = long(kept.size()) - 1;
        while (i >= 0 && kept[std::size_t(i)] == '9')
            kept[std::size_t(i--)] = '0';
        if (i < 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[std::size_t(i)];
    }
    return normalised(value.negative, kept, exponent);
}

// Power of ten of the leading digit (zero: 0).
inline long leadingExponent(const ExactValue& value)
{
    return value.digits.empty() ? 0 : value.exponent + long(value.digits.size()) - 1;
}

inline std::string describe(const ExactValue& value)
{
    if (value.digits.empty())
        return "0";
    return std::string(value.negative ? "-" : "") + value.digits + "E" + std::to_string(value.exponent);
}

} // namespace fuzz
