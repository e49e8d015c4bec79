// The worked checks and refusals that any derivation from the base tables must
// reproduce, the corrigendum values, and the reading of class designations.
#include <gtest/gtest.h>

#include "RefusalText.h"

#include "Limits.h"
#include "NumberReading.h"

using namespace iso286;

namespace {

Decimal decimal(const char* text)
{
    const auto value = readNumber(text);
    EXPECT_TRUE(value) << text;
    return value.value_or(Decimal{});
}

Limits limits(const char* size, const char* designation, Options options = {})
{
    const auto c = parseClass(designation);
    EXPECT_TRUE(c) << designation;
    return limitsOf(decimal(size), c.value_or(ToleranceClass{}), options);
}

struct Check {
    const char* size;
    const char* designation;
    const char* upper;
    const char* lower;
};

void expectLimits(const Check& c, Options options = {})
{
    const Limits l = limits(c.size, c.designation, options);
    SCOPED_TRACE(std::string(c.size) + " mm " + c.designation);
    ASSERT_TRUE(l.defined) << reasonText(l.refusal);
    EXPECT_EQ(l.upper, decimal(c.upper));
    EXPECT_EQ(l.lower, decimal(c.lower));
}

} // namespace

TEST(WorkedChecks, AllTwenty)
{
    const Check checks[] = {
        {"15", "K8", "8", "-19"},         {"40", "M8", "5", "-34"},          {"100", "N8", "-4", "-58"},
        {"5", "K4", "0.5", "-3.5"},       {"5", "N9", "0", "-30"},           {"2", "N9", "-4", "-29"},
        {"300", "M6", "-9", "-41"},       {"25", "P7", "-14", "-35"},        {"25", "P8", "-22", "-55"},
        {"90", "r6", "73", "51"},         {"110", "r6", "76", "54"},         {"150", "s7", "140", "100"},
        {"190", "t6", "195", "166"},      {"530", "u8", "710", "600"},       {"600", "u8", "770", "660"},
        {"550", "h12", "0", "-700"},      {"3", "JS9", "12.5", "-12.5"},     {"5", "J7", "6", "-6"},
        {"340", "A13", "2090", "1200"},
    };
    for (const Check& c : checks)
        expectLimits(c);
    // Check 17 is the exact half, given on request; by default JS7/js7 round an odd IT7 down.
    expectLimits({"8", "js7", "7.5", "-7.5"}, Options{true});
    expectLimits({"8", "js7", "7", "-7"});
    expectLimits({"8", "JS7", "7", "-7"});
}

TEST(WorkedChecks, CorrigendumValuesFollowFromTheRules)
{
    const Check checks[] = {{"20", "R10", "-28", "-112"}, {"100", "E8", "126", "72"}, {"300", "f9", "-56", "-186"}};
    for (const Check& c : checks)
        expectLimits(c);
}

TEST(WorkedChecks, Refusals)
{
    const struct {
        const char* size;
        const char* designation;
        const char* reason;
    } refusals[] = {
        {"4", "K9", "Поле K9 для размеров свыше 3 мм не определено"},
        {"0.8", "N9", "Поле N9 для размеров до 1 мм не определено"},
        {"1", "b11", "Поле b11 для размеров до 1 мм не определено"},
        {"0.5", "A9", "Поле A9 для размеров до 1 мм не определено"},
        {"20", "t7", "Поле t7 для размеров до 24 мм не определено"},
        {"12", "cd8", "Поле cd8 для размеров свыше 10 мм не определено"},
        {"600", "a9", "Поле a9 для размеров свыше 500 мм не определено"},
        {"600", "h01", "Квалитеты IT01 и IT0 определены до 500 мм"},
        {"1", "h14", "Квалитеты IT14…IT18 определены для размеров свыше 1 мм"},
        {"5", "j8", "Поле j8 для размеров свыше 3 мм не определено"},
        {"5", "j9", "Поле j9 не определено: поля j есть только в квалитетах 5…8"},
        {"5", "J9", "Поле J9 не определено: поля J есть только в квалитетах 6…8"},
        {"600", "J7", "Поле J7 для размеров свыше 500 мм не определено"},
        {"12", "v6", "Поле v6 для размеров до 14 мм не определено"},
        {"600", "ZC9", "Поле ZC9 для размеров свыше 500 мм не определено"},
        {"600", "K9", "Поле K9 для размеров свыше 3 мм не определено"},
        {"0", "H7", "Номинальный размер должен быть больше 0 мм"},
        {"3150.001", "H7", "Система ISO 286 определена для размеров до 3150 мм"},
        {"25.0000001", "H7", "Номинальный размер задаётся с точностью до 0,000001 мм"},
        {"0.05", "c11", "При Ø0,05 мм наименьший размер вала c11 был бы −0,07 мм"},
        {"0.01", "h9", "При Ø0,01 мм наименьший размер вала h9 был бы −0,015 мм"},
        {"0.06", "c11", "При Ø0,06 мм наименьший размер вала c11 был бы −0,06 мм"},
        {"0.12", "ZC11", "При Ø0,12 мм наименьший размер отверстия ZC11 был бы 0 мм"},
    };
    for (const auto& r : refusals) {
        const Limits l = limits(r.size, r.designation);
        EXPECT_FALSE(l.defined) << r.size << " " << r.designation;
        EXPECT_EQ(reasonText(l.refusal), r.reason) << r.size << " " << r.designation;
    }
    // Just inside the refused ranges' edges the classes exist.
    expectLimits({"3", "K9", "0", "-25"});
    expectLimits({"1.001", "N9", "-4", "-29"});
    expectLimits({"24.001", "t7", "62", "41"});
    expectLimits({"3150", "h18", "0", "-33000"});
    expectLimits({"0.121", "ZC11", "-60", "-120"});
}

TEST(WorkedChecks, Notes)
{
    EXPECT_EQ(limits("8", "js7").notes, std::vector<std::string>{"IT7 = 15 мкм нечётный: отклонения округлены до ±7 мкм, точно ±7,5"});
    EXPECT_TRUE(limits("8", "js7", Options{true}).notes.empty());
    EXPECT_EQ(limits("25", "K2").notes.size(), 1u);   // Δ of IT2 taken as 0
    EXPECT_TRUE(limits("2", "K2").notes.empty());     // Δ is 0 up to 3 mm anyway
    EXPECT_EQ(limits("600", "h5").notes.size(), 1u);  // experimental grades above 500 mm
    EXPECT_TRUE(limits("25", "H7").notes.empty());
}

TEST(WorkedChecks, LimitSizesAndInterval)
{
    const Limits l = limits("25", "H7");
    EXPECT_EQ(l.largest, decimal("25.021"));
    EXPECT_EQ(l.smallest, decimal("25"));
    EXPECT_EQ(l.it, decimal("21"));
    EXPECT_EQ(l.over, 18);
    EXPECT_EQ(l.upTo, 30);
    const Limits r6 = limits("90,5", "r6"); // the subdivided row of r
    EXPECT_EQ(r6.over, 80);
    EXPECT_EQ(r6.upTo, 100);
    EXPECT_EQ(r6.smallest, decimal("90.551"));
}

TEST(ClassReading, Designations)
{
    const struct {
        const char* text;
        bool reads;
        const char* name; // as written back
        Kind kind;
    } cases[] = {
        {"H7", true, "H7", Kind::Hole},      {"p6", true, "p6", Kind::Shaft},    {"JS9", true, "JS9", Kind::Hole},
        {"Js7", true, "JS7", Kind::Hole},    {"js6", true, "js6", Kind::Shaft},  {"CD7", true, "CD7", Kind::Hole},
        {"h01", true, "h01", Kind::Shaft},   {"za11", true, "za11", Kind::Shaft}, {"h18", true, "h18", Kind::Shaft},
        {"Н7", true, "H7", Kind::Hole},      {"р6", true, "p6", Kind::Shaft},    {"Кс8", false, "", Kind::Hole},
        {"ТА7", false, "", Kind::Hole},      {"у9", true, "y9", Kind::Shaft},
        {"сd9", true, "cd9", Kind::Shaft},   {"h19", false, "", Kind::Shaft},
        {"h07", false, "", Kind::Shaft},     {"h001", false, "", Kind::Shaft},   {"h", false, "", Kind::Shaft},
        {"7", false, "", Kind::Shaft},       {"Hh7", false, "", Kind::Hole},     {"jS7", false, "", Kind::Shaft},
        {"I7", false, "", Kind::Hole},       {"L7", false, "", Kind::Hole},      {"H 7", false, "", Kind::Hole},
        {" H7", false, "", Kind::Hole},      {"H7 ", false, "", Kind::Hole},     {"zd7", false, "", Kind::Shaft},
        {"", false, "", Kind::Hole},         {"H7/g6", false, "", Kind::Hole},   {"Б7", false, "", Kind::Hole},
    };
    for (const auto& c : cases) {
        const auto parsed = parseClass(c.text);
        EXPECT_EQ(bool(parsed), c.reads) << c.text;
        if (parsed && c.reads) {
            EXPECT_EQ(parsed->name(), c.name) << c.text;
            EXPECT_EQ(parsed->kind, c.kind) << c.text;
        }
    }
}

// A box that takes one kind reads JS, however written, as the class of its kind.
TEST(ClassReading, OfTheBoxKind)
{
    const struct {
        const char* text;
        Kind kind;
        const char* name; // "" when not read
    } cases[] = {
        {"Js6", Kind::Shaft, "js6"}, {"Js6", Kind::Hole, "JS6"}, {"JS7", Kind::Shaft, "js7"},
        {"js12", Kind::Hole, "JS12"}, {"js9", Kind::Shaft, "js9"}, {"JS9", Kind::Hole, "JS9"},
        {"G6", Kind::Shaft, "G6"}, {"h7", Kind::Hole, "h7"}, // other letters keep their own kind
        {"jS7", Kind::Shaft, ""}, {"Js", Kind::Shaft, ""},
    };
    for (const auto& c : cases) {
        const auto parsed = parseClassOfKind(c.text, c.kind);
        EXPECT_EQ(parsed ? parsed->name() : std::string(), c.name) << c.text;
    }
}

TEST(NumberReading, CommaOrPoint)
{
    EXPECT_EQ(readNumber("25,5"), readNumber("25.5"));
    EXPECT_EQ(readNumber("-7,5")->toPlainString(), "-7.5");
    EXPECT_EQ(readNumber("+21")->toPlainString(), "21");
    EXPECT_FALSE(readNumber("1,2.3"));
    EXPECT_FALSE(readNumber("1.2.3"));
    EXPECT_FALSE(readNumber("25мм"));
    EXPECT_FALSE(readNumber(""));
}

TEST(NumberReading, ExactOrRefusedForItsReason)
{
    using O = NumberOutcome;
    const struct {
        const char* text;
        O size;
        O deviation;
        const char* value; // as read, when read
    } cases[] = {
        {"25", O::Read, O::Read, "25"},
        {"\u221221", O::Read, O::Read, "-21"},                // the minus sign
        {"\u00A025,5\u2009", O::Read, O::Read, "25.5"},      // no-break and thin space around
        {" \u202F7.5e\u22121 ", O::Read, O::Read, "0.75"},   // narrow no-break space, minus in the exponent
        {"2,5E1", O::Read, O::Read, "25"},
        {"25,000001", O::Read, O::TooFine, "25.000001"},
        {"7,125", O::Read, O::Read, "7.125"},
        {"0,0005", O::Read, O::TooFine, "0.0005"},
        {"25,0000001", O::TooFine, O::TooFine, ""},
        {"1e-1000000", O::TooFine, O::TooFine, ""},
        {"1e-99999999999999999999", O::TooFine, O::TooFine, ""},
        {"0e-1000000", O::Read, O::Read, "0"},
        {"-0", O::Read, O::Read, "0"},
        {"100000", O::Read, O::Read, "100000"},
        {"-100000,001", O::Read, O::TooLarge, "-100000.001"},
        {"1e9", O::Read, O::TooLarge, "1000000000"},
        {"1e100", O::TooLarge, O::TooLarge, ""},
        {"1e999", O::TooLarge, O::TooLarge, ""},
        {"4000000000000000000000000000000e-30", O::Read, O::Read, "4"},
        {",", O::Unreadable, O::Unreadable, ""},
        {"1,2.3", O::Unreadable, O::Unreadable, ""},
        {"25 000", O::Unreadable, O::Unreadable, ""},
        {"\u2212 5", O::Unreadable, O::Unreadable, ""},
        {"1e", O::Unreadable, O::Unreadable, ""},
        {"e5", O::Unreadable, O::Unreadable, ""},
        {"25мм", O::Unreadable, O::Unreadable, ""},
    };
    for (const auto& c : cases) {
        const NumberReading size = readSize(c.text), deviation = readDeviation(c.text);
        EXPECT_EQ(size.outcome, c.size) << c.text;
        EXPECT_EQ(deviation.outcome, c.deviation) << c.text;
        for (const NumberReading* r : {&size, &deviation}) {
            if (*r) {
                EXPECT_EQ(r->value.toPlainString(), c.value) << c.text;
            }
        }
    }
}
