// Number reading and the two number texts of the program. The decimal separator is
// the interface language's (the comma in Russian, the point in English), whatever the
// system locale; a comma always reads.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Decimal.h"

namespace number {

// The decimal separator of the interface's language: the comma (Russian) unless the
// program chose another at start-up. Texts are written with it; a comma always reads.
void setInterfaceDecimalSeparator(char separator);
char interfaceDecimalSeparator();

// Text to number: optional blanks, optional sign, digits with an optional comma
// (either side may be empty, not both), optional exponent "E"/"e" with sign and
// digits, optional blanks. Fails on anything else and on values beyond a double.
std::optional<Decimal> parseNumberText(std::string_view text);

// General number text: 15 significant digits rounded half up in magnitude, no
// trailing zeros, `separator`, minus only for negatives; scientific below 0.0001 and
// above 15 integer digits ("5E-5", "1,2E-5"). Zero (and minus zero) is "0".
std::string generalNumberText(const Decimal& value, char separator = interfaceDecimalSeparator());
std::string generalNumberText(long double value, char separator = interfaceDecimalSeparator());

// Fixed number text: exactly `decimals` digits after `separator`; when the integer
// part has more than `precision` digits, the scientific form with `precision`
// significant digits instead.
std::string fixedNumberText(const Decimal& value, int decimals, int precision,
                            char separator = interfaceDecimalSeparator());

// Every digit of the value, unrounded, with `separator`: "-12,5", "0,0001", "25".
std::string plainNumberText(const Decimal& value, char separator = interfaceDecimalSeparator());

} // namespace number
