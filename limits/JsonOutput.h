// The answers of dopusk-limits as JSON: English keys, exact decimal numbers
// written as JSON number literals, one object per answer on one line.
#pragma once

#include <string>
#include <string_view>

#include "ClassList.h"
#include "Fit.h"
#include "ReverseLookup.h"

namespace limits {

// A JSON string literal; bytes that are not UTF-8 become U+FFFD.
std::string jsonString(std::string_view text);

std::string classJson(const iso286::Limits& limits);
std::string fitJson(const iso286::Fit& fit);
std::string lookupJson(const iso286::Decimal& size, const iso286::Lookup& lookup);
std::string classesJson(const iso286::Decimal& size, const iso286::ClassesAtSize& classes);
// A size outside the system where a list was asked.
std::string refusedSizeJson(const iso286::Decimal& size);
std::string errorJson(std::string_view message);

} // namespace limits
