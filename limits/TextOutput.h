// The answers of dopusk-limits as Russian text, numbers with the decimal comma
// and written exactly, as the program shows them.
#pragma once

#include <string>

#include "ClassList.h"
#include "Fit.h"
#include "ReverseLookup.h"
#include "Shown.h"

namespace limits {

// Exact, with the comma: "25,021", "-7,5", "0".
std::string commaText(const iso286::Decimal& value);

std::string classText(const SizeShown& size, const iso286::Limits& limits);
std::string fitText(const SizeShown& size, const iso286::Fit& fit);
std::string lookupText(const SizeShown& size, const Target& target, const iso286::Lookup& lookup);
std::string classesText(const SizeShown& size, const iso286::ClassesAtSize& classes);
std::string refusedSizeText(const SizeShown& size, const iso286::Refusal& refusal);

} // namespace limits
