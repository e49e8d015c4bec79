// Sizes and deviations as a user types them: with a decimal comma or a full stop.
#pragma once

#include <optional>
#include <string_view>

#include "Decimal.h"

namespace iso286 {

// The number grammar of the program (tolerance::parseNumberText: sign, digits,
// one decimal separator, an exponent), with a full stop read as the comma.
// A text holding both a comma and a full stop does not read.
std::optional<tolerance::Decimal> readNumber(std::string_view text);

} // namespace iso286
