// Evaluates a spreadsheet formula of the kind the program copies, as a
// spreadsheet of the Russian locale would: decimal comma, + - * / and brackets,
// blanks between tokens. Two numbers side by side are an error (NaN).
#pragma once

#include <cmath>
#include <string>

namespace formula_check {

class Parser {
public:
    explicit Parser(std::string text) : m_text(std::move(text)) {}
    double run()
    {
        skip();
        if (!eat('='))
            return NAN;
        const double value = sum();
        skip();
        return m_pos == m_text.size() ? value : NAN;
    }

private:
    void skip()
    {
        while (m_pos < m_text.size() && m_text[m_pos] == ' ')
            ++m_pos;
    }
    bool eat(char c)
    {
        skip();
        if (m_pos < m_text.size() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }
    double sum()
    {
        double value = product();
        for (;;) {
            if (eat('+'))
                value += product();
            else if (eat('-'))
                value -= product();
            else
                return value;
        }
    }
    double product()
    {
        double value = unary();
        for (;;) {
            if (eat('*'))
                value *= unary();
            else if (eat('/'))
                value /= unary();
            else
                return value;
        }
    }
    double unary()
    {
        if (eat('+'))
            return unary();
        if (eat('-'))
            return -unary();
        if (eat('(')) {
            const double value = sum();
            return eat(')') ? value : NAN;
        }
        skip();
        std::string number;
        while (m_pos < m_text.size() && ((m_text[m_pos] >= '0' && m_text[m_pos] <= '9') || m_text[m_pos] == ','))
            number += m_text[m_pos++] == ',' ? '.' : m_text[m_pos - 1];
        return number.empty() ? NAN : std::stod(number);
    }
    std::string m_text;
    std::size_t m_pos = 0;
};

inline double evaluate(const std::string& formula) { return Parser(formula).run(); }

} // namespace formula_check
