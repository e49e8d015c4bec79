// One answer of dopusk-limits per query, as text or JSON, with its exit status.
#pragma once

#include <string>
#include <string_view>

#include "CommandLine.h"

namespace limits {

enum Status { Defined = 0, NotDefined = 1, BadUsage = 2 };

struct Answer {
    Status status = Defined;
    std::string output; // the answer, ending in a new line; empty on bad usage
    std::string error;  // bad usage: what is wrong, in one line
};

// "SIZE CLASS" or "SIZE HOLE/SHAFT", the two texts as typed.
Answer answerQuery(std::string_view size, std::string_view query, const iso286::Options& options, bool json);
Answer answerFind(const Request& request);
Answer answerClasses(const Request& request);
// One line of --batch input: the size and the query separated by blanks.
Answer answerLine(std::string_view line, const iso286::Options& options, bool json);

} // namespace limits
