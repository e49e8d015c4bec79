#include "NumberText.h"

#include <cmath>
#include <cstdio>

namespace number {

namespace {

constexpr int GeneralDigits = 15;
constexpr int ExponentLimit = 100000; // far beyond any double; keeps the exponent an int

// Adds one unit in the last place of a digit string; "999" becomes "1000".
std::string incremented(std::string digits)
{
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return digits;
        }
        digits[i] = '0';
    }
    return "1" + digits;
}

// Keeps the first `keep` digits, rounding half up in magnitude on the first dropped one.
Decimal cutDigits(const Decimal& value, long keep)
{
    const std::string& digits = value.digits();
    if (keep >= long(digits.size()))
        return value;
    const int exponent = value.exponent() + int(long(digits.size()) - keep);
    if (keep < 0)
        return {};
    const bool roundUp = digits[std::size_t(keep)] >= '5';
    std::string kept = digits.substr(0, std::size_t(keep));
    if (roundUp)
        kept = incremented(kept);
    return Decimal::fromDigits(value.isNegative(), kept, exponent);
}

Decimal roundSignificant(const Decimal& value, int significant)
{
    return cutDigits(value, significant);
}

Decimal roundDecimals(const Decimal& value, int decimals)
{
    if (value.isZero() || value.exponent() >= -decimals)
        return value;
    const long dropped = long(-decimals) - value.exponent();
    return cutDigits(value, long(value.digits().size()) - dropped);
}

char decimalSeparator = ',';

std::string signOf(const Decimal& value) { return value.isNegative() ? "-" : ""; }

// "1,2E-5": the digits with a comma after the first, then the exponent.
std::string scientificText(const Decimal& rounded, char separator)
{
    const std::string& digits = rounded.digits();
    std::string text = signOf(rounded) + digits.substr(0, 1);
    if (digits.size() > 1)
        text += separator + digits.substr(1);
    return text + "E" + std::to_string(rounded.leadingExponent());
}

// Positional text with at least `decimals` digits after the comma (and no trailing
// comma when there are none).
std::string positionalText(const Decimal& value, int decimals, char separator)
{
    const std::string& digits = value.digits();
    const int exponent = value.exponent();
    std::string integerPart;
    std::string fraction;
    if (exponent >= 0) {
        integerPart = digits + std::string(std::size_t(exponent), '0');
    } else {
        const long integerDigits = long(digits.size()) + exponent;
        if (integerDigits > 0) {
            integerPart = digits.substr(0, std::size_t(integerDigits));
            fraction = digits.substr(std::size_t(integerDigits));
        } else {
            integerPart = "0";
            fraction = std::string(std::size_t(-integerDigits), '0') + digits;
        }
    }
    if (long(fraction.size()) < decimals)
        fraction += std::string(std::size_t(decimals - long(fraction.size())), '0');
    return signOf(value) + integerPart + (fraction.empty() ? std::string() : separator + fraction);
}

// A binary value is first expanded to 18 significant decimal digits.
std::optional<Decimal> expandedLongDouble(long double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    if (value == 0)
        return Decimal{};
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17Le", value);
    // "-1.23456789012345678e-05"; the separator depends on the C locale, so skip any non-digit.
    bool negative = false;
    std::string digits;
    const char* p = buffer;
    if (*p == '-') {
        negative = true;
        ++p;
    }
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digits += *p;
    const int leading = (*p == 'e') ? std::atoi(p + 1) : 0;
    return Decimal::fromDigits(negative, digits, leading - int(digits.size()) + 1);
}

std::string nonFiniteText(long double value)
{
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

bool isBlank(char c) { return c == ' '; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::optional<Decimal> parseNumberText(std::string_view text)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string digits;
    long fractionDigits = 0;
    bool mantissaSeen = false;
    while (i < n && isDigit(text[i])) {
        digits += text[i++];
        mantissaSeen = true;
    }
    if (i < n && (text[i] == ',' || text[i] == decimalSeparator)) {
        ++i;
        mantissaSeen = true;
        while (i < n && isDigit(text[i])) {
            digits += text[i++];
            ++fractionDigits;
        }
    }
    if (!mantissaSeen)
        return std::nullopt;
    long exponent = 0;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool exponentNegative = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            exponentNegative = text[i] == '-';
            ++i;
        }
        if (i >= n || !isDigit(text[i]))
            return std::nullopt;
        while (i < n && isDigit(text[i])) {
            if (exponent < ExponentLimit)
                exponent = exponent * 10 + (text[i] - '0');
            ++i;
        }
        if (exponentNegative)
            exponent = -exponent;
    }
    while (i < n && isBlank(text[i]))
        ++i;
    if (i != n)
        return std::nullopt;
    // Keep the exponent within an int whatever the number of digits typed.
    const long scale = exponent - fractionDigits;
    if (scale > ExponentLimit || scale < -ExponentLimit - long(text.size())) {
        const Decimal probe = Decimal::fromDigits(false, digits, 0);
        if (probe.isZero())
            return Decimal{};
        if (scale > 0)
            return std::nullopt; // far beyond a double
        return Decimal{};        // far below the smallest double
    }
    Decimal value = Decimal::fromDigits(negative, std::move(digits), int(scale));
    if (std::isinf(value.toDouble()))
        return std::nullopt;
    return value;
}

std::string generalNumberText(const Decimal& value, char separator)
{
    if (value.isZero())
        return "0";
    const Decimal rounded = roundSignificant(value, GeneralDigits);
    const int leading = rounded.leadingExponent();
    if (leading < -4 || leading >= GeneralDigits)
        return scientificText(rounded, separator);
    return positionalText(rounded, 0, separator);
}

std::string generalNumberText(long double value, char separator)
{
    const auto expanded = expandedLongDouble(value);
    return expanded ? generalNumberText(*expanded, separator) : nonFiniteText(value);
}

std::string fixedNumberText(const Decimal& value, int decimals, int precision, char separator)
{
    const Decimal rounded = roundDecimals(value, decimals);
    if (rounded.isZero())
        return decimals > 0 ? "0" + std::string(1, separator) + std::string(std::size_t(decimals), '0') : "0";
    const int integerDigits = rounded.leadingExponent() + 1;
    if (integerDigits > precision)
        return scientificText(roundSignificant(value, precision), separator);
    return positionalText(rounded, decimals, separator);
}

std::string plainNumberText(const Decimal& value, char separator)
{
    std::string text = value.toPlainString();
    for (char& c : text)
        if (c == '.')
            c = separator;
    return text;
}

void setInterfaceDecimalSeparator(char separator) { decimalSeparator = separator; }

char interfaceDecimalSeparator() { return decimalSeparator; }

} // namespace number
