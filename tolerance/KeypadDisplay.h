// The keypad's display and memory as plain text, without any window.
//
// The display always holds at least one character: "0" stands for nothing entered,
// otherwise digits with at most one decimal separator (the interface's comma or point), never in front.
#pragma once

#include <array>
#include <string>

class KeypadDisplay {
public:
    static constexpr int CellCount = 7;

    const std::string& text() const { return m_text; }
    bool pointEntered() const { return PointEntered; }

    // Back to a fresh display: "0", no comma.
    void reset();
    // A lone zero is replaced by the digit, anything else gets the digit appended.
    void appendDigit(char digit);
    // Appends the decimal separator unless the display already holds one.
    void enterPoint();
    void backspace();
    // Enter: a trailing comma and trailing blanks go; the display keeps the result.
    const std::string& finish();

    // Cells are numbered 1 ... CellCount. Storing a display that is zero (or no number)
    // changes nothing and returns false; otherwise the cell takes the display text as it
    // stands and the display starts afresh.
    bool store(int cell);
    void recall(int cell);
    void clearCell(int cell);
    void clearAllCells();
    const std::string& cellText(int cell) const;
    // "N3 - (12,5)", or "N3 - (0)" for an empty cell.
    std::string cellCaption(int cell) const;

    static bool hasComma(const std::string& text);
    // True for a keypad text (digits, at most one comma, not in front) that is not zero.
    static bool readsAsNonZero(const std::string& text);

private:
    std::string m_text = "0";
    bool PointEntered = false;
    std::array<std::string, CellCount> MemoryCells;
};
