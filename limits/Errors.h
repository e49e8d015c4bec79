// The errors of usage, reading and input/output of dopusk-limits, as data: a
// stable English code for programs, and the Russian message written from it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "Status.h"

namespace limits {

enum class ErrorCode : std::uint8_t {
    UnknownOption,       // subject: the option
    OptionNeedsValues,   // subject: the option
    OptionRepeated,      // subject: the option
    OptionsConflict,     // subject and other: the two options
    OptionNeedsFind,     // subject: --holes or --shafts
    SizeMissing,
    QueryMissing,
    ExtraArgument,       // subject: the argument
    SizeUnreadable,      // subject: the text as typed, likewise below
    SizeTooFine,
    DeviationUnreadable,
    DeviationTooFine,
    DeviationOutOfRange,
    DeviationsReversed,  // subject: the upper, other: the lower
    ClassUnreadable,
    NotAHole,            // subject: the fit
    NotAShaft,           // subject: the fit
    ThreadUnreadable,      // subject: the designation as typed
    ThreadClassUnreadable, // subject: the designation
    ThreadFitReversed,     // subject: the designation
    LineUnreadable,
    LineTooLong,
    InputFailed,         // subject: the file ("-": standard input), other: the system's reason
    OutputFailed,        // other: the system's reason
};

struct Error {
    Error() = default;
    explicit Error(ErrorCode code, std::string subject = {}, std::string other = {})
        : code(code), subject(std::move(subject)), other(std::move(other))
    {
    }

    ErrorCode code = ErrorCode::LineUnreadable;
    std::string subject;
    std::string other;
};

// "unknown_option", "size_unreadable", ...
const char* errorCodeName(ErrorCode code);
// The message in one line, in Russian, what the user typed made safe.
std::string errorText(const Error& error);
// BadUsage, or InputOutput for the failures of reading and writing.
Status errorStatus(ErrorCode code);

// The longest batch line read; a longer one is refused whole.
inline constexpr std::size_t LongestLine = 4096;

} // namespace limits
