#include <gtest/gtest.h>

#include <random>

#include "Data_Unit.h"
#include "FieldFilter.h"
#include "LimitCalculation.h"
#include "ManualEntry.h"
#include "NumberText.h"

using namespace tolerance;
using number::parseNumberText;

namespace {

class LimitCalculation : public ::testing::Test {
protected:
    static int field(const std::string& designation)
    {
        for (int f = 1; f <= Data_Unit::FieldCount; ++f)
            if (Data_Unit::Designation(f) == designation)
                return f;
        ADD_FAILURE() << designation;
        return 1;
    }
    static TableResult compute(const char* size, const char* designation, bool um, Rounding r)
    {
        return computeFromTable(parseNumberText(size), field(designation),
                                um ? DeviationUnit::Micrometres : DeviationUnit::Millimetres, r);
    }
};

struct TableCase {
    const char* size;
    const char* field;
    bool micrometres;
    Rounding rounding;
    const char* upper;
    const char* lower;
    const char* largest;
    const char* smallest;
    const char* mean;
    const char* radius;
};

} // namespace

TEST_F(LimitCalculation, WorkedExamples)
{
    const Rounding as = Rounding::AsIs, two = Rounding::TwoDigits, three = Rounding::ThreeDigits;
    const TableCase cases[] = {
        {"5", "H9", false, two, "+0,03", "0", "5,03", "5", "5,02", "2,508"},
        {"5", "H9", false, as, "+0,03", "0", "5,03", "5", "5,015", "2,5075"},
        {"5", "H9", false, three, "+0,03", "0", "5,03", "5", "5,015", "2,5075"},
        {"5", "H9", true, two, "+30", "0", "5,03", "5", "5,02", "2,508"},
        {"5", "h7", false, two, "0", "-0,012", "5", "4,988", "4,99", "2,497"},
        {"5", "h7", false, as, "0", "-0,012", "5", "4,988", "4,994", "2,497"},
        {"5", "h7", false, three, "0", "-0,012", "5", "4,988", "4,994", "2,4970"},
        {"10", "k6", false, two, "+0,01", "+0,001", "10,01", "10,001", "10,01", "5,003"},
        {"10", "k6", false, three, "+0,01", "+0,001", "10,01", "10,001", "10,006", "5,0028"},
        {"8", "Js6", false, as, "+0,0045", "-0,0045", "8,0045", "7,9955", "8", "4"},
        {"8", "Js6", false, two, "+0,0045", "-0,0045", "8,0045", "7,9955", "8,00", "4,000"},
        {"8", "Js6", true, two, "+4,5", "-4,5", "8,0045", "7,9955", "8,00", "4,000"},
        {"1000", "h16", false, two, "0", "-5,6", "1000", "994,4", "997,20", "498,600"},
        {"1,2", "H7", false, as, "+0,01", "0", "1,21", "1,2", "1,205", "0,6025"},
        {"1,2", "H7", false, two, "+0,01", "0", "1,21", "1,2", "1,21", "0,603"},
        {"185,82", "H15", false, two, "+1,85", "0", "187,67", "185,82", "186,75", "93,373"},
        {"5,", "H9", false, two, "+0,03", "0", "5,03", "5", "5,02", "2,508"},
    };
    for (const TableCase& c : cases) {
        const TableResult r = compute(c.size, c.field, c.micrometres, c.rounding);
        SCOPED_TRACE(std::string(c.size) + " " + c.field);
        ASSERT_TRUE(r.hasData);
        EXPECT_EQ(r.upper.text, c.upper);
        EXPECT_EQ(r.lower.text, c.lower);
        EXPECT_EQ(r.largest, c.largest);
        EXPECT_EQ(r.smallest, c.smallest);
        EXPECT_EQ(r.meanAndRadius.mean, c.mean);
        EXPECT_EQ(r.meanAndRadius.radius, c.radius);
    }
}

TEST_F(LimitCalculation, DesignationColourAndStatus)
{
    const TableResult h9 = compute("5", "H9", false, Rounding::TwoDigits);
    EXPECT_EQ(h9.colour, Data_Unit::FieldColour::Red);
    EXPECT_EQ(h9.statusText, "Старое обозначение :  [ А3 ]");
    EXPECT_TRUE(h9.upper.positive);
    EXPECT_FALSE(h9.lower.positive);
    EXPECT_EQ(compute("5", "f8", false, Rounding::AsIs).statusText, "Старое обозначение :  [ - ]");
}

TEST_F(LimitCalculation, SizesWithoutDataShowTheFieldOnly)
{
    for (const char* size : {"0,001", "0", ",", "-5", "1000,5", "2000", "1E9"}) {
        const TableResult g6 = compute(size, "g6", false, Rounding::TwoDigits);
        EXPECT_FALSE(g6.hasData) << size;
        EXPECT_EQ(g6.statusText, "Старое обозначение :  [ Д ]");
    }
    EXPECT_TRUE(compute("0,5", "h9", false, Rounding::AsIs).hasData);
    EXPECT_TRUE(compute("0,5", "g6", false, Rounding::AsIs).hasData);
    EXPECT_FALSE(compute("0", "h9", false, Rounding::AsIs).hasData);
    // Up to and including 1 mm the grades 14 to 16 and b are not used.
    for (const char* field : {"b12", "h14", "H15", "Js16"})
        for (const char* size : {"0,5", "1"})
            EXPECT_FALSE(compute(size, field, false, Rounding::AsIs).hasData) << field << " at " << size;
    EXPECT_TRUE(compute("1,001", "h14", false, Rounding::AsIs).hasData);
    EXPECT_FALSE(computeFromTable(std::nullopt, field("H9"), DeviationUnit::Millimetres, Rounding::AsIs).hasData);
    // Exact bounds: 3,0000000000000000001 lies over 3 mm although a double rounds it to 3.
    EXPECT_EQ(FindRangeIndex(*parseNumberText("3,0000000000000000001")), 3);
    EXPECT_EQ(FindRangeIndex(*parseNumberText("3")), 2);
    EXPECT_EQ(FindRangeIndex(*parseNumberText("1")), 2);
    EXPECT_FALSE(IsInsideTable(*parseNumberText("1000,0000000000000001")));
}

// Independent reference: sizes with up to three decimals and deviations in half
// micrometres as integers of 0,0005 mm; S = largest + smallest in those units.
TEST_F(LimitCalculation, RandomSizesAgainstIntegerReference)
{
    std::mt19937 random(4311);
    auto roundText = [](long long numerator, long long denominator, int decimals) {
        // numerator / denominator rounded half up in magnitude to `decimals`.
        long long scale = 1;
        for (int i = 0; i < decimals; ++i)
            scale *= 10;
        const bool negative = numerator < 0;
        const long long magnitude = negative ? -numerator : numerator;
        const long long rounded = (magnitude * scale * 2 + denominator) / (denominator * 2);
        std::string digits = std::to_string(rounded);
        if (int(digits.size()) <= decimals)
            digits.insert(0, std::size_t(decimals + 1 - int(digits.size())), '0');
        digits.insert(digits.size() - std::size_t(decimals), ",");
        return (negative && rounded != 0 ? "-" : "") + digits;
    };
    for (int i = 0; i < 20000; ++i) {
        const long long thousandths = 1 + (long long)(random() % 1000000); // 0,001 .. 1000 mm
        const int f = 1 + int(random() % 40);
        const std::string size = std::to_string(thousandths / 1000) + "," + std::to_string(1000 + thousandths % 1000).substr(1);
        const auto parsed = parseNumberText(size);
        const TableResult r = computeFromTable(parsed, f, DeviationUnit::Millimetres, i % 2 ? Rounding::TwoDigits : Rounding::ThreeDigits);
        const Data_Unit::DeviationCell& cell = Data_Unit::DeviationTable(f, FindRangeIndex(*parsed));
        ASSERT_EQ(r.hasData, cell.Present) << size;
        if (!cell.Present)
            continue;
        // units of 0,0005 mm
        const long long n = thousandths * 2;
        const long long s = 2 * n + (long long)(cell.UpperDeviation * 2) + (long long)(cell.LowerDeviation * 2);
        const int meanDecimals = i % 2 ? 2 : 3;
        ASSERT_EQ(r.meanAndRadius.mean, roundText(s, 2 * 2000, meanDecimals)) << size << " " << f;
        ASSERT_EQ(r.meanAndRadius.radius, roundText(s, 4 * 2000, meanDecimals + 1)) << size << " " << f;
    }
}

TEST(ManualCalculation, DeviationsInBothUnitsGiveTheSameSizes)
{
    auto num = [](const char* t) { return parseNumberText(t); };
    const ManualResult mm = computeManual(num("10"), num("0,1"), num("-0,1"), DeviationUnit::Millimetres, Rounding::TwoDigits);
    const ManualResult um = computeManual(num("10"), num("100"), num("-100"), DeviationUnit::Micrometres, Rounding::TwoDigits);
    for (const ManualResult& r : {mm, um}) {
        EXPECT_EQ(r.largest, "10,1");
        EXPECT_EQ(r.smallest, "9,9");
        EXPECT_EQ(r.meanAndRadius.mean, "10,00");
        EXPECT_EQ(r.meanAndRadius.radius, "5,000");
    }
    const ManualResult badUpper = computeManual(num("10"), std::nullopt, num("-0,1"), DeviationUnit::Millimetres, Rounding::AsIs);
    EXPECT_EQ(badUpper.largest, NoData);
    EXPECT_EQ(badUpper.smallest, "9,9");
    EXPECT_EQ(badUpper.meanAndRadius.mean, NoData);
    const ManualResult badSize = computeManual(std::nullopt, num("1"), num("1"), DeviationUnit::Millimetres, Rounding::AsIs);
    EXPECT_EQ(badSize.smallest, NoData);
    // The same deviations in manual and table mode give the same digits.
    const ManualResult k6 = computeManual(num("10"), num("0,01"), num("0,001"), DeviationUnit::Millimetres, Rounding::ThreeDigits);
    EXPECT_EQ(k6.meanAndRadius.mean, "10,006");
    EXPECT_EQ(k6.meanAndRadius.radius, "5,0028");
}

TEST(ManualEntry, MirrorDeviationText)
{
    const std::pair<const char*, const char*> cases[] = {
        {"+0,03", "-0,03"}, {"-0,012", "0,012"}, {"0,5", "-0,5"}, {"0,0", "-0,0"}, {"-", ""},
        {"", ""}, {"0", "0"}, {"+", ""}, {"+ 5", "-5"}, {"-0", "0"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(MirrorDeviationText(in), out) << '"' << in << '"';
    // Twice restores the text, except for a leading "+".
    for (const char* text : {"0,03", "-0,012", "5", "12,5", "0,0"})
        EXPECT_EQ(MirrorDeviationText(MirrorDeviationText(text)), text);
    EXPECT_EQ(MirrorDeviationText(MirrorDeviationText("+0,03")), "0,03");
}

TEST(ManualEntry, CharacterFilterAndSignChange)
{
    EXPECT_EQ(filterTypedChar(U'.'), U',');
    for (char32_t c : {U'0', U'9', U',', U'+', U'-', char32_t(8)})
        EXPECT_EQ(filterTypedChar(c), c);
    for (char32_t c : {U'a', U' ', U'E', U'\t', U'\r', char32_t(22), U'ю'})
        EXPECT_FALSE(filterTypedChar(c));
    EXPECT_EQ(quickLowerDeviationText("0,25", "-1,0"), "-0,25");
    EXPECT_EQ(quickLowerDeviationText("0,25", "0,25"), "0,25"); // the text shown already
    EXPECT_EQ(negatedText("+0,030"), "-0,03");
    EXPECT_EQ(negatedText("-0,012"), "0,012");
    EXPECT_EQ(negatedText("0"), "0");
    EXPECT_FALSE(negatedText("+-5"));
}

TEST(ManualEntry, DeviationTextInOtherUnit)
{
    constexpr auto mm = DeviationUnit::Millimetres;
    constexpr auto um = DeviationUnit::Micrometres;
    const struct {
        const char* millimetres;
        const char* micrometres;
    } pairs[] = {
        {"0,1", "100"}, {"+0,02", "+20"}, {"-0,012", "-12"}, {"0", "0"}, {"0,0025", "2,5"},
        {"0,00005", "0,05"}, {"-1,5", "-1500"}, {"12,3456789", "12345,6789"},
    };
    for (const auto& pair : pairs) {
        EXPECT_EQ(deviationTextInUnit(pair.millimetres, mm, um), pair.micrometres) << pair.millimetres;
        EXPECT_EQ(deviationTextInUnit(pair.micrometres, um, mm), pair.millimetres) << pair.micrometres;
    }
    EXPECT_EQ(deviationTextInUnit("0,10", mm, um), "100");
    EXPECT_EQ(deviationTextInUnit("+0", mm, um), "0");
    EXPECT_EQ(deviationTextInUnit("0,1", mm, mm), "0,1"); // the same unit: as typed
    for (const char* unreadable : {"", "+-5", "5,,3", "-"})
        EXPECT_FALSE(deviationTextInUnit(unreadable, mm, um)) << '"' << unreadable << '"';
}

TEST(ManualEntry, UpperBelowLower)
{
    auto d = [](const char* t) { return parseNumberText(t); };
    EXPECT_TRUE(upperBelowLower(d("-0,02"), d("0,01")));
    EXPECT_TRUE(upperBelowLower(d("0"), d("0,001")));
    EXPECT_FALSE(upperBelowLower(d("0,01"), d("0,01"))); // a zero tolerance is not reversed
    EXPECT_FALSE(upperBelowLower(d("0,03"), d("0")));
    EXPECT_FALSE(upperBelowLower(std::nullopt, d("0,01")));
    EXPECT_FALSE(upperBelowLower(d("-0,02"), std::nullopt));
}

TEST(Formulas, FromTheNumbersThemselves)
{
    auto d = [](const char* t) { return *parseNumberText(t); };
    const Formulas start = formulaTexts(d("5"), d("0,03"), d("0"), DeviationUnit::Millimetres);
    EXPECT_EQ(start.mean, "=(5+(+0,03 +0)/2)");
    EXPECT_EQ(start.radius, "=(5+(+0,03 +0)/2)/2");
    EXPECT_EQ(formulaTexts(d("5,"), d("0,03"), d("-0,012"), DeviationUnit::Millimetres).mean, "=(5+(+0,03 -0,012)/2)");
    EXPECT_EQ(formulaTexts(d("5"), d("30"), d("-12"), DeviationUnit::Micrometres).mean, "=(5+(+0,03 -0,012)/2)"); // micrometre boxes
}

TEST_F(LimitCalculation, FieldListFilters)
{
    auto rows = [](int type, int quality, int letter) { return buildFieldList({type, quality, letter}); };
    const FieldList all = rows(4, 0, 0);
    ASSERT_EQ(all.rows.size(), 40u);
    EXPECT_EQ(std::vector<std::string>(all.rows.begin(), all.rows.begin() + 10),
              (std::vector<std::string>{"g6", "h6", "Js6", "k6", "n6", "r6", "f7", "h7", "H7", "s7"}));
    EXPECT_EQ(all.selectedRow, 20);
    EXPECT_EQ(all.rows[20], "H9");
    EXPECT_EQ(all.ListRowMap[20], 25);
    const FieldList unsorted = rows(0, 0, 0);
    EXPECT_EQ(unsorted.rows[19], "H7");
    EXPECT_EQ(unsorted.rows[20], "Js7");
    const FieldList shaftH = rows(1, 0, 2);
    EXPECT_EQ(shaftH.rows, (std::vector<std::string>{"h6", "h7", "h8", "h9", "h11", "h12"}));
    EXPECT_EQ(shaftH.selectedRow, 3);
    EXPECT_TRUE(rows(2, 0, 1).rows.empty());
    EXPECT_EQ(rows(2, 0, 1).selectedRow, -1);
    EXPECT_EQ(rows(4, 2, 0).rows, (std::vector<std::string>{"f7", "h7", "H7", "s7", "Js7", "K7"}));
    EXPECT_EQ(rows(4, 2, 0).selectedRow, 3);
    EXPECT_EQ(rows(0, 2, 0).rows, (std::vector<std::string>{"f7", "h7", "s7", "H7", "Js7", "K7"}));
    EXPECT_EQ(rows(4, 0, 3).rows, (std::vector<std::string>{"Js6", "Js7", "Js12", "Js13", "Js14", "Js15", "Js16"}));
    EXPECT_EQ(rows(4, 0, 10).rows, (std::vector<std::string>{"d9", "d11"}));
    EXPECT_EQ(rows(4, 0, 10).selectedRow, 0); // two rows: the first
    EXPECT_EQ(rows(4, 0, 4).rows, (std::vector<std::string>{"k6", "K7"}));
    for (const FilterState none : {FilterState{-1, 0, 0}, FilterState{4, -1, 0}, FilterState{4, 0, -1}})
        EXPECT_TRUE(buildFieldList(none).rows.empty());
}

// A filter change keeps the user's field where the new list holds it, else the middle row.
TEST_F(LimitCalculation, FieldListKeepsTheCurrentField)
{
    const struct {
        FilterState filter;
        const char* kept;     // the field before the change
        const char* selected; // the row selected after it
    } cases[] = {
        {{4, 2, 0}, "H7", "H7"},  // quality 7 holds H7
        {{4, 2, 0}, "h7", "h7"},  // and h7, a field of its own
        {{4, 2, 0}, "H9", "s7"},  // not H9: the middle row
        {{4, 0, 3}, "Js6", "Js6"}, // letter JS holds Js6
        {{4, 0, 3}, "g6", "Js13"},
        {{0, 0, 0}, "g6", "g6"},  // the other order keeps it too
        {{1, 0, 2}, "H7", "h9"},  // shafts of H: not the hole H7
        {{4, 0, 10}, "d11", "d11"}, // two rows: the kept one, not the first
    };
    auto fieldOf = [](const char* designation) {
        const FieldList all = buildFieldList({4, 0, 0});
        for (std::size_t row = 0; row < all.rows.size(); ++row)
            if (all.rows[row] == designation)
                return all.ListRowMap[row];
        return 0;
    };
    for (const auto& c : cases) {
        const FieldList list = buildFieldList(c.filter, fieldOf(c.kept));
        ASSERT_GE(list.selectedRow, 0) << c.kept;
        EXPECT_EQ(list.rows[std::size_t(list.selectedRow)], c.selected) << c.kept;
    }
    EXPECT_EQ(buildFieldList({2, 0, 1}, fieldOf("g6")).selectedRow, -1); // empty stays empty
}
