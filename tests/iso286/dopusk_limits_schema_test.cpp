// Every kind of answer of dopusk-limits --json, defined and refused, and every
// kind of error, held against the JSON Schema installed with the tool.
#include <gtest/gtest.h>

#include "JsonSchemaCheck.h"
#include "RunTool.h"

namespace {

schema::Json parse(const std::string& text) { return schema::Reader(text).document(); }

const schema::Checker& checker()
{
    static const schema::Checker c(parse(tool::readFile(DOPUSK_LIMITS_SCHEMA)));
    return c;
}

// Every line dopusk-limits --json answers to each query, then to `batch` on its standard input,
// held against the schema. The number of lines held.
template <std::size_t N>
int answersHeld(const char* const (&queries)[N], const std::string& batch)
{
    int answers = 0;
    for (const char* query : queries) {
        const tool::Result r = tool::run(std::string("--json ") + query);
        for (const std::string& line : tool::lines(r.out)) {
            EXPECT_EQ(checker().check(parse(line)), "") << query << "\n" << line;
            ++answers;
        }
    }
    const tool::Result r = tool::run("--json --batch", batch);
    for (const std::string& line : tool::lines(r.out)) {
        EXPECT_EQ(checker().check(parse(line)), "") << line;
        ++answers;
    }
    return answers;
}

} // namespace

TEST(LimitsSchema, EveryAnswerHolds)
{
    const char* queries[] = {
        "25 H7",         "8 js7",          "8 js7 --js7-exact", "600 h5",        "25 K2",          "0,8 N9",
        "0,05 c11",      "4000 H7",        "1e100 H7",          "25 H7/p6",      "8 JS7/h6",       "20 H7/t7",
        "0 H7/g6",       "1e100 H7/g6",    "25 --find 21 0",    "25 --find 22 1", "10 --find 7,5 -7,5",
        "4000 --find 1 0", "--classes 0,05", "--classes 0",      "abc H7",        "--frob",         "25 --find 0 21",
        "--batch /nonexistent",
    };
    EXPECT_EQ(answersHeld(queries, "25 H7\nbad\n\n0,05 c11\n25 H7/g6\n1e100 Q7\n"), int(std::size(queries)) + 5);
}

TEST(LimitsSchema, BreachesAreCaught)
{
    const std::string good = tool::run("--json 25 H7").out;
    ASSERT_EQ(checker().check(parse(good)), "");
    const char* bad[] = {
        R"({"answer":"class","size_mm":25,"class":"H7","class_kind":"hole","interval_mm":[18,30]})",              // no "defined"
        R"({"answer":"class","class":"H7","class_kind":"hole","defined":true,"interval_mm":[18,30]})",            // no limits
        R"({"answer":"class","class":"H7","class_kind":"hole","defined":false,"interval_mm":null,"code":"x","reason":""})",
        R"({"answer":"class","class":"H7","class_kind":"hole","defined":false,"interval_mm":[1],"code":"class_not_defined","reason":""})",
        R"({"answer":"error","code":"size_unreadable","reason":"","kind":"hole"})",                               // a key not in the schema
        R"({"answer":"thread","defined":true})",
        R"({"answer":"class","class":"h7","class_kind":"shaft","defined":true,"interval_mm":[0,3],"upper_um":0,"lower_um":-10,"it_um":10,"max_mm":0.01,"min_mm":0})",
    };
    for (const char* answer : bad)
        EXPECT_NE(checker().check(parse(answer)), "") << answer;
}

TEST(LimitsSchema, EveryThreadAnswerHolds)
{
    const char* queries[] = {
        "M10x1,5-6H", "M10-6g",     "M10x1,25-6H/6g", "M10",           "M1x0,2-6H",    "M10-6H/3g",
        "M13-6H",     "M13x1-6H/6g", "M13",           "M10x1,3-6g",    "M33-6H",       "M1x0,2-6G",
        "--threads",  "--threads 10", "--threads 13", "--threads abc", "M10-6g/6H",    "M10-6Q",
        "Mx-6H",
    };
    EXPECT_EQ(answersHeld(queries, "M10-6g\n25 H7\n--threads 1,6\nM10 5g6g\nM10-6g/6H\n"), int(std::size(queries)) + 5);

    // A nut's class with a bolt's limits, or a fit without its clearance, does not hold.
    const char* bad[] = {
        R"({"answer":"thread_class","d_mm":10,"class":"6H","thread_kind":"internal","defined":true,"interval_mm":[5.6,11.2],"es_d2_um":-32})",
        R"({"answer":"thread_fit","d_mm":10,"fit":"6H/6g","defined":true,"interval_mm":null,"nut":{"class":"6H","thread_kind":"internal","defined":false,"interval_mm":null,"code":"diameter_not_in_plan","reason":""},"bolt":{"class":"6g","thread_kind":"external","defined":false,"interval_mm":null,"code":"diameter_not_in_plan","reason":""}})",
        R"({"answer":"thread","d_mm":13,"defined":false,"interval_mm":null,"code":"class_not_defined","reason":""})",
        R"({"answer":"threads","defined":true,"interval_mm":null,"threads":[{"thread":"M10","d_mm":10,"pitch_mm":1.5,"series":"coarse","choice":4}]})",
    };
    for (const char* answer : bad)
        EXPECT_NE(checker().check(parse(answer)), "") << answer;
}
