#include "Decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace number {

namespace {

// Magnitude of two aligned digit strings (same exponent, same length).
std::string addMagnitudes(const std::string& a, const std::string& b)
{
    std::string sum(a.size() + 1, '0');
    int carry = 0;
    for (std::size_t i = a.size(); i-- > 0;) {
        const int d = (a[i] - '0') + (b[i] - '0') + carry;
        sum[i + 1] = char('0' + d % 10);
        carry = d / 10;
    }
    sum[0] = char('0' + carry);
    return sum;
}

// a - b for aligned strings with a >= b.
std::string subtractMagnitudes(const std::string& a, const std::string& b)
{
    std::string diff(a.size(), '0');
    int borrow = 0;
    for (std::size_t i = a.size(); i-- > 0;) {
        int d = (a[i] - '0') - (b[i] - '0') - borrow;
        borrow = d < 0 ? 1 : 0;
        if (d < 0)
            d += 10;
        diff[i] = char('0' + d);
    }
    return diff;
}

std::string multiplyDigits(const std::string& digits, unsigned factor)
{
    std::string product(digits.size() + 12, '0');
    unsigned long long carry = 0;
    std::size_t out = product.size();
    for (std::size_t i = digits.size(); i-- > 0;) {
        const unsigned long long d = (unsigned long long)(digits[i] - '0') * factor + carry;
        product[--out] = char('0' + d % 10);
        carry = d / 10;
    }
    while (carry > 0) {
        product[--out] = char('0' + carry % 10);
        carry /= 10;
    }
    return product.substr(out);
}

} // namespace

Decimal::Decimal(long long value)
{
    m_negative = value < 0;
    unsigned long long magnitude = m_negative ? 0ULL - (unsigned long long)value : (unsigned long long)value;
    m_digits = std::to_string(magnitude);
    normalise();
}

Decimal Decimal::fromDigits(bool negative, std::string digits, int exponent)
{
    Decimal d;
    d.m_negative = negative;
    d.m_digits = std::move(digits);
    d.m_exponent = exponent;
    d.normalise();
    return d;
}

Decimal Decimal::fromDouble(double value)
{
    if (value == 0 || !std::isfinite(value))
        return {};
    int binaryExponent = 0;
    const double fraction = std::frexp(std::fabs(value), &binaryExponent);
    const auto mantissa = (unsigned long long)std::ldexp(fraction, 53);
    binaryExponent -= 53;
    std::string digits = std::to_string(mantissa);
    int exponent = 0;
    for (; binaryExponent > 0; --binaryExponent)
        digits = multiplyDigits(digits, 2);
    for (; binaryExponent < 0; ++binaryExponent) {
        digits = multiplyDigits(digits, 5); // m / 2 = m * 5 / 10
        --exponent;
    }
    return fromDigits(value < 0, std::move(digits), exponent);
}

void Decimal::normalise()
{
    const auto first = m_digits.find_first_not_of('0');
    if (first == std::string::npos) {
        m_digits.clear();
        m_negative = false;
        m_exponent = 0;
        return;
    }
    m_digits.erase(0, first);
    const auto last = m_digits.find_last_not_of('0');
    m_exponent += int(m_digits.size() - 1 - last);
    m_digits.erase(last + 1);
}

int Decimal::leadingExponent() const
{
    return isZero() ? 0 : m_exponent + int(m_digits.size()) - 1;
}

Decimal Decimal::operator-() const
{
    Decimal d = *this;
    if (!d.isZero())
        d.m_negative = !d.m_negative;
    return d;
}

Decimal operator+(const Decimal& a, const Decimal& b)
{
    if (a.isZero())
        return b;
    if (b.isZero())
        return a;
    // Align both to the smaller exponent and to the same length.
    const int exponent = std::min(a.m_exponent, b.m_exponent);
    std::string da = a.m_digits + std::string(std::size_t(a.m_exponent - exponent), '0');
    std::string db = b.m_digits + std::string(std::size_t(b.m_exponent - exponent), '0');
    const std::size_t width = std::max(da.size(), db.size());
    da.insert(0, width - da.size(), '0');
    db.insert(0, width - db.size(), '0');
    if (a.m_negative == b.m_negative)
        return Decimal::fromDigits(a.m_negative, addMagnitudes(da, db), exponent);
    if (da >= db)
        return Decimal::fromDigits(a.m_negative, subtractMagnitudes(da, db), exponent);
    return Decimal::fromDigits(b.m_negative, subtractMagnitudes(db, da), exponent);
}

Decimal Decimal::scaled(int power) const
{
    Decimal d = *this;
    if (!d.isZero())
        d.m_exponent += power;
    return d;
}

Decimal Decimal::times(unsigned factor) const
{
    return fromDigits(m_negative, multiplyDigits(m_digits, factor), m_exponent);
}

Decimal Decimal::half() const { return times(5).scaled(-1); }
Decimal Decimal::quarter() const { return times(25).scaled(-2); }

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b)
{
    const int signA = a.isZero() ? 0 : (a.m_negative ? -1 : 1);
    const int signB = b.isZero() ? 0 : (b.m_negative ? -1 : 1);
    if (signA != signB || signA == 0)
        return signA <=> signB;
    std::strong_ordering magnitude = a.leadingExponent() <=> b.leadingExponent();
    if (magnitude == 0) {
        const int c = a.m_digits.compare(b.m_digits);
        magnitude = c <=> 0;
    }
    return signA > 0 ? magnitude : 0 <=> magnitude;
}

double Decimal::toDouble() const
{
    if (isZero())
        return 0.0;
    std::string text = m_digits.substr(0, 1) + "." + m_digits.substr(1) + "e" + std::to_string(leadingExponent());
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = leadingExponent() > 0 ? HUGE_VAL : 0.0;
    return m_negative ? -value : value;
}

std::string Decimal::toPlainString() const
{
    if (isZero())
        return "0";
    std::string text;
    if (m_exponent >= 0) {
        text = m_digits + std::string(std::size_t(m_exponent), '0');
    } else {
        const int integerDigits = int(m_digits.size()) + m_exponent;
        if (integerDigits > 0)
            text = m_digits.substr(0, std::size_t(integerDigits)) + "." + m_digits.substr(std::size_t(integerDigits));
        else
            text = "0." + std::string(std::size_t(-integerDigits), '0') + m_digits;
    }
    return m_negative ? "-" + text : text;
}

} // namespace number
