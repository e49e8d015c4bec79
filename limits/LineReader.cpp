#include "LineReader.h"

#include <cerrno>

#include "Errors.h"

namespace limits {

LineReader::LineReader(std::FILE* file) : m_file(file) {}

bool LineReader::fill()
{
    if (m_ended)
        return false;
    errno = 0;
    m_length = std::fread(m_buffer, 1, sizeof m_buffer, m_file);
    m_position = 0;
    if (m_length == 0) {
        m_ended = true;
        if (std::ferror(m_file))
            m_error = errno ? errno : EIO;
        return false;
    }
    return true;
}

bool LineReader::next(std::string& line, bool& tooLong)
{
    line.clear();
    tooLong = false;
    bool any = false;
    for (;;) {
        if (m_position == m_length && !fill())
            return any && m_error == 0;
        if (!m_started) {
            // The mark may come in the first piece only; inputs shorter than it have none.
            m_started = true;
            if (m_length >= 3 && m_buffer[0] == '\xEF' && m_buffer[1] == '\xBB' && m_buffer[2] == '\xBF')
                m_position = 3;
            continue;
        }
        const char c = m_buffer[m_position++];
        if (m_afterCr) {
            m_afterCr = false;
            if (c == '\n')
                continue;
        }
        if (c == '\n')
            return true;
        if (c == '\r') {
            m_afterCr = true;
            return true;
        }
        any = true;
        if (line.size() < LongestLine)
            line += c;
        else
            tooLong = true;
    }
}

} // namespace limits
