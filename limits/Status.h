// The exit status of dopusk-limits.
#pragma once

namespace limits {

enum class Status {
    Defined = 0,     // every answer defined (--find: a class matched exactly)
    NotDefined = 1,  // a class, fit or size refused, or no exact match
    BadUsage = 2,    // an option, argument or batch line that does not read
    InputOutput = 3, // the input could not be read or the answer not written
};

// The status of a run of several answers: the worst of them.
constexpr Status worse(Status a, Status b) { return int(a) >= int(b) ? a : b; }

constexpr int exitCode(Status status) { return int(status); }

} // namespace limits
