// The arguments of dopusk-limits, read into one request.
#pragma once

#include <string>
#include <vector>

#include "ReverseLookup.h"

namespace limits {

enum class Mode { Query, Find, Classes, Batch, Help };

struct Request {
    Mode mode = Mode::Query;
    std::string size;   // as typed
    std::string query;  // "H7" or "H7/p6" (Mode::Query)
    std::string upper;  // µm as typed (Mode::Find)
    std::string lower;
    iso286::Search search = iso286::Search::Both;
    bool json = false;
    iso286::Options options;
    std::string error; // not empty: bad usage, in one line
};

Request readCommandLine(const std::vector<std::string>& arguments);

// The usage text of --help.
const char* usageText();

} // namespace limits
