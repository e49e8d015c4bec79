// dopusk-limits run as a user runs it: its answers, exit statuses, JSON and batch.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <algorithm>
#include <fstream>
#include <sstream>
#include <vector>
#include <string>

namespace {

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

std::string readFile(const std::string& path)
{
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Arguments as a shell word list; `input` goes to standard input.
Result run(const std::string& arguments, const std::string& input = "")
{
    // Files of this process's own: other runs of the suite may share the folder.
    const std::string dir = ::testing::TempDir() + "limits_" + std::to_string(getpid()) + "_";
    const std::string in = dir + "in", out = dir + "out", err = dir + "err";
    std::ofstream(in) << input;
    const std::string command = std::string(DOPUSK_LIMITS) + " " + arguments + " <" + in + " >" + out + " 2>" + err;
    const int raw = std::system(command.c_str());
    Result r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = readFile(out);
    r.err = readFile(err);
    return r;
}

} // namespace

TEST(LimitsTool, JsonAnswers)
{
    const struct {
        const char* arguments;
        int status;
        const char* out;
    } cases[] = {
        {"25 H7 --json", 0,
         R"({"size_mm":25,"class":"H7","kind":"hole","defined":true,"upper_um":21,"lower_um":0,"it_um":21,"max_mm":25.021,"min_mm":25})"},
        {"--json 8,0 js7 --js7-exact", 0,
         R"({"size_mm":8,"class":"js7","kind":"shaft","defined":true,"upper_um":7.5,"lower_um":-7.5,"it_um":15,"max_mm":8.0075,"min_mm":7.9925})"},
        {"--json 0.8 N9", 1, R"({"size_mm":0.8,"class":"N9","defined":false,"reason":"Поле N9 для размеров до 1 мм не определено"})"},
        {"--json 25 Н7/р6", 0,
         R"({"size_mm":25,"hole":{"size_mm":25,"class":"H7","kind":"hole","defined":true,"upper_um":21,"lower_um":0,"it_um":21,"max_mm":25.021,"min_mm":25},)"
         R"("shaft":{"size_mm":25,"class":"p6","kind":"shaft","defined":true,"upper_um":35,"lower_um":22,"it_um":13,"max_mm":25.035,"min_mm":25.022},)"
         R"("defined":true,"max_clearance_um":-1,"min_clearance_um":-35,"mean_clearance_um":-18,"fit_tolerance_um":34,"kind":"interference","system":"hole_basis"})"},
        {"--json 25 --find 21 0 --holes", 0,
         R"({"size_mm":25,"exact":[{"size_mm":25,"class":"H7","kind":"hole","defined":true,"upper_um":21,"lower_um":0,"it_um":21,"max_mm":25.021,"min_mm":25}],"nearest":[]})"},
        {"--json 4000 --classes", 1, R"({"size_mm":4000,"defined":false,"reason":"Система ISO 286 определена для размеров до 3150 мм"})"},
    };
    for (const auto& c : cases) {
        const Result r = run(c.arguments);
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
        {"25 --find 22 1 --holes", 1, "ни одно поле не совпадает, ближайшие\n  H7: ES = +21 мкм, EI = 0 мкм"},
        {"25 --find 0 -21", 0, "  h7: es = 0 мкм, ei = -21 мкм; 25 … 24,979 мм"},
        {"--classes 25", 0, "\n  H01 H0 H1 H2 H3 H4 H5 H6 H7 H8 H9 H10 H11 H12 H13 H14 H15 H16 H17 H18\n"},
        {"--help", 0, "dopusk-limits РАЗМЕР ПОЛЕ"},
    };
    for (const auto& c : cases) {
        const Result r = run(c.arguments);
        EXPECT_EQ(r.status, c.status) << c.arguments;
        EXPECT_NE(r.out.find(c.contains), std::string::npos) << c.arguments << "\n" << r.out;
    }
}

TEST(LimitsTool, BadUsage)
{
    const char* cases[] = {
        "",        "25",          "25 H7 H8",   "abc H7",        "25 Q7",     "25 H7 --frobnicate", "25 h7/H7",
        "25 H7/",  "25 --find 1", "25 --find a 0", "--classes", "25 H7 --holes", "--batch 25 H7",    "1,2.5 H7",
    };
    for (const char* arguments : cases) {
        const Result r = run(arguments);
        EXPECT_EQ(r.status, 2) << arguments;
        EXPECT_EQ(r.out, "") << arguments;
        // One line, naming the tool.
        EXPECT_EQ(r.err.rfind("dopusk-limits: ", 0), 0u) << arguments << ": " << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << arguments << ": " << r.err;
    }
}

TEST(LimitsTool, BatchAnswersEveryLineInOrder)
{
    const Result r = run("--batch --json", "25 H7\n\n0,8 N9\nwhat is this\n25 H7/g6\r\n25 Q7\n");
    EXPECT_EQ(r.status, 2);
    std::istringstream lines(r.out);
    std::string line;
    std::vector<std::string> answers;
    while (std::getline(lines, line))
        answers.push_back(line);
    ASSERT_EQ(answers.size(), 5u) << r.out;
    EXPECT_EQ(answers[0].rfind(R"({"size_mm":25,"class":"H7","kind":"hole","defined":true)", 0), 0u);
    EXPECT_NE(answers[1].find(R"("defined":false)"), std::string::npos);
    EXPECT_EQ(answers[2].rfind(R"({"error":"строка 4: )", 0), 0u) << answers[2];
    EXPECT_NE(answers[3].find(R"("kind":"clearance")"), std::string::npos);
    EXPECT_EQ(answers[4].rfind(R"({"error":"строка 6: «Q7»)", 0), 0u) << answers[4];

    EXPECT_EQ(run("--batch", "25 H7\n530 u8\n").status, 0);
    EXPECT_EQ(run("--batch", "25 H7\n20 t7\n").status, 1);
}

TEST(LimitsTool, BadBytesStayValidJson)
{
    const Result r = run("--batch --json", std::string("25 \xff\x01\"\\7\n", 9));
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find(R"(«??\"\\7»)"), std::string::npos) << r.out;
}
