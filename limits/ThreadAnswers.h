// The thread queries of dopusk-limits: a thread of the ISO 261 plan alone, with
// the class of a nut or of a bolt, or with a fit of the two ("M10",
// "M10x1,5-6H", "M10-6g", "M10x1,25-6H/6g"), and the plan itself or the
// pitches at one diameter (--threads [D]).
#pragma once

#include <optional>
#include <string_view>

#include "Answers.h"

namespace limits {

// A query is a thread's when it begins with the letter M, Latin or Cyrillic,
// in either case: no size of a tolerance class does.
bool isThreadQuery(std::string_view text);

Answer answerThread(std::string_view designation, Format format);
// `diameter` empty: every thread of the plan.
Answer answerThreads(std::string_view diameter, Format format);

// A batch line that asks about threads ("M10-6g", "--threads 10"); none for any other.
std::optional<Answer> answerThreadLine(std::string_view line, Format format);

} // namespace limits
