// An exact decimal number: sign, a string of decimal digits and a power of ten.
// Sizes are typed as decimal texts and the deviations are whole or half
// micrometres, so every limit size, mean and radius is an exact decimal; binary
// floating point would round 1,205 to 1,20 instead of 1,21.
#pragma once

#include <compare>
#include <cstdint>
#include <string>

namespace number {

class Decimal {
public:
    Decimal() = default;
    explicit Decimal(long long value);
    // value = digits * 10^exponent; `digits` holds only '0'..'9'.
    static Decimal fromDigits(bool negative, std::string digits, int exponent);
    // The exact value of a finite double.
    static Decimal fromDouble(double value);

    bool isZero() const { return m_digits.empty(); }
    bool isNegative() const { return m_negative; }
    const std::string& digits() const { return m_digits; } // no leading or trailing zeros
    int exponent() const { return m_exponent; }
    // Decimal exponent of the leading digit: 1234 -> 3, 0,05 -> -2 (zero -> 0).
    int leadingExponent() const;

    Decimal operator-() const;
    friend Decimal operator+(const Decimal& a, const Decimal& b);
    friend Decimal operator-(const Decimal& a, const Decimal& b) { return a + (-b); }
    // Multiplies by 10^power exactly (micrometres to millimetres: scaled(-3)).
    Decimal scaled(int power) const;
    Decimal half() const;    // exact: * 5 / 10
    Decimal quarter() const; // exact: * 25 / 100
    Decimal times(unsigned factor) const;

    friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);
    friend bool operator==(const Decimal& a, const Decimal& b) = default;

    // Nearest double (correctly rounded); +-infinity when beyond the double range.
    double toDouble() const;
    // Plain text with a full stop, for tests and diagnostics: "-12.005", "0.0001".
    std::string toPlainString() const;

private:
    void normalise();
    bool m_negative = false;
    std::string m_digits;
    int m_exponent = 0;
};

} // namespace number
