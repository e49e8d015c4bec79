// What the user typed, made safe to show again in a message.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace limits {

// The characters of a text, each as its UTF-8 bytes; every byte that does not
// start a well-formed UTF-8 sequence is one U+FFFD.
std::vector<std::string> utf8Characters(std::string_view text);

// The typed text for a message: control characters and bad bytes as "?", at
// most 40 characters, longer texts cut with "…".
std::string shownInput(std::string_view text);

} // namespace limits
