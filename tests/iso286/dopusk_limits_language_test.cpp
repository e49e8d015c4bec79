// dopusk-limits in the language the environment chooses: English words and the decimal
// point under an English or German locale, Russian under a Russian or the C locale, and
// the same JSON answers in every language.
#include "RunTool.h"

#include <cstdlib>

namespace {

struct Locale {
    const char* lang;
    bool english;
};

// The environment of the runs: only LANG set, as a plain desktop session has it.
class ToolLanguage : public testing::TestWithParam<Locale> {
protected:
    void SetUp() override
    {
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            unsetenv(name);
        setenv("LANG", GetParam().lang, 1);
    }
    static void TearDownTestSuite() { setenv("LC_ALL", "C.UTF-8", 1); }
};

bool hasCyrillic(const std::string& text)
{
    // Cyrillic letters are U+0400…U+04FF: lead bytes 0xD0…0xD3 in UTF-8.
    for (const unsigned char c : text)
        if (c >= 0xD0 && c <= 0xD3)
            return true;
    return false;
}

TEST_P(ToolLanguage, TextAnswerOfAClass)
{
    const tool::Result r = tool::run("25,5 p6");
    EXPECT_EQ(r.status, 0);
    if (GetParam().english)
        EXPECT_EQ(r.out, "Ø25.5 p6 — shaft, sizes over 18 up to 30 mm\n"
                         "  upper deviation es = +35 µm\n"
                         "  lower deviation ei = +22 µm\n"
                         "  tolerance IT6 = 13 µm\n"
                         "  largest limit of size  25.535 mm\n"
                         "  smallest limit of size 25.522 mm\n");
    else
        EXPECT_EQ(r.out, "Ø25,5 p6 — вал, размеры свыше 18 до 30 мм\n"
                         "  верхнее отклонение es = +35 мкм\n"
                         "  нижнее отклонение  ei = +22 мкм\n"
                         "  допуск IT6 = 13 мкм\n"
                         "  наибольший размер  25,535 мм\n"
                         "  наименьший размер  25,522 мм\n");
}

TEST_P(ToolLanguage, TextAnswerOfAFitAndAThread)
{
    const tool::Result fit = tool::run("25 H7/k6");
    const tool::Result thread = tool::run("M10x1,25-6H");
    const std::vector<std::string> fitLines = tool::lines(fit.out);
    const std::vector<std::string> threadLines = tool::lines(thread.out);
    ASSERT_GE(fitLines.size(), 8u);
    ASSERT_GE(threadLines.size(), 6u);
    if (GetParam().english) {
        EXPECT_EQ(fitLines[0], "Ø25 H7/k6 — transition fit, hole-basis");
        EXPECT_EQ(fitLines[2], "  shaft k6: es = +15 µm, ei = +2 µm; 25.015 … 25.002 mm");
        EXPECT_EQ(fitLines[7], "  (a negative clearance is an interference)");
        EXPECT_EQ(threadLines[0], "M10×1.25-6H — internal thread (nut), fine pitch 1.25 mm, diameters over 5.6 up to 11.2 mm");
        EXPECT_EQ(threadLines[3], "  major diameter D  at least 10 mm");
        EXPECT_FALSE(hasCyrillic(fit.out + thread.out));
    } else {
        EXPECT_EQ(fitLines[0], "Ø25 H7/k6 — посадка переходная, в системе отверстия");
        EXPECT_EQ(threadLines[0], "M10×1,25-6H — внутренняя резьба (гайка), мелкий шаг 1,25 мм, диаметры свыше 5,6 до 11,2 мм");
    }
}

TEST_P(ToolLanguage, HelpAndMessages)
{
    const tool::Result help = tool::run("--help");
    const tool::Result unknown = tool::run("--bogus");
    const tool::Result batch = tool::run("--batch", "25 H7\n25 QQ\n");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(unknown.status, 2);
    if (GetParam().english) {
        EXPECT_EQ(help.out.rfind("Usage:\n  dopusk-limits SIZE CLASS ", 0), 0u) << help.out;
        EXPECT_NE(help.out.find("(±7.5 µm at 6–10 mm)"), std::string::npos);
        EXPECT_FALSE(hasCyrillic(help.out));
        EXPECT_EQ(unknown.err, "dopusk-limits: unknown option “--bogus” (help: dopusk-limits --help)\n");
        EXPECT_EQ(batch.err, "dopusk-limits: line 2: “QQ” is not a tolerance class (for example H7, p6, JS9, cd8)\n");
        EXPECT_NE(batch.out.find("error: line 2: "), std::string::npos);
    } else {
        EXPECT_EQ(help.out.rfind("Использование:\n", 0), 0u);
        EXPECT_EQ(unknown.err, "dopusk-limits: неизвестный ключ «--bogus» (справка: dopusk-limits --help)\n");
        EXPECT_EQ(batch.err, "dopusk-limits: строка 2: «QQ» не обозначение поля допуска (пример: H7, p6, JS9, cd8)\n");
    }
}

// Programs read the JSON answers: their reasons and notes stay as they are in every language.
TEST_P(ToolLanguage, JsonAnswersAreTheSameInEveryLanguage)
{
    const char* queries[] = {"--json 0,5 a9", "--json 8 js7", "--json 25 H7/p6", "--json M10-9H", "--json 25 QQ",
                             "--json --bogus", "--json 25 --find 20 0"};
    for (const char* query : queries) {
        const tool::Result here = tool::run(query);
        setenv("LANG", "C.UTF-8", 1);
        const tool::Result russian = tool::run(query);
        setenv("LANG", GetParam().lang, 1);
        EXPECT_EQ(here.out, russian.out) << query;
        EXPECT_EQ(here.status, russian.status) << query;
    }
    const tool::Result batch = tool::run("--json --batch", "0,5 a9\n25 QQ\n");
    setenv("LANG", "C.UTF-8", 1);
    EXPECT_EQ(batch.out, tool::run("--json --batch", "0,5 a9\n25 QQ\n").out);
}

INSTANTIATE_TEST_SUITE_P(Locales, ToolLanguage,
                         testing::Values(Locale{"en_US.UTF-8", true}, Locale{"de_DE.UTF-8", true},
                                         Locale{"ru_RU.UTF-8", false}, Locale{"C.UTF-8", false}),
                         [](const testing::TestParamInfo<Locale>& info) {
                             std::string name = info.param.lang;
                             name.resize(name.find('.'));
                             return name;
                         });

} // namespace
