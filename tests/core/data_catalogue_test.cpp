// The catalogue of the forty tolerance fields: designations, colour codes,
// old designations and the order by quality.
#include "Data_Unit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <set>
#include <string>
#include <vector>

using namespace Data_Unit;

namespace {

// The tables are complete on first use: no fixture fills them.
class CatalogueTest : public ::testing::Test {};

const std::array<const char*, 40> kDesignations = {
    "g6", "h6", "Js6", "k6", "n6", "r6", "f7", "h7", "s7", "f8",
    "h8", "u8", "d9", "f9", "h9", "d11", "h11", "b12", "h12", "H7",
    "Js7", "K7", "F8", "H8", "H9", "H11", "H12", "Js12", "h13", "H13",
    "Js13", "h14", "H14", "Js14", "h15", "H15", "Js15", "h16", "H16", "Js16"};

// Old designations spelt by code point, so that no Latin look-alike can hide in
// this copy: С U+0421, Х U+0425, А U+0410, В U+0412, Н U+041D, М U+041C,
// р U+0440, П U+041F, Д U+0414, Г U+0413, Ш U+0428.
const std::array<const char*, 40> kOldDesignations = {
    "\u0414", "\u0421", "\u041F", "\u041D", "\u0413", "\u041F\u0440", "\u0425", "\u04212",
    "\u041F\u04401", "-", "\u04213", "\u041F\u04402", "\u04283", "\u04253", "\u04213", "\u04254",
    "\u04214", "\u04255", "\u04215", "\u0410", "\u041F", "\u041D", "\u0425", "\u04102",
    "\u04103", "\u04104", "\u04105", "-", "-", "-", "-", "\u04127",
    "\u04107", "\u0421\u041C7", "\u04128", "\u04108", "\u0421\u041C8", "\u04129", "\u04109",
    "\u0421\u041C9"};

std::vector<char32_t> codePoints(const std::string& utf8)
{
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : 3;
        char32_t cp = extra == 0 ? lead : extra == 1 ? (lead & 0x1F) : extra == 2 ? (lead & 0x0F) : (lead & 0x07);
        for (int k = 1; k <= extra && i + k < utf8.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        out.push_back(cp);
        i += 1 + extra;
    }
    return out;
}

int positionOf(int fieldIndex)
{
    for (int p = 1; p <= FieldCount; ++p)
        if (QualitySortOrder(p) == fieldIndex)
            return p;
    return 0;
}

} // namespace

TEST_F(CatalogueTest, DesignationsInCatalogueOrder)
{
    for (int f = 1; f <= FieldCount; ++f)
        EXPECT_EQ(Designation(f), kDesignations[f - 1]) << "FieldIndex " << f;
}

TEST_F(CatalogueTest, DesignationIsLetterThenQuality)
{
    const std::set<int> qualities = {6, 7, 8, 9, 11, 12, 13, 14, 15, 16};
    for (int f = 1; f <= FieldCount; ++f) {
        const ToleranceField& field = FieldCatalogue(f);
        EXPECT_TRUE(qualities.count(field.Quality)) << f;
        EXPECT_TRUE(field.Letter.size() == 1 || field.Letter.size() == 2) << f;
        EXPECT_EQ(Designation(f), field.Letter + std::to_string(field.Quality)) << f;
    }
    EXPECT_EQ(FieldCatalogue(3).Letter, "Js");
    EXPECT_EQ(FieldCatalogue(28).Quality, 12);
}

TEST_F(CatalogueTest, FortyDistinctDesignationsLetterCaseCounts)
{
    std::set<std::string> seen;
    for (int f = 1; f <= FieldCount; ++f)
        EXPECT_TRUE(seen.insert(Designation(f)).second) << "repeated " << Designation(f);
    EXPECT_EQ(seen.size(), 40u);
    // Both cases stand as separate designations; nothing matches across case.
    EXPECT_TRUE(seen.count("k6") && seen.count("K7") && seen.count("h7") && seen.count("H7"));
    EXPECT_FALSE(seen.count("K6") || seen.count("k7") || seen.count("js6") || seen.count("JS7"));
}

TEST_F(CatalogueTest, ColourCodesFollowLetterCase)
{
    for (int f = 1; f <= FieldCount; ++f) {
        const std::string& letter = FieldCatalogue(f).Letter;
        const FieldColour expected = letter == "Js" ? FieldColour::Green
                                     : std::islower(static_cast<unsigned char>(letter[0])) ? FieldColour::Blue
                                                                                           : FieldColour::Red;
        EXPECT_EQ(ColourCode(f), expected) << Designation(f);
        EXPECT_EQ(LetterColour(letter), expected) << Designation(f);
    }
    EXPECT_EQ(ColourCode(4), FieldColour::Blue); // the shaft k6
    EXPECT_EQ(ColourCode(22), FieldColour::Red); // the hole K7
    EXPECT_EQ(LetterColour("H"), FieldColour::Red); // H6, not catalogued, in the picker
}

TEST_F(CatalogueTest, OldDesignationsAsListed)
{
    for (int f = 1; f <= FieldCount; ++f)
        EXPECT_EQ(OldDesignation(f), kOldDesignations[f - 1]) << Designation(f);
    EXPECT_EQ(OldDesignation(10), "-"); // f8
}

TEST_F(CatalogueTest, OldDesignationsAreCyrillicNeverLatin)
{
    for (int f = 1; f <= FieldCount; ++f) {
        const std::string& text = OldDesignation(f);
        const std::vector<char32_t> cps = codePoints(text);
        SCOPED_TRACE(Designation(f));
        ASSERT_FALSE(cps.empty());
        EXPECT_LE(cps.size(), 3u);
        if (text == "-")
            continue;
        EXPECT_TRUE(cps[0] >= 0x0410 && cps[0] <= 0x042F) << "starts with a Cyrillic capital";
        for (char32_t cp : cps) {
            const bool cyrillic = cp >= 0x0400 && cp <= 0x04FF;
            const bool digit = cp >= U'0' && cp <= U'9';
            EXPECT_TRUE(cyrillic || digit) << "code point U+" << std::hex << unsigned(cp);
        }
    }
}

TEST_F(CatalogueTest, QualitySortOrderAsListed)
{
    const int expected[40] = {1, 2, 3, 4, 5, 6, 7, 8, 20, 9, 21, 22, 10, 23,
                              11, 24, 12, 13, 14, 15, 25, 16, 17, 26, 18, 19, 27, 28,
                              29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40};
    for (int p = 1; p <= FieldCount; ++p)
        EXPECT_EQ(QualitySortOrder(p), expected[p - 1]) << "position " << p;
}

TEST_F(CatalogueTest, QualitySortOrderIsAPermutationByAscendingQuality)
{
    std::set<int> fields;
    for (int p = 1; p <= FieldCount; ++p) {
        const int f = QualitySortOrder(p);
        ASSERT_TRUE(f >= 1 && f <= FieldCount) << p;
        fields.insert(f);
        if (p > 1) {
            EXPECT_LE(FieldCatalogue(QualitySortOrder(p - 1)).Quality, FieldCatalogue(f).Quality) << p;
        }
    }
    EXPECT_EQ(fields.size(), 40u);

    // H7 follows h7 directly and comes before s7.
    EXPECT_EQ(positionOf(20), positionOf(8) + 1);
    EXPECT_EQ(positionOf(9), positionOf(20) + 1);
    EXPECT_EQ(Designation(QualitySortOrder(9)), "H7");
}

TEST_F(CatalogueTest, BandsOfFieldIndex)
{
    // Shaft fields 1..19, hole fields 20..28, then h/H/Js of qualities 13..16.
    for (int f = 29; f <= FieldCount; ++f) {
        const ToleranceField& field = FieldCatalogue(f);
        EXPECT_GE(field.Quality, 13) << f;
        EXPECT_TRUE(field.Letter == "h" || field.Letter == "H" || field.Letter == "Js") << f;
    }
    for (int f = 1; f <= 28; ++f)
        EXPECT_LE(FieldCatalogue(f).Quality, 12) << f;
    EXPECT_EQ(Designation(19), "h12");
    EXPECT_EQ(Designation(20), "H7");
}
