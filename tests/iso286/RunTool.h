// Runs the built dopusk-limits through the shell as a user would, with its
// standard input from a text, and collects its exit status and both outputs.
#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tool {

struct Result {
    int status = -1; // the exit status; 128 + the signal for a run ended by one
    std::string out;
    std::string err;
};

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Files of this process's own: other runs of the suite may share the folder.
inline std::string scratch(const std::string& name)
{
    return ::testing::TempDir() + "limits_" + std::to_string(getpid()) + "_" + name;
}

// `arguments` as shell words after the tool; `redirections` replace the standard ones.
inline Result run(const std::string& arguments, const std::string& input = "",
                  const std::string& redirections = "")
{
    const std::string in = scratch("in"), out = scratch("out"), err = scratch("err");
    std::ofstream(in, std::ios::binary) << input;
    const std::string command = std::string(DOPUSK_LIMITS) + " " + arguments + " <" + in + " >" + out + " 2>" + err +
                                " " + redirections;
    const int raw = std::system(command.c_str());
    Result r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = readFile(out);
    r.err = readFile(err);
    return r;
}

inline std::vector<std::string> lines(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> result;
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

} // namespace tool
