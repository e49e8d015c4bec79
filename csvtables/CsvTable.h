// The CSV tables the build compiles in: reading them for the table generators of
// iso286 and iso965, refusing them with the file and line of the fault, and
// writing the generated source. Header only, without Qt; the generators alone use it.
#pragma once

#include <cstdio>
#include <exception>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace csvtables {

// What the tables must not hold; the message names the file and, where there is one, the line.
struct Fault : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The rows after the header, each with its line in the file.
struct Table {
    std::string file;
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    std::vector<int> lines;

    std::string where(std::size_t row) const { return file + ":" + std::to_string(lines[row]); }
};

// The cells of one line; a trailing comma ends in an empty cell.
inline std::vector<std::string> splitLine(const std::string& line)
{
    std::vector<std::string> cells;
    std::string cell;
    std::istringstream in(line);
    while (std::getline(in, cell, ','))
        cells.push_back(cell);
    if (!line.empty() && line.back() == ',')
        cells.emplace_back();
    return cells;
}

// `dir`/`file`, which must start with `header` and give each row as many cells; blank lines are skipped,
// CR LF line ends read as LF.
inline Table readTable(const std::string& dir, const std::string& file, const std::vector<std::string>& header)
{
    std::ifstream in(dir + "/" + file);
    if (!in)
        throw Fault(file + ": cannot be read");
    Table table{file, {}, {}, {}};
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        auto cells = splitLine(line);
        if (table.header.empty()) {
            if (cells != header)
                throw Fault(file + ":" + std::to_string(number) + ": unexpected header \"" + line + "\"");
            table.header = cells;
            continue;
        }
        if (cells.size() != header.size())
            throw Fault(file + ":" + std::to_string(number) + ": " + std::to_string(cells.size()) + " cells, not " +
                        std::to_string(header.size()));
        table.rows.push_back(std::move(cells));
        table.lines.push_back(number);
    }
    if (table.rows.empty())
        throw Fault(file + ": no rows");
    return table;
}

// Written only when it changes, so that an unchanged table rebuilds nothing.
inline void writeIfChanged(const std::string& output, const std::string& text)
{
    std::ifstream old(output);
    std::stringstream previous;
    previous << old.rdbuf();
    if (old && previous.str() == text)
        return;
    old.close();
    std::ofstream file(output);
    file << text;
    if (!file)
        throw Fault(output + ": cannot be written");
}

// A generator's main: `generate(<tables dir>, <output .cpp>)`, its fault on stderr after `name`.
template <typename Generate>
int runGenerator(int argc, char** argv, const char* name, Generate generate)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <tables dir> <output .cpp>\n", argv[0]);
        return 2;
    }
    try {
        generate(argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", name, e.what());
        return 1;
    }
    return 0;
}

} // namespace csvtables
