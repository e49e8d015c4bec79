// The thread table generator refuses tables the library must not be built
// from, and builds from the project's own copy of them.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

const char* const kTables[] = {"fundamental_deviations.csv", "nut_minor_TD1.csv", "bolt_major_Td.csv",
                               "bolt_pitch_Td2.csv", "nut_pitch_TD2.csv", "threads.csv"};

std::string tableText(const std::string& file)
{
    std::ifstream in(fs::path(ISO965_TABLES) / file);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The project's tables in a scratch folder, with `replaced` in `file` replaced by `by`.
fs::path tablesWith(const std::string& file, const std::string& replaced, const std::string& by)
{
    const fs::path dir = fs::path(::testing::TempDir()) / "iso965_tables";
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const char* name : kTables)
        fs::copy_file(fs::path(ISO965_TABLES) / name, dir / name);
    if (!file.empty()) {
        std::string text = tableText(file);
        const auto at = text.find(replaced);
        EXPECT_NE(at, std::string::npos) << file << ": " << replaced;
        if (at != std::string::npos)
            text.replace(at, replaced.size(), by);
        std::ofstream(dir / file, std::ios::trunc) << text;
    }
    return dir;
}

int generate(const fs::path& dir, std::string* message)
{
    const fs::path out = dir / "out.cpp", err = dir / "err.txt";
    const std::string command = std::string(ISO965_GENERATOR) + " " + dir.string() + " " + out.string() + " 2>" + err.string();
    const int raw = std::system(command.c_str());
    std::ifstream in(err);
    std::getline(in, *message);
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

} // namespace

TEST(ThreadTableGenerator, BuildsFromTheProjectTables)
{
    std::string message;
    EXPECT_EQ(generate(tablesWith("", "", ""), &message), 0) << message;
}

TEST(ThreadTableGenerator, RefusesFaultyTables)
{
    const struct {
        const char* file;
        const char* replaced;
        const char* by;
        const char* fault;
    } cases[] = {
        {"fundamental_deviations.csv", "P_mm,EI_G_um", "P,EI_G_um", "unexpected header"},
        {"fundamental_deviations.csv", "1.5,32,0,-67,-45,-32,0", "1.5,32,0,-67,-45,-32", "6 cells, not 7"},
        {"fundamental_deviations.csv", "1.5,32,0,-67", "1.5,32,0,67", "wrong sign"},
        {"fundamental_deviations.csv", "1.5,32,0", "1.5,32,1", "wrong sign"},
        {"fundamental_deviations.csv", "1.5,32,0,-67", "1.5,32,0,NA", "missing at a pitch coarser"},
        {"fundamental_deviations.csv", "1.5,32,0,-67,-45,-32", "1.5,32,0,-67,-45,NA", "must exist at every pitch"},
        {"fundamental_deviations.csv", "1.5,32", "1.5,3.2", "not a whole number of micrometres"},
        {"fundamental_deviations.csv", "\n1.25,", "\n1.2501,", "finer than a micrometre"},
        {"fundamental_deviations.csv", "\n1.25,", "\n1.75,", "not in increasing order"},
        {"nut_minor_TD1.csv", "1.5,190,236,300", "1.5,190,300,236", "does not grow with the grade"},
        {"nut_minor_TD1.csv", "1.5,190,236,300", "1.5,190,NA,300", "a grade missing between given ones"},
        {"bolt_major_Td.csv", "\n1.5,", "\n1.6,", "not the one of fundamental_deviations.csv"},
        {"bolt_major_Td.csv", "8,450,710,1180\n", "", "24 pitches, not the 25"},
        {"bolt_pitch_Td2.csv", "5.6,11.2,1.5", "5.6,12,1.5", "not a diameter range of the standard"},
        {"bolt_pitch_Td2.csv", "5.6,11.2,1.5", "5.6,11.2,1.6", "pitch 1.6 not in fundamental_deviations.csv"},
        {"nut_pitch_TD2.csv", "5.6,11.2,1.5", "5.6,11.2,1.25", "not those of bolt_pitch_Td2.csv"},
        {"nut_pitch_TD2.csv", "11.2,22.4,1.25,112", "11.2,22.4,1.25,NA", "no tolerance of the finest grade"},
        {"threads.csv", "10,1.5,coarse,1", "10,1.5,coarse,2", "given two choices"},
        {"threads.csv", "10,1.5,coarse,1", "10,1.5,coarse,4", "is not 1, 2 or 3"},
        {"threads.csv", "10,1.5,coarse", "10,1.5,rough", "neither coarse nor fine"},
        {"threads.csv", "10,1.25,fine", "10,1.25,coarse", "two coarse pitches"},
        {"threads.csv", "10,1.25,fine", "10,1.5,fine", "given twice"},
        {"threads.csv", "10,1.25,fine", "10,2,fine", "has no row in bolt_pitch_Td2.csv"},
        {"threads.csv", "10,1.25,fine", "1,1.25,fine", "diameters not in increasing order"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        std::string message;
        EXPECT_EQ(generate(tablesWith(c.file, c.replaced, c.by), &message), 1);
        EXPECT_NE(message.find(c.fault), std::string::npos) << message;
        EXPECT_NE(message.find(c.file), std::string::npos) << message;
    }
}
