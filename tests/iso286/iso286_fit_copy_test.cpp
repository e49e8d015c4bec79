// The fit in one line for a spreadsheet: every kind of fit, half micrometres, sizes
// with decimals, and a line that splits at its tabs into the same cells every time.
#include <gtest/gtest.h>

#include <sstream>

#include "FitTexts.h"
#include "NumberReading.h"

using namespace iso286;

namespace {

std::vector<std::string> cells(const std::string& line)
{
    std::vector<std::string> result;
    std::istringstream in(line);
    for (std::string cell; std::getline(in, cell, '\t');)
        result.push_back(cell);
    return result;
}

Fit fit(const char* size, const char* hole, const char* shaft)
{
    return fitOf(*readNumber(size), *parseClass(hole), *parseClass(shaft));
}

} // namespace

TEST(FitCopyLine, SizeClassesDeviationsAndTheTwoFiguresOfTheKind)
{
    const struct {
        const char* size;
        const char* hole;
        const char* shaft;
        const char* line;
    } cases[] = {
        {"25", "H7", "g6", "25\tH7\t+21\t0\tg6\t-7\t-20\tSmax\t41\tSmin\t7"},
        {"25", "H7", "p6", "25\tH7\t+21\t0\tp6\t+35\t+22\tNmax\t35\tNmin\t1"},
        {"25", "H7", "k6", "25\tH7\t+21\t0\tk6\t+15\t+2\tSmax\t19\tNmax\t15"},
        {"10", "H7", "js6", "10\tH7\t+15\t0\tjs6\t+4,5\t-4,5\tSmax\t19,5\tNmax\t4,5"},
        {"2,5", "H7", "g6", "2,5\tH7\t+10\t0\tg6\t-2\t-8\tSmax\t18\tSmin\t2"},
        {"40", "N7", "h6", "40\tN7\t-8\t-33\th6\t0\t-16\tSmax\t8\tNmax\t33"},
        // A clearance of nothing at the smallest: Smin 0.
        {"25", "H7", "h6", "25\tH7\t+21\t0\th6\t0\t-13\tSmax\t34\tSmin\t0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.size) + " " + c.hole + "/" + c.shaft);
        const Fit f = fit(c.size, c.hole, c.shaft);
        ASSERT_TRUE(f.defined);
        EXPECT_EQ(fitCopyLine(f), c.line);
    }
}

TEST(FitCopyLine, ElevenCellsWithTheFiguresAfterTheirSymbols)
{
    for (const char* size : {"1", "18", "180", "2500"})
        for (const char* hole : {"H7", "G7", "K7", "S7", "D9"})
            for (const char* shaft : {"h6", "f7", "m6", "u6"}) {
                const Fit f = fit(size, hole, shaft);
                if (!f.defined)
                    continue;
                const std::string line = fitCopyLine(f);
                SCOPED_TRACE(line);
                ASSERT_EQ(line.find('\n'), std::string::npos);
                const std::vector<std::string> c = cells(line);
                ASSERT_EQ(c.size(), 11u);
                EXPECT_EQ(c[1], hole);
                EXPECT_EQ(c[4], shaft);
                const FitFigures figures = fitFigures(f);
                EXPECT_NE(figures.first.caption.find(c[7]), std::string::npos);
                EXPECT_NE(figures.second.caption.find(c[9]), std::string::npos);
                EXPECT_EQ(c[7][0], f.kind == FitKind::Interference ? 'N' : 'S');
                EXPECT_EQ(c[9][0], f.kind == FitKind::Clearance ? 'S' : 'N');
            }
}
