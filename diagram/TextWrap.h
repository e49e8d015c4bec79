// A note of a diagram broken into lines no wider than its drawing, between words,
// so that a long reason is read whole. A word wider than the drawing keeps a line
// of its own.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace diagram_text {

using TextWidth = std::function<double(const std::string& text)>;

inline std::vector<std::string> wrapped(const std::string& text, double width, const TextWidth& widthOf)
{
    std::vector<std::string> lines;
    std::string line;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t space = text.find(' ', start);
        const std::size_t end = space == std::string::npos ? text.size() : space;
        const std::string word = text.substr(start, end - start);
        start = end + 1;
        if (word.empty())
            continue;
        const std::string longer = line.empty() ? word : line + ' ' + word;
        if (!line.empty() && widthOf(longer) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

} // namespace diagram_text
