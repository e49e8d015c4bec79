// dopusk-limits asked about threads as a user asks: the worked checks of the
// thread tables, refusals with their codes, errors of usage, the plan, batches.
#include <gtest/gtest.h>

#include "RunTool.h"

namespace {

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

} // namespace

TEST(LimitsThreads, JsonAnswersAndStatuses)
{
    const struct {
        const char* query;
        int status;
        const char* code; // "" when defined
        std::vector<const char*> members;
    } cases[] = {
        {"M10x1,5-6H", 0, "",
         {R"({"answer":"thread_class","thread":"M10x1.5","d_mm":10,"pitch_mm":1.5,"class":"6H","thread_kind":"internal","defined":true,"interval_mm":[5.6,11.2],)"
          R"("EI_D2_um":0,"EI_D1_um":0,"TD2_um":180,"TD1_um":300,"D_min_mm":10,"D2_min_mm":9.026,"D2_max_mm":9.206,"D1_min_mm":8.376,"D1_max_mm":8.676})"}},
        {"M10-6g", 0, "",
         {R"("thread":"M10x1.5",)",
          R"("thread_kind":"external","defined":true,"interval_mm":[5.6,11.2],"es_d2_um":-32,"es_d_um":-32,"Td2_um":132,"Td_um":236,)"
          R"("d_max_mm":9.968,"d_min_mm":9.732,"d2_max_mm":8.994,"d2_min_mm":8.862,"d3_max_mm":8.128})"}},
        {"M6-6g", 0, "", {R"("d_max_mm":5.974,"d_min_mm":5.794,"d2_max_mm":5.324,"d2_min_mm":5.212,"d3_max_mm":4.747)"}},
        {"М24х2-6Н", 0, "", {R"("TD2_um":224,"TD1_um":375,"D_min_mm":24,"D2_min_mm":22.701,"D2_max_mm":22.925,"D1_min_mm":21.835,"D1_max_mm":22.21)"}},
        {"M8x1-4h6h", 0, "", {R"("class":"4h6h")", R"("Td2_um":71,"Td_um":180,"d_max_mm":8,"d_min_mm":7.82,"d2_max_mm":7.35,"d2_min_mm":7.279,"d3_max_mm":6.773)"}},
        {"M20x2,5-7G/8e", 0, "",
         {R"("answer":"thread_fit","thread":"M20x2.5","d_mm":20,"pitch_mm":2.5,"fit":"7G/8e","defined":true,"interval_mm":[11.2,22.4],)",
          R"("nut":{"class":"7G","thread_kind":"internal","defined":true,"interval_mm":[11.2,22.4],"EI_D2_um":42,"EI_D1_um":42,"TD2_um":280,"TD1_um":560,"D_min_mm":20.042,"D2_min_mm":18.418,"D2_max_mm":18.698,"D1_min_mm":17.336,"D1_max_mm":17.896})",
          R"("bolt":{"class":"8e","thread_kind":"external","defined":true,"interval_mm":[11.2,22.4],"es_d2_um":-80,"es_d_um":-80,"Td2_um":265,"Td_um":530,"d_max_mm":19.92,"d_min_mm":19.39,"d2_max_mm":18.296,"d2_min_mm":18.031,"d3_max_mm":16.853})",
          R"("d2_min_clearance_um":122,"d2_max_clearance_um":667})"}},
        {"M10x1,25-6H/6g", 0, "", {R"("answer":"thread_fit","thread":"M10x1.25")", R"("d2_min_clearance_um":28,"d2_max_clearance_um":306})"}},
        {"M10", 0, "", {R"("answer":"thread","thread":"M10x1.5")", R"("series":"coarse","choice":1,"d2_mm":9.026,"d1_mm":8.376,"d3_mm":8.16,"nut_classes":["4H",)"}},
        {"M1x0,25-6H", 1, "grade_not_defined", {R"("thread":"M1x0.25")", R"("interval_mm":[0.99,1.4])"}},
        {"M3x0,5-8G", 1, "grade_not_defined", {R"("class":"8G")"}},
        {"M1x0,2-6e", 1, "position_not_defined", {R"("reason":"Основного отклонения e при шаге 0,2 мм)"}},
        {"M13-6H", 1, "diameter_not_in_plan", {R"("d_mm":13,"class":"6H")", R"("interval_mm":null)"}},
        {"M10x1,3-6g", 1, "pitch_not_in_plan", {R"("pitch_mm":1.3,)", R"((есть 1,5; 1,25; 1; 0,75))"}},
        {"M40-6H", 1, "no_coarse_pitch", {R"(укажите шаг (3; 2; 1,5))"}},
        {"M10-6H/3g", 1, "grade_not_defined", {R"("nut":{"class":"6H","thread_kind":"internal","defined":true)", R"("bolt":{"class":"3g",)"}},
        {"M10-6g/6H", 2, "fit_kinds_mismatch", {R"("answer":"error")"}},
        {"M10-6Q", 2, "class_unreadable", {R"("answer":"error")"}},
        {"M10y", 2, "thread_unreadable", {R"("answer":"error")"}},
        {"M10 6g", 0, "", {R"("class":"6g")"}},
        {"--threads 10", 0, "",
         {R"({"answer":"threads","d_mm":10,"defined":true,"interval_mm":[5.6,11.2],"threads":[{"thread":"M10x1.5","d_mm":10,"pitch_mm":1.5,"series":"coarse","choice":1},)",
          R"({"thread":"M10x0.75","d_mm":10,"pitch_mm":0.75,"series":"fine","choice":1}]})"}},
        {"--threads М1,6", 0, "", {R"("threads":[{"thread":"M1.6x0.35")"}},
        {"--threads 13", 1, "diameter_not_in_plan", {R"("threads":[])"}},
        {"--threads 1x", 2, "size_unreadable", {}},
    };
    for (const auto& c : cases) {
        const tool::Result r = tool::run(std::string("--json ") + c.query);
        EXPECT_EQ(r.status, c.status) << c.query << "\n" << r.out;
        ASSERT_EQ(tool::lines(r.out).size(), 1u) << c.query << "\n" << r.out;
        if (*c.code)
            EXPECT_TRUE(has(r.out, std::string(R"("code":")") + c.code + "\"")) << c.query << "\n" << r.out;
        else
            EXPECT_FALSE(has(r.out, R"("code":)")) << c.query << "\n" << r.out;
        for (const char* member : c.members)
            EXPECT_TRUE(has(r.out, member)) << c.query << "\n" << r.out << "\nwants " << member;
        // Errors of usage go to standard error as well, in one line.
        EXPECT_EQ(r.err.empty(), c.status != 2) << c.query << "\n" << r.err;
    }
}

TEST(LimitsThreads, TextAnswers)
{
    const struct {
        const char* query;
        int status;
        std::vector<const char*> lines;
    } cases[] = {
        {"M10x1,5-6H", 0,
         {"M10-6H — внутренняя резьба (гайка), крупный шаг 1,5 мм, диаметры свыше 5,6 до 11,2 мм",
          "  нижнее отклонение EI = 0 мкм (D, D2), 0 мкм (D1)", "  допуск TD2 = 180 мкм, TD1 = 300 мкм",
          "  наружный диаметр   D  не менее 10 мм", "  средний диаметр    D2 9,206 … 9,026 мм",
          "  внутренний диаметр D1 8,676 … 8,376 мм"}},
        {"M10-6g", 0,
         {"M10-6g — наружная резьба (болт), крупный шаг 1,5 мм, диаметры свыше 5,6 до 11,2 мм",
          "  верхнее отклонение es = -32 мкм (d2, d3), -32 мкм (d)", "  допуск Td2 = 132 мкм, Td = 236 мкм",
          "  наружный диаметр   d  9,968 … 9,732 мм", "  средний диаметр    d2 8,994 … 8,862 мм",
          "  внутренний диаметр d3 не более 8,128 мм"}},
        {"M20x2,5-7G/8e", 0,
         {"M20-7G/8e — посадка резьбы, крупный шаг 2,5 мм, диаметры свыше 11,2 до 22,4 мм", "  гайка 7G",
          "    нижнее отклонение EI = +42 мкм (D, D2), +42 мкм (D1)", "  болт 8e",
          "  наименьший зазор по среднему диаметру D2 min − d2 max = 122 мкм",
          "  наибольший зазор по среднему диаметру D2 max − d2 min = 667 мкм"}},
        {"M1x0,25-6H", 1,
         {"M1-6H: Степени точности 6 для среднего диаметра D2 гайки при шаге 0,25 мм стандарт не устанавливает (есть 4, 5)"}},
        {"M13x1-6H", 1, {"M13x1-6H: Резьбы диаметром 13 мм нет в ряду метрических резьб ISO 261 (1…300 мм)"}},
        {"M8x1", 0, {"M8×1 — мелкий шаг 1 мм, диаметры свыше 5,6 до 11,2 мм"}},
        {"--threads 10", 0, {"M10: шаги по ISO 261, мм", "  M10      ряд 1  крупный 1,5; мелкие 1,25; 1; 0,75"}},
        {"--threads", 0, {"  M1       ряд 1  крупный 0,25; мелкий 0,2", "  M15      ряд 3  мелкие 1,5; 1"}},
    };
    for (const auto& c : cases) {
        const tool::Result r = tool::run(c.query);
        EXPECT_EQ(r.status, c.status) << c.query;
        const std::vector<std::string> lines = tool::lines(r.out);
        for (const char* line : c.lines)
            EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << c.query << "\n" << r.out << "\nwants " << line;
    }
    // The whole plan: a heading, then one line per diameter.
    EXPECT_EQ(tool::lines(tool::run("--threads").out).size(), 1u + 106u);
}

TEST(LimitsThreads, BadUsage)
{
    const char* cases[] = {"M10 6g 7H", "--threads 10 12", "--threads --classes 10", "--threads --threads",
                           "M10-6H --holes", "M10x-6H"};
    for (const char* arguments : cases) {
        const tool::Result r = tool::run(arguments);
        EXPECT_EQ(r.status, 2) << arguments;
        EXPECT_EQ(r.out, "") << arguments;
        EXPECT_EQ(tool::lines(r.err).size(), 1u) << arguments << ": " << r.err;
    }
}

TEST(LimitsThreads, BatchMixesThreadsAndClasses)
{
    const tool::Result r =
        tool::run("--batch --json", "M10-6g\n25 H7\n\n# plan\n--threads 1,6\nM13-6H\nM10-6g/6H\n  м10х1,25 6Н/6g  \n");
    EXPECT_EQ(r.status, 2);
    const std::vector<std::string> answers = tool::lines(r.out);
    ASSERT_EQ(answers.size(), 6u) << r.out;
    EXPECT_EQ(answers[0].rfind(R"({"line":1,"input":"M10-6g","answer":"thread_class","thread":"M10x1.5")", 0), 0u) << answers[0];
    EXPECT_EQ(answers[1].rfind(R"({"line":2,"input":"25 H7","answer":"class")", 0), 0u) << answers[1];
    EXPECT_EQ(answers[2].rfind(R"({"line":5,"input":"--threads 1,6","answer":"threads","d_mm":1.6)", 0), 0u) << answers[2];
    EXPECT_TRUE(has(answers[3], R"("line":6,)") && has(answers[3], R"("code":"diameter_not_in_plan")")) << answers[3];
    EXPECT_TRUE(has(answers[4], R"("line":7,)") && has(answers[4], R"("answer":"error","code":"fit_kinds_mismatch")")) << answers[4];
    EXPECT_TRUE(has(answers[5], R"("line":8,)") && has(answers[5], R"("d2_min_clearance_um":28,)")) << answers[5];
    EXPECT_EQ(tool::lines(r.err).size(), 1u) << r.err;

    EXPECT_EQ(tool::run("--batch", "M10-6g\nM10x1,25-6H/6g\n25 H7\n").status, 0);
    EXPECT_EQ(tool::run("--batch", "M10-6g\nM1x0,25-6H\n").status, 1);
}
