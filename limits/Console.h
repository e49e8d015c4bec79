// The tool's texts are UTF-8 on every system. On Windows the arguments are taken from the
// wide command line (argv there is in the ANSI code page), the standard streams write the
// bytes as they are (no CR added before LF), and a console shows them as UTF-8.
#pragma once

#include <string>
#include <vector>

namespace limits {

// The arguments after the program's name, in UTF-8.
std::vector<std::string> utf8Arguments(int argc, char** argv);

// While it lives, a Windows console reads and shows UTF-8; its code pages are put back after.
// Elsewhere, and when no stream is a console, it does nothing.
class Utf8Console {
public:
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;

private:
    unsigned inputCodePage_ = 0;
    unsigned outputCodePage_ = 0;
};

} // namespace limits
