// The table generator refuses tables the engine must not be built from, and
// builds from the project's own copy of them.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// The project's tables copied to a scratch folder, `file` then replaced by `text`.
fs::path tablesWith(const std::string& file, const std::string& text)
{
    const fs::path dir = fs::path(::testing::TempDir()) / "iso286_tables";
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const char* name : {"it_grades.csv", "delta.csv", "shaft_deviations.csv", "hole_exceptions.csv"})
        fs::copy_file(fs::path(ISO286_TABLES) / name, dir / name);
    if (!file.empty())
        std::ofstream(dir / file, std::ios::trunc) << text;
    return dir;
}

int generate(const fs::path& dir, std::string* message)
{
    const fs::path out = dir / "out.cpp", err = dir / "err.txt";
    const std::string command = std::string(ISO286_GENERATOR) + " " + dir.string() + " " + out.string() + " 2>" + err.string();
    const int raw = std::system(command.c_str());
    std::ifstream in(err);
    std::getline(in, *message);
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

std::string shaftsWith(const std::string& replaced, const std::string& by)
{
    std::ifstream in(fs::path(ISO286_TABLES) / "shaft_deviations.csv");
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto at = text.find(replaced);
    EXPECT_NE(at, std::string::npos) << replaced;
    return text.replace(at, replaced.size(), by);
}

} // namespace

TEST(TableGenerator, BuildsFromTheProjectTables)
{
    std::string message;
    EXPECT_EQ(generate(tablesWith("", ""), &message), 0) << message;
}

TEST(TableGenerator, RefusesFaultyTables)
{
    const struct {
        std::string file;
        std::string text;
        const char* fault;
    } cases[] = {
        {"shaft_deviations.csv", shaftsWith("30,40,a,IT01,IT18,es,-310\n", ""), "gap at 30 mm"},
        {"shaft_deviations.csv", shaftsWith("30,40,a,IT01,IT18,es,-310", "30,45,a,IT01,IT18,es,-310"), "overlap"},
        {"shaft_deviations.csv", shaftsWith("-310", "-310.125"), "finer than a hundredth"},
        {"shaft_deviations.csv", shaftsWith("-310", "-31O"), "not a number"},
        {"shaft_deviations.csv", shaftsWith("0,3,k,IT4,IT7", "0,3,k,IT3,IT7"), "grade bands overlap"},
        {"shaft_deviations.csv", shaftsWith(",es,-310", ",ES,-310"), "neither es nor ei"},
        {"hole_exceptions.csv", "letter,grade_from,grade_to,over_mm,up_to_mm,deviation,value_um,note\nQ,IT6,IT6,0,3,ES,2,\n",
         "unknown letter"},
        {"it_grades.csv", "over_mm,up_to_mm,IT1\n0,3,1\n", "unexpected header"},
    };
    for (const auto& c : cases) {
        std::string message;
        EXPECT_EQ(generate(tablesWith(c.file, c.text), &message), 1) << c.fault;
        EXPECT_NE(message.find(c.fault), std::string::npos) << c.fault << ": " << message;
    }
}
