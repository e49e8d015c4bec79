// Sizes and deviations as a user types them: with a decimal comma or a full stop.
#pragma once

#include <optional>
#include <string_view>

#include "Decimal.h"

namespace iso286 {

// Numbers are the number library's exact decimals.
using number::Decimal;

// The number grammar of the program (number::parseNumberText: sign, digits,
// one decimal separator, an exponent), with a full stop read as the comma.
// A text holding both a comma and a full stop does not read.
std::optional<number::Decimal> readNumber(std::string_view text);

} // namespace iso286
