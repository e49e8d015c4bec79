// The line that names the ISO classes of typed deviations, held against the figures
// of ISO 286 and against what dopusk-limits --find answers; the classes a class box
// offers first.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

#include "ClassList.h"
#include "ClassLookup.h"
#include "NumberText.h"

#ifdef DOPUSK_LIMITS
#include "../iso286/RunTool.h"
#endif

using namespace tolerance;
using number::parseNumberText;

namespace {

constexpr auto Mm = DeviationUnit::Millimetres;
constexpr auto Um = DeviationUnit::Micrometres;

ClassLookupLine lookUp(const char* size, const char* upper, const char* lower, DeviationUnit unit,
                       iso286::Search search = iso286::Search::Both)
{
    return classLookupLine(parseNumberText(size), parseNumberText(upper), parseNumberText(lower), unit, search);
}

std::string names(const std::vector<iso286::ToleranceClass>& classes)
{
    std::string text;
    for (const iso286::ToleranceClass& c : classes)
        text += (text.empty() ? "" : " ") + c.name();
    return text;
}

} // namespace

TEST(ClassLookupLine, NamesTheClassesOrTheNearestInTheUnitShown)
{
    const struct {
        const char* size;
        const char* upper;
        const char* lower;
        DeviationUnit unit;
        iso286::Search search;
        const char* text;
        const char* exact;
    } cases[] = {
        {"25", "0,021", "0", Mm, iso286::Search::Both, "= H7", "H7"},
        {"25", "21", "0", Um, iso286::Search::Both, "= H7", "H7"},
        // k with grades over 7 starts at the zero line, as H does.
        {"25", "0,033", "0", Mm, iso286::Search::Both, "= k8, H8 отв.", "k8 H8"},
        {"25", "33", "0", Um, iso286::Search::Holes, "= H8", "H8"},
        {"25", "+0,026", "-0,026", Mm, iso286::Search::Both, "= js9, JS9 отв.", "js9 JS9"},
        // The shaft h7 and the hole M7 have the same limits at 25 mm.
        {"25", "0", "-21", Um, iso286::Search::Both, "= h7, M7 отв.", "h7 M7"},
        {"25", "0", "-21", Um, iso286::Search::Holes, "= M7", "M7"},
        {"25", "0", "-21", Um, iso286::Search::Shafts, "= h7", "h7"},
        // JS7 at 10 mm, an odd IT7 of 15: the catalogue's ±7 and the exact ±7,5 both name it.
        {"10", "7", "-7", Um, iso286::Search::Both, "= js7, JS7 отв.", "js7 JS7"},
        {"10", "0,0075", "-0,0075", Mm, iso286::Search::Both, "= js7, JS7 отв.", "js7 JS7"},
        {"25", "22", "1", Um, iso286::Search::Holes, "ближайшее: H7 (на 1 мкм)", ""},
        {"25", "22", "1", Um, iso286::Search::Both, "ближайшие: k7, H7 отв. (на 1 мкм)", ""},
        {"25", "0,022", "0,001", Mm, iso286::Search::Holes, "ближайшее: H7 (на 0,001 мм)", ""},
        // Two classes equally near: both named.
        {"25", "27", "-27", Um, iso286::Search::Both, "ближайшие: js9, JS9 отв. (на 1 мкм)", ""},
        {"25", "0,0265", "-0,0265", Mm, iso286::Search::Both, "ближайшие: js9, JS9 отв. (на 0,0005 мм)", ""},
        // A size beyond the catalogue's 1000 mm but in the system.
        {"2000", "0", "-0,15", Mm, iso286::Search::Shafts, "= h7", "h7"},
        {"0,5", "0,01", "0", Mm, iso286::Search::Holes, "= H7", "H7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.size) + " " + c.upper + " " + c.lower);
        const ClassLookupLine line = lookUp(c.size, c.upper, c.lower, c.unit, c.search);
        EXPECT_EQ(line.text, c.text);
        EXPECT_EQ(names(line.exact), c.exact);
    }
}

TEST(ClassLookupLine, EmptyWhereThereIsNothingToAsk)
{
    const struct {
        const char* size;
        const char* upper;
        const char* lower;
        DeviationUnit unit;
    } cases[] = {
        {"", "0,033", "0", Mm},          // no size
        {"25", "", "0", Mm},             // a box that does not read
        {"25", "0,033", "+", Mm},
        {"0", "0,033", "0", Mm},         // sizes outside the system
        {"3151", "0,033", "0", Mm},
        {"-25", "0,033", "0", Mm},
        {"25,0000001", "0,033", "0", Mm}, // finer than the system takes
        {"25", "0", "0,033", Mm},        // the upper below the lower
        {"25", "0,0000001", "0", Mm},    // finer than 0,001 µm
        {"25", "0,0005", "0", Um},
        {"25", "100,001", "0", Mm},      // beyond ±100 000 µm
        {"25", "0", "-100001", Um},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.size) + " " + c.upper + " " + c.lower);
        const ClassLookupLine line = lookUp(c.size, c.upper, c.lower, c.unit);
        EXPECT_EQ(line.text, "");
        EXPECT_TRUE(line.exact.empty());
    }
    // The bounds themselves are asked about.
    EXPECT_NE(lookUp("25", "100", "0", Mm).text, "");
    EXPECT_NE(lookUp("25", "0,001", "0", Um).text, "");
    EXPECT_NE(lookUp("3150", "0", "0", Um).text, "");
}

TEST(ClassLookupLine, EveryClassOfASizeIsNamedByItsOwnDeviations)
{
    // Every thirteenth class of each kind, so that every letter and grade comes round.
    for (const char* size : {"0,8", "25", "1250", "3150"}) {
        const iso286::ClassesAtSize classes = iso286::classesAt(*parseNumberText(size));
        for (const auto* list : {&classes.holes, &classes.shafts})
            for (std::size_t i = 0; i < list->size(); i += 13) {
                const iso286::Limits& l = (*list)[i];
                const ClassLookupLine line =
                    classLookupLine(parseNumberText(size), l.upper, l.lower, Um, iso286::Search::Both);
                const auto& exact = line.exact;
                ASSERT_NE(std::find(exact.begin(), exact.end(), l.toleranceClass), exact.end())
                    << size << " " << l.toleranceClass.name() << ": " << line.text;
                ASSERT_EQ(line.text.substr(0, 2), "= ");
            }
    }
}

TEST(CommonClasses, ThePreferredFitsAndTheCatalogueByKindInTheStandardsOrder)
{
    EXPECT_EQ(names(commonClasses(iso286::Kind::Hole)),
              "C11 D9 F8 G7 H7 H8 H9 H11 H12 H13 H14 H15 H16 JS7 JS12 JS13 JS14 JS15 JS16 K7 N7 P7 S7 U7");
    EXPECT_EQ(names(commonClasses(iso286::Kind::Shaft)),
              "b12 c11 d9 d11 f7 f8 f9 g6 h6 h7 h8 h9 h11 h12 h13 h14 h15 h16 js6 k6 n6 p6 r6 s6 s7 u6 u8");
}

#ifdef DOPUSK_LIMITS

namespace {

// The classes a --find answer lists, each with its distance in µm ("0" when exact).
std::vector<std::pair<std::string, std::string>> toolAnswer(const std::string& arguments)
{
    const tool::Result r = tool::run(arguments);
    std::vector<std::pair<std::string, std::string>> classes;
    for (const std::string& line : tool::lines(r.out)) {
        if (line.rfind("  ", 0) != 0)
            continue;
        const std::string name = line.substr(2, line.find(':') - 2);
        const std::string mark = "(на ";
        const auto at = line.find(mark);
        std::string distance = "0";
        if (at != std::string::npos)
            distance = line.substr(at + mark.size(), line.find(" мкм)", at) - at - mark.size());
        classes.emplace_back(name, distance);
    }
    return classes;
}

} // namespace

TEST(ClassLookupLine, AgreesWithDopuskLimitsFind)
{
    const struct {
        const char* size;
        const char* upper;
        const char* lower;
        iso286::Search search;
    } cases[] = {
        {"25", "33", "0", iso286::Search::Both},     {"25", "0", "-21", iso286::Search::Both},
        {"25", "26", "-26", iso286::Search::Both},   {"10", "7,5", "-7,5", iso286::Search::Both},
        {"10", "7", "-7", iso286::Search::Shafts},   {"25", "22", "1", iso286::Search::Holes},
        {"25", "27", "-27", iso286::Search::Both},   {"40", "0", "-25", iso286::Search::Shafts},
        {"40", "-9", "-25", iso286::Search::Both},   {"0,6", "14", "4", iso286::Search::Both},
        {"118", "-36", "-58", iso286::Search::Both}, {"1600", "330", "0", iso286::Search::Holes},
        {"3150", "-1", "-2", iso286::Search::Shafts}, {"7,25", "12,345", "-3,001", iso286::Search::Both},
        {"500", "0", "0", iso286::Search::Both},     {"500,5", "1000", "999", iso286::Search::Holes},
    };
    for (const auto& c : cases) {
        std::string arguments = std::string(c.size) + " --find " + c.upper + " " + c.lower;
        if (c.search == iso286::Search::Holes)
            arguments += " --holes";
        if (c.search == iso286::Search::Shafts)
            arguments += " --shafts";
        SCOPED_TRACE(arguments);
        const auto answer = toolAnswer(arguments);
        ASSERT_FALSE(answer.empty());
        const ClassLookupLine line = lookUp(c.size, c.upper, c.lower, Um, c.search);
        // The line names the tool's classes of the smallest distance, and no others.
        std::set<std::string> expected;
        for (const auto& [name, distance] : answer)
            if (distance == answer.front().second)
                expected.insert(name);
        // "= h7, M7 отв." or "ближайшие: js9, JS9 отв. (на 1 мкм)": the names between the first blank and " (на".
        std::string list = line.text.substr(line.text.find(' ') + 1);
        list = list.substr(0, list.find(" (на "));
        std::set<std::string> named;
        std::istringstream words(list);
        for (std::string word; std::getline(words, word, ',');) {
            word.erase(0, word.find_first_not_of(' '));
            named.insert(word.substr(0, word.find(' ')));
        }
        if (answer.front().second == "0") {
            EXPECT_EQ(named, expected) << line.text;
            EXPECT_EQ(line.exact.size(), expected.size());
        } else {
            EXPECT_EQ(named, expected) << line.text;
            EXPECT_NE(line.text.find("(на " + answer.front().second + " мкм)"), std::string::npos) << line.text;
            EXPECT_TRUE(line.exact.empty());
        }
    }
}

#endif
