#include <gtest/gtest.h>

#include <clocale>
#include <random>

#include "NumberText.h"

using number::Decimal;
using number::fixedNumberText;
using number::generalNumberText;
using number::parseNumberText;

namespace {

Decimal dec(const char* text)
{
    const auto value = parseNumberText(text);
    EXPECT_TRUE(value) << text;
    return value.value_or(Decimal{});
}

struct ReadCase {
    const char* text;
    const char* plain; // nullptr: the read fails
};

} // namespace

TEST(NumberReading, AcceptsTheNumberGrammarOnly)
{
    const ReadCase cases[] = {
        {"5", "5"}, {"5,", "5"}, {",5", "0.5"}, {",", "0"}, {"-,5", "-0.5"}, {"+0,030", "0.03"},
        {"  12,5  ", "12.5"}, {"1E3", "1000"}, {"1,5e-3", "0.0015"}, {"2E+2", "200"}, {"-0", "0"},
        {"007", "7"}, {",E5", "0"}, {"0,0045", "0.0045"},
        {"", nullptr}, {"-", nullptr}, {"+", nullptr}, {" ", nullptr}, {"5.2", nullptr}, {"5,,3", nullptr},
        {"+-5", nullptr}, {"1E", nullptr}, {"1E+", nullptr}, {"E5", nullptr}, {"5 5", nullptr},
        {"\t5", nullptr}, {"нет данных", nullptr}, {"1e400", nullptr}, {"-1e309", nullptr}, {"5a", nullptr},
    };
    for (const ReadCase& c : cases) {
        const auto value = parseNumberText(c.text);
        if (c.plain == nullptr) {
            EXPECT_FALSE(value) << '"' << c.text << '"';
        } else {
            ASSERT_TRUE(value) << '"' << c.text << '"';
            EXPECT_EQ(value->toPlainString(), c.plain) << '"' << c.text << '"';
        }
    }
}

TEST(NumberReading, TinyValuesAndHugeExponentsStayBounded)
{
    EXPECT_TRUE(parseNumberText("1e-400"));
    EXPECT_EQ(parseNumberText("0e999999999999")->toPlainString(), "0");
    EXPECT_FALSE(parseNumberText("1e999999999999"));
    EXPECT_EQ(parseNumberText("1e-999999999999")->toPlainString(), "0");
    EXPECT_TRUE(parseNumberText("1,7976931348623157e308"));
}

TEST(NumberReading, IgnoresTheProcessLocale)
{
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    if (std::setlocale(LC_ALL, "ru_RU.UTF-8") == nullptr)
        std::setlocale(LC_ALL, "de_DE.UTF-8");
    EXPECT_EQ(dec("12,5").toPlainString(), "12.5");
    EXPECT_EQ(generalNumberText(12.5L), "12,5");
    EXPECT_EQ(fixedNumberText(dec("0,125"), 2, 6), "0,13");
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(GeneralNumberText, WorkedExamples)
{
    const std::pair<const char*, const char*> cases[] = {
        {"0,75", "0,75"}, {"8,43", "8,43"}, {"1", "1"}, {"-0,012", "-0,012"}, {"0,00005", "5E-5"},
        {"0,000012", "1,2E-5"}, {"0,0001", "0,0001"}, {"-0,00005", "-5E-5"}, {"0", "0"}, {"-0", "0"},
        {"5,015", "5,015"}, {"999999999999999", "999999999999999"}, {"1000000000000000", "1E15"},
        {"123456789012345678", "1,23456789012346E17"}, {"0,1234567890123456", "0,123456789012346"},
        {"9,9999999999999999", "10"}, {"0,00009999999999999999", "0,0001"}, {"-1,5E20", "-1,5E20"},
        {"2,4975", "2,4975"}, {"4,5", "4,5"},
    };
    for (const auto& [input, expected] : cases)
        EXPECT_EQ(generalNumberText(dec(input)), expected) << input;
}

TEST(GeneralNumberText, BinaryValuesAreExpandedTo18DigitsFirst)
{
    EXPECT_EQ(generalNumberText(0.1L + 0.2L), "0,3");
    EXPECT_EQ(generalNumberText(0.824L), "0,824");
    EXPECT_EQ(generalNumberText(static_cast<long double>(0.8 + 0.048 / 2)), "0,824");
    EXPECT_EQ(generalNumberText(-0.0L), "0");
    EXPECT_EQ(generalNumberText(5E-5L), "5E-5");
    EXPECT_EQ(generalNumberText(1e300L), "1E300");
}

TEST(FixedNumberText, DecimalsArePaddedAndRoundedHalfUpInMagnitude)
{
    struct Case {
        const char* value;
        int decimals;
        int precision;
        const char* expected;
    } const cases[] = {
        {"5,015", 2, 6, "5,02"}, {"-5,015", 2, 6, "-5,02"}, {"997,2", 2, 6, "997,20"},
        {"498,6", 3, 6, "498,600"}, {"2,497", 4, 8, "2,4970"}, {"5", 2, 6, "5,00"},
        {"1,205", 2, 6, "1,21"}, {"186,745", 2, 6, "186,75"}, {"10,0055", 3, 8, "10,006"},
        {"5,00275", 4, 8, "5,0028"}, {"-0,004", 2, 6, "0,00"}, {"0", 3, 6, "0,000"}, {"-0", 2, 6, "0,00"},
        {"0,0049", 2, 6, "0,00"}, {"0,005", 2, 6, "0,01"}, {"0,995", 2, 6, "1,00"},
        // The precision only decides when the scientific form takes over.
        {"1234,5678", 3, 6, "1234,568"}, {"999999,996", 2, 6, "1E6"}, {"1234567,5", 2, 6, "1,23457E6"},
        {"123456,5", 2, 6, "123456,50"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fixedNumberText(dec(c.value), c.decimals, c.precision), c.expected) << c.value;
}

// Independent reference: a value with up to 6 decimals as an integer count of millionths.
TEST(FixedNumberText, SweepAgainstIntegerReference)
{
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 20000; ++i) {
        const long long millionths = (long long)(random() % 2000000000ULL) - 1000000000LL;
        const int decimals = int(random() % 5);
        const long long unit = [&] { long long u = 1; for (int k = 0; k < 6 - decimals; ++k) u *= 10; return u; }();
        const long long magnitude = millionths < 0 ? -millionths : millionths;
        const long long rounded = (magnitude + unit / 2) / unit; // half up in magnitude
        std::string digits = std::to_string(rounded);
        if (decimals > 0) {
            if (int(digits.size()) <= decimals)
                digits.insert(0, std::size_t(decimals + 1 - int(digits.size())), '0');
            digits.insert(digits.size() - std::size_t(decimals), ",");
        }
        const std::string expected = (millionths < 0 && rounded != 0 ? "-" : "") + digits;
        const Decimal value = Decimal::fromDigits(millionths < 0, std::to_string(magnitude), -6);
        ASSERT_EQ(fixedNumberText(value, decimals, 18), expected) << value.toPlainString() << " d=" << decimals;
    }
}

TEST(Decimal, ExactArithmetic)
{
    EXPECT_EQ((dec("5") + dec("0,03")).toPlainString(), "5.03");
    EXPECT_EQ((dec("1,2") + dec("0,01")).toPlainString(), "1.21");
    EXPECT_EQ((dec("0,03") - dec("5")).toPlainString(), "-4.97");
    EXPECT_EQ((dec("5,03") + dec("5")).half().toPlainString(), "5.015");
    EXPECT_EQ((dec("5,03") + dec("5")).quarter().toPlainString(), "2.5075");
    EXPECT_EQ(dec("4,5").scaled(-3).toPlainString(), "0.0045");
    EXPECT_EQ(Decimal::fromDouble(-4.5).toPlainString(), "-4.5");
    EXPECT_EQ(Decimal::fromDouble(0.1).digits().size(), 55u); // the exact binary value
    EXPECT_TRUE(dec("3,0001") > Decimal{3});
    EXPECT_TRUE(dec("-2") < dec("-1,5"));
    EXPECT_TRUE(dec("0,5") < Decimal{1});
    EXPECT_EQ(dec("1000"), Decimal{1000});
    EXPECT_DOUBLE_EQ(dec("8,43").toDouble(), 8.43);
}
