// dopusk-limits run as a user runs it: its answers, exit statuses, errors, JSON,
// batch input and the failures of reading and writing.
#include <gtest/gtest.h>

#include <algorithm>

#include "RunTool.h"

using tool::lines;
using tool::run;

TEST(LimitsTool, JsonAnswers)
{
    const struct {
        const char* arguments;
        int status;
        const char* out;
    } cases[] = {
        {"25 H7 --json", 0,
         R"({"answer":"class","size_mm":25,"class":"H7","class_kind":"hole","defined":true,"interval_mm":[18,30],"upper_um":21,"lower_um":0,"it_um":21,"max_mm":25.021,"min_mm":25})"},
        {"--json 8,0 js7 --js7-exact", 0,
         R"({"answer":"class","size_mm":8,"class":"js7","class_kind":"shaft","defined":true,"interval_mm":[6,10],"upper_um":7.5,"lower_um":-7.5,"it_um":15,"max_mm":8.0075,"min_mm":7.9925,"js7_convention":"exact_halves"})"},
        {"--json 0.8 N9", 1,
         R"({"answer":"class","size_mm":0.8,"class":"N9","class_kind":"hole","defined":false,"interval_mm":[0,1],"code":"class_not_defined","reason":"Поле N9 для размеров до 1 мм не определено"})"},
        {"--json 0,05 c11", 1,
         R"({"answer":"class","size_mm":0.05,"class":"c11","class_kind":"shaft","defined":false,"interval_mm":[0,3],"code":"class_gives_no_size","reason":"При Ø0,05 мм наименьший размер вала c11 был бы −0,07 мм"})"},
        {"--json 25 Н7/р6", 0,
         R"({"answer":"fit","size_mm":25,"fit":"H7/p6","system":"hole_basis","defined":true,"interval_mm":[18,30],)"
         R"("hole":{"class":"H7","class_kind":"hole","defined":true,"interval_mm":[18,30],"upper_um":21,"lower_um":0,"it_um":21,"max_mm":25.021,"min_mm":25},)"
         R"("shaft":{"class":"p6","class_kind":"shaft","defined":true,"interval_mm":[18,30],"upper_um":35,"lower_um":22,"it_um":13,"max_mm":25.035,"min_mm":25.022},)"
         R"("fit_kind":"interference","max_clearance_um":-1,"min_clearance_um":-35,"mean_clearance_um":-18,"fit_tolerance_um":34})"},
        {"--json 25 --find 21 0 --holes", 0,
         R"({"answer":"find","size_mm":25,"upper_um":21,"lower_um":0,"search":"holes","defined":true,"interval_mm":[24,30],"exact":[{"class":"H7","class_kind":"hole","defined":true,"interval_mm":[18,30],"upper_um":21,"lower_um":0,"it_um":21,"max_mm":25.021,"min_mm":25,"distance_um":0}],"nearest":[]})"},
        {"--json 4000 --classes", 1,
         R"({"answer":"classes","size_mm":4000,"defined":false,"interval_mm":null,"code":"size_out_of_range","reason":"Система ISO 286 определена для размеров до 3150 мм","holes":[],"shafts":[]})"},
        {"--json 1e100 H7", 1,
         R"({"answer":"class","class":"H7","class_kind":"hole","defined":false,"interval_mm":null,"code":"size_out_of_range","reason":"Система ISO 286 определена для размеров до 3150 мм"})"},
    };
    for (const auto& c : cases) {
        const tool::Result r = run(c.arguments);
        EXPECT_EQ(r.status, c.status) << c.arguments;
        EXPECT_EQ(r.out, std::string(c.out) + "\n") << c.arguments;
        EXPECT_EQ(r.err, "") << c.arguments;
    }
}

TEST(LimitsTool, TextAnswers)
{
    const struct {
        const char* arguments;
        int status;
        const char* contains;
    } cases[] = {
        {"25 H7", 0, "наибольший размер  25,021 мм"},
        {"25 H7/g6", 0, "посадка с зазором, в системе отверстия"},
        {"25 H7/g6", 0, "Smax = ES − ei = 41 мкм"},
        {"25.0 H7/p6", 0, "посадка с натягом"},
        {"8 js7", 0, "es = +7 мкм"},
        {"20 t7", 1, "Ø20 t7: Поле t7 для размеров до 24 мм не определено"},
        {"0,05 c11", 1, "Ø0,05 c11: При Ø0,05 мм наименьший размер вала c11 был бы −0,07 мм\n"},
        {"0,02 H7/c11", 1, "Ø0,02 H7/c11: При Ø0,02 мм наименьший размер вала c11 был бы −0,1 мм\n"},
        {"1e999 h7", 1, "Ø1e999 h7: Система ISO 286 определена для размеров до 3150 мм\n"},
        {"25 --find 22 1 --holes", 1, "ни одно поле не совпадает, ближайшие\n  H7: ES = +21 мкм, EI = 0 мкм; 25,021 … 25 мм (на 1 мкм)"},
        {"25 --find 0 -21", 0, "  h7: es = 0 мкм, ei = -21 мкм; 25 … 24,979 мм"},
        // JS7/js7 by either halves of an odd IT7, saying which.
        {"10 --find 7,5 -7,5", 0, "  JS7: ES = +7,5 мкм, EI = -7,5 мкм; 10,0075 … 9,9925 мм (точные половины IT7"},
        {"10 --find 7 -7 --shafts", 0, "  js7: es = +7 мкм, ei = -7 мкм; 10,007 … 9,993 мм (IT7 округлён до чётного"},
        {"8 JS7/h6", 0, "допуск посадки = 23 мкм"},
        {"8 JS7/h6", 0, "вычислены по показанным отклонениям JS7 (±7 мкм)"},
        // Numbers as pasted: the minus sign, no-break and thin spaces.
        {"25 --find 0 '\u221221'", 0, "  M7: ES = 0 мкм, EI = -21 мкм"},
        {"'\u00A025\u2009' H7", 0, "Ø25 H7 — отверстие"},
        {"'\u202F25,5\u00A0' --classes", 0, "Ø25,5: поля отверстий"},
        {"--classes 25", 0, "\n  H01 H0 H1 H2 H3 H4 H5 H6 H7 H8 H9 H10 H11 H12 H13 H14 H15 H16 H17 H18\n"},
        {"-- 25 H7", 0, "Ø25 H7 — отверстие"},
        {"--help", 0, "  -h, --help "},
        {"--help", 0, "  -V, --version "},
        {"-V", 0, "dopusk-limits "},
        {"--version 25 Q7", 0, "dopusk-limits "},
    };
    for (const auto& c : cases) {
        const tool::Result r = run(c.arguments);
        EXPECT_EQ(r.status, c.status) << c.arguments;
        EXPECT_NE(r.out.find(c.contains), std::string::npos) << c.arguments << "\n" << r.out;
    }
}

// Every error and refusal with its code and exit status. An error (status 2 or 3)
// is one line on standard error, and with --json also an answer; a refusal
// (status 1) is an answer alone.
TEST(LimitsTool, HostileInputs)
{
    const struct {
        const char* arguments;
        int status;
        const char* code;
        const char* named = ""; // what the message must name
    } cases[] = {
        {"abc H7", 2, "size_unreadable", "«abc»"},
        {"',' H7", 2, "size_unreadable"},
        {"1,2.5 H7", 2, "size_unreadable"},
        {"'25 000' H7", 2, "size_unreadable"},
        {"25 Q7", 2, "class_unreadable", "«Q7»"},
        {"25 H7/", 2, "class_unreadable"},
        {"25 h7/H7", 2, "not_a_hole"},
        {"25 H7/H7", 2, "not_a_shaft"},
        {"0 H7", 1, "size_out_of_range"},
        {"'\u22125' H7", 1, "size_out_of_range"},
        {"4000 H7", 1, "size_out_of_range"},
        {"1e100 h7", 1, "size_out_of_range"},
        {"1e999 h7", 1, "size_out_of_range"},
        {"1e99999999999999999999 H7/h7", 1, "size_out_of_range"},
        {"0e-1000000 h7", 1, "size_out_of_range"},
        {"1e-1000000 h7", 2, "size_too_fine", "0,000001 мм"},
        {"1e-200000 H7", 2, "size_too_fine"},
        {"1e-99999 H7/h7", 2, "size_too_fine"},
        {"25,0000001 h7", 2, "size_too_fine"},
        {"20 t7", 1, "class_not_defined"},
        {"5 j9", 1, "class_not_defined"},
        {"0,05 c11", 1, "class_gives_no_size"},
        {"0,01 h9", 1, "class_gives_no_size"},
        {"0,02 H7/c11", 1, "class_gives_no_size"},
        {"25 --find a 0", 2, "deviation_unreadable", "«a»"},
        {"25 --find 1e-9 0", 2, "deviation_too_fine", "0,001 мкм"},
        {"25 --find 1e6 0", 2, "deviation_out_of_range"},
        {"25 --find 0 21", 2, "deviations_reversed", "«0»"},
        {"25 --find 22 1 --holes", 1, "no_exact_match"},
        {"4000 --find 1 0", 1, "size_out_of_range"},
        {"--classes 0", 1, "size_out_of_range"},
        {"25 H7 --frobnicate", 2, "unknown_option", "--frobnicate"},
        {"-x 25 H7", 2, "unknown_option", "-x"},
        {"25 --find 1", 2, "option_needs_values", "--find"},
        {"25 --find 1 0 --find 1 0", 2, "option_repeated", "--find"},
        {"--classes 25 --batch", 2, "options_conflict", "--batch"},
        {"--holes --shafts 25 --find 1 0", 2, "options_conflict", "--shafts"},
        {"25 H7 --holes", 2, "option_needs_find", "--holes"},
        {"", 2, "size_missing"},
        {"--classes", 2, "size_missing"},
        {"25", 2, "class_missing"},
        {"25 H7 H8", 2, "extra_argument", "«H8»"},
        {"--batch a b", 2, "extra_argument", "«b»"},
        {"--batch /nonexistent/queries", 3, "input_failed", "/nonexistent/queries"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const tool::Result json = run(std::string("--json ") + c.arguments);
        EXPECT_EQ(json.status, c.status);
        const auto answers = lines(json.out);
        ASSERT_EQ(answers.size(), 1u) << json.out;
        EXPECT_NE(answers[0].find(std::string(R"("code":")") + c.code + "\""), std::string::npos) << answers[0];
        EXPECT_NE(answers[0].find(c.named), std::string::npos) << answers[0];
        const bool error = c.status >= 2;
        EXPECT_EQ(answers[0].rfind(R"({"answer":"error")", 0) == 0, error) << answers[0];
        const tool::Result text = run(c.arguments);
        EXPECT_EQ(text.status, c.status);
        if (error) {
            EXPECT_EQ(text.out, "");
            for (const std::string* err : {&json.err, &text.err}) {
                EXPECT_EQ(err->rfind("dopusk-limits: ", 0), 0u) << *err;
                EXPECT_EQ(std::count(err->begin(), err->end(), '\n'), 1) << *err;
                EXPECT_NE(err->find(c.named), std::string::npos) << *err;
            }
        } else {
            EXPECT_EQ(json.err + text.err, "");
        }
    }
}

TEST(LimitsTool, BatchAnswersLineUpWithTheirLines)
{
    // A byte-order mark, a blank line, a comment, a lone CR, CR LF and no end at the last line.
    const std::string input = "\xEF\xBB\xBF" "25 H7\n\n  # a comment\n0,8 N9\rwhat is this\r\n25\u00A0H7/g6\n25 Q7";
    const tool::Result r = run("--batch --json", input);
    EXPECT_EQ(r.status, 2);
    const auto answers = lines(r.out);
    ASSERT_EQ(answers.size(), 5u) << r.out;
    const char* starts[] = {
        R"({"line":1,"input":"25 H7","answer":"class","size_mm":25,"class":"H7")",
        R"({"line":4,"input":"0,8 N9","answer":"class","size_mm":0.8,"class":"N9","class_kind":"hole","defined":false)",
        R"({"line":5,"input":"what is this","answer":"error","code":"line_unreadable")",
        "{\"line\":6,\"input\":\"25\u00A0H7/g6\",\"answer\":\"fit\"",
        R"({"line":7,"input":"25 Q7","answer":"error","code":"class_unreadable")",
    };
    for (std::size_t i = 0; i < answers.size(); ++i)
        EXPECT_EQ(answers[i].rfind(starts[i], 0), 0u) << answers[i];
    EXPECT_EQ(lines(r.err), (std::vector<std::string>{
                                "dopusk-limits: строка 5: строка не вида «РАЗМЕР ПОЛЕ» или «РАЗМЕР ОТВЕРСТИЕ/ВАЛ»",
                                "dopusk-limits: строка 7: «Q7» не обозначение поля допуска (пример: H7, p6, JS9, cd8)"}));

    // The same from a file, and from "-".
    const std::string file = tool::scratch("queries");
    std::ofstream(file, std::ios::binary) << input;
    EXPECT_EQ(run("--json --batch " + file).out, r.out);
    EXPECT_EQ(run("--batch - --json", input).out, r.out);

    EXPECT_EQ(run("--batch", "25 H7\n530 u8\n").status, 0);
    EXPECT_EQ(run("--batch", "25 H7\n20 t7\n").status, 1);
    EXPECT_EQ(run("--batch", std::string(5000, '1') + "\n25 H7\n").out.rfind("ошибка: строка 1: строка длиннее 4096 байт", 0), 0u);
}

TEST(LimitsTool, FailedReadingOrWritingIsStatus3)
{
    const struct {
        const char* arguments;
        const char* redirections;
        const char* message;
    } cases[] = {
        {"25 H7", ">/dev/full", "не удаётся записать ответ"},
        {"--classes 25", ">&-", "не удаётся записать ответ"},
        {"--batch", "</", "не удаётся прочитать стандартный ввод"},
        {"--batch /", "", "не удаётся прочитать «/»"},
    };
    for (const auto& c : cases) {
        const tool::Result r = run(c.arguments, "25 H7\n", c.redirections);
        EXPECT_EQ(r.status, 3) << c.arguments << " " << c.redirections;
        EXPECT_EQ(lines(r.err).size(), 1u) << r.err;
        EXPECT_EQ(r.err.rfind(std::string("dopusk-limits: ") + c.message, 0), 0u) << r.err;
    }
    // A reader that stops early ends the tool by SIGPIPE; where that is ignored, status 3.
    const std::string many = tool::scratch("many");
    {
        std::ofstream queries(many);
        for (int i = 0; i < 20000; ++i)
            queries << "25 H7\n";
    }
    const std::string pipe = std::string(DOPUSK_LIMITS) + " --batch " + many + " 2>/dev/null | head -c 1 >/dev/null; exit ${PIPESTATUS[0]}";
    auto statusOf = [](const std::string& script) {
        const int raw = std::system(("bash -c '" + script + "'").c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    };
    EXPECT_EQ(statusOf(pipe), 128 + SIGPIPE);
    EXPECT_EQ(statusOf("trap \"\" PIPE; " + pipe), 3);
}

TEST(LimitsTool, BadBytesStayValidJson)
{
    const tool::Result r = run("--batch --json", std::string("25 \xff\x01\"\\7\n", 9));
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find(R"(«??\"\\7»)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(R"("input":"25 ??\"\\7")"), std::string::npos) << r.out;
}
