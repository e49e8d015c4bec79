#include "KeypadDisplay.h"

#include "NumberText.h"

namespace {

// The decimal key writes the interface's separator; a text holds one or the other.
bool isSeparator(char c) { return c == ',' || c == '.'; }

} // namespace

void KeypadDisplay::reset()
{
    m_text = "0";
    PointEntered = false;
}

void KeypadDisplay::appendDigit(char digit)
{
    if (m_text == "0")
        m_text = std::string(1, digit);
    else
        m_text += digit;
}

void KeypadDisplay::enterPoint()
{
    if (PointEntered)
        return;
    m_text += number::interfaceDecimalSeparator();
    PointEntered = true;
}

void KeypadDisplay::backspace()
{
    if (m_text == "0")
        return;
    if (isSeparator(m_text.back()))
        PointEntered = false;
    if (m_text.size() > 1)
        m_text.pop_back();
    else
        m_text = "0";
}

const std::string& KeypadDisplay::finish()
{
    if (!m_text.empty() && isSeparator(m_text.back()))
        m_text.back() = ' ';
    while (!m_text.empty() && static_cast<unsigned char>(m_text.back()) <= ' ')
        m_text.pop_back();
    // The comma may have gone: the decimal key must work again.
    PointEntered = hasComma(m_text);
    return m_text;
}

bool KeypadDisplay::store(int cell)
{
    if (!readsAsNonZero(m_text))
        return false;
    MemoryCells.at(cell - 1) = m_text;
    reset();
    return true;
}

void KeypadDisplay::recall(int cell)
{
    const std::string& stored = MemoryCells.at(cell - 1);
    m_text = stored.empty() ? std::string("0") : stored;
    PointEntered = hasComma(stored);
}

void KeypadDisplay::clearCell(int cell) { MemoryCells.at(cell - 1).clear(); }

void KeypadDisplay::clearAllCells()
{
    for (int cell = 1; cell <= CellCount; ++cell)
        clearCell(cell);
}

const std::string& KeypadDisplay::cellText(int cell) const { return MemoryCells.at(cell - 1); }

std::string KeypadDisplay::cellCaption(int cell) const
{
    const std::string& stored = cellText(cell);
    return "N" + std::to_string(cell) + " - (" + (stored.empty() ? std::string("0") : stored) + ")";
}

bool KeypadDisplay::hasComma(const std::string& text) { return text.find_first_of(",.") != std::string::npos; }

bool KeypadDisplay::readsAsNonZero(const std::string& text)
{
    // Read exactly, digit by digit: a number is zero when all its digits are.
    bool digitSeen = false;
    bool nonZeroDigit = false;
    bool commaSeen = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            digitSeen = true;
            nonZeroDigit = nonZeroDigit || c != '0';
        } else if (isSeparator(c) && digitSeen && !commaSeen) {
            commaSeen = true;
        } else {
            return false;
        }
    }
    return nonZeroDigit;
}
