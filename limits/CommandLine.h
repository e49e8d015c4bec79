// The arguments of dopusk-limits, read into one request.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Errors.h"
#include "ReverseLookup.h"

namespace limits {

enum class Mode { Query, Find, Classes, Batch, Thread, Threads, Help, Version };
enum class Format { Text, Json };

struct Request {
    Mode mode = Mode::Query;
    std::string size;   // as typed; Mode::Threads: the diameter, empty for the whole plan
    std::string query;  // "H7" or "H7/p6" (Mode::Query); "M10x1,25-6H/6g" (Mode::Thread)
    std::string upper;  // µm as typed (Mode::Find)
    std::string lower;
    std::string batchFile = "-"; // Mode::Batch: "-" is standard input
    iso286::Search search = iso286::Search::Both;
    Format format = Format::Text;
    iso286::Options options;
    std::optional<Error> error; // bad usage
};

Request readCommandLine(const std::vector<std::string>& arguments);

// The usage text of --help.
std::string usageText();
// "dopusk-limits 4.3.1", for --version.
std::string versionText();

} // namespace limits
