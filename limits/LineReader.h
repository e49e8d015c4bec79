// The lines of a batch input, read in pieces of a fixed size: a line ends at LF,
// CR LF or a lone CR, a UTF-8 byte-order mark at the start is dropped, and no
// line is held longer than LongestLine bytes, so that any input is read in
// constant memory.
#pragma once

#include <cstdio>
#include <string>

namespace limits {

class LineReader {
public:
    explicit LineReader(std::FILE* file);

    // The next line without its end; false at the end of the input or on a
    // failure to read. `tooLong`: the line was longer than LongestLine bytes and
    // `line` holds its start only.
    bool next(std::string& line, bool& tooLong);
    // The system's error number of a failed read, 0 if none.
    int error() const { return m_error; }

private:
    bool fill();

    std::FILE* m_file;
    char m_buffer[65536];
    std::size_t m_position = 0;
    std::size_t m_length = 0;
    bool m_started = false;  // the byte-order mark was looked for
    bool m_afterCr = false;  // the last line ended in CR: an LF now belongs to it
    bool m_ended = false;
    int m_error = 0;
};

} // namespace limits
