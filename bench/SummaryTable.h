// A table of a benchmark summary: printed on the terminal and, when the environment
// variable BENCH_MARKDOWN names a file, appended to that file as a Markdown table
// (./bench.sh puts those tables into the README). The first column is the figure's
// name, left-aligned; the others are right-aligned but the last (the target).
#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

class SummaryTable {
public:
    // `widths`: the terminal width of each column.
    SummaryTable(const std::string& heading, std::vector<std::string> columns, std::vector<int> widths)
        : m_widths(std::move(widths))
    {
        std::printf("\n%s\n", heading.c_str());
        print(columns);
        if (const char* path = std::getenv("BENCH_MARKDOWN"); path && *path)
            m_markdown = std::fopen(path, "a");
        if (m_markdown) {
            std::fprintf(m_markdown, "\n**%s**\n\n", heading.c_str());
            writeMarkdown(columns);
            std::string rule = "|";
            for (std::size_t i = 0; i < columns.size(); ++i)
                rule += "---|";
            std::fprintf(m_markdown, "%s\n", rule.c_str());
        }
    }
    ~SummaryTable()
    {
        if (m_markdown)
            std::fclose(m_markdown);
    }
    SummaryTable(const SummaryTable&) = delete;
    SummaryTable& operator=(const SummaryTable&) = delete;

    void row(const std::vector<std::string>& cells)
    {
        print(cells);
        writeMarkdown(cells);
    }
    // A line of its own on the terminal only, such as a breakdown of the row before.
    void note(const std::string& text) { std::printf("%s\n", text.c_str()); }

private:
    // Characters, not bytes: names may hold Russian.
    static int characters(const std::string& text)
    {
        int n = 0;
        for (unsigned char c : text)
            n += (c & 0xC0) != 0x80;
        return n;
    }
    void print(const std::vector<std::string>& cells) const
    {
        std::string line;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const int width = i < m_widths.size() ? m_widths[i] : 0;
            const std::string pad(std::size_t(std::max(0, width - characters(cells[i]))), ' ');
            const bool left = i == 0 || i + 1 == cells.size();
            line += (i ? "  " : "") + (left ? cells[i] + (i + 1 == cells.size() ? "" : pad) : pad + cells[i]);
        }
        std::printf("%s\n", line.c_str());
    }
    void writeMarkdown(const std::vector<std::string>& cells) const
    {
        if (!m_markdown)
            return;
        std::string line = "|";
        for (const std::string& cell : cells)
            line += " " + cell + " |";
        std::fprintf(m_markdown, "%s\n", line.c_str());
    }

    std::vector<int> m_widths;
    std::FILE* m_markdown = nullptr;
};
