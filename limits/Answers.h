// One answer of dopusk-limits per query, as text or JSON, with its exit status.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "CommandLine.h"
#include "Errors.h"
#include "Status.h"

namespace limits {

struct Answer {
    Status status = Status::Defined;
    std::string output; // the answer: text lines, or one JSON object without the new line; empty on an error
    std::optional<Error> error;
};

// "SIZE CLASS" or "SIZE HOLE/SHAFT", the two texts as typed.
Answer answerQuery(std::string_view size, std::string_view query, const iso286::Options& options, Format format);
Answer answerFind(const Request& request);
Answer answerClasses(const Request& request);
// One line of --batch input: the size and the query separated by blanks, or a
// thread query ("M10-6g", "--threads 10").
Answer answerLine(std::string_view line, const iso286::Options& options, Format format);

} // namespace limits
