// The tap-drill hole table: its layout, the invariants the thread tab and the
// thread table window rely on, and the known irregularities of the data.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

#include "Rezba_Data_Unit.h"

using Rezba_Data_Unit::PitchType;
using Rezba_Data_Unit::ThreadHole;
using Rezba_Data_Unit::ThreadHoleTable;
using Rezba_Data_Unit::ThreadRowCount;

namespace {

struct DiameterBlock {
    double diameter;
    int firstRow;
    int lastRow;
    int band;
    bool hasCoarse;
};

// Each diameter with the ThreadIndex range of its rows and its band.
const std::vector<DiameterBlock> Blocks = {
    {1, 1, 2, 1, true},       {1.1, 3, 4, 2, true},     {1.2, 5, 6, 3, true},     {1.4, 7, 8, 4, true},
    {1.6, 9, 10, 5, true},    {1.8, 11, 12, 6, true},   {2, 13, 14, 7, true},     {2.2, 15, 16, 8, true},
    {2.5, 17, 18, 9, true},   {3, 19, 20, 10, true},    {3.5, 21, 22, 11, true},  {4, 23, 24, 12, true},
    {4.5, 25, 26, 13, true},  {5, 27, 28, 14, true},    {5.5, 29, 29, 17, false}, {6, 30, 32, 18, true},
    {7, 33, 35, 19, true},    {8, 36, 39, 20, true},    {9, 40, 43, 21, true},    {10, 44, 47, 22, true},
    {11, 48, 51, 23, true},   {12, 52, 57, 24, true},   {14, 58, 63, 25, true},   {15, 64, 65, 26, false},
    {16, 66, 70, 27, true},   {17, 71, 72, 28, false},  {18, 73, 78, 29, true},   {20, 79, 84, 30, true},
    {22, 85, 90, 31, true},   {24, 91, 95, 32, true},   {25, 96, 98, 33, false},  {26, 99, 99, 34, false},
    {27, 100, 104, 35, true}, {28, 105, 107, 38, false}, {30, 108, 110, 39, true}, {33, 111, 111, 40, true},
    {36, 112, 112, 41, true}, {39, 113, 113, 42, true}, {42, 114, 114, 43, true}, {45, 115, 115, 44, true},
    {48, 116, 116, 45, true}, {52, 117, 117, 46, true}, {56, 118, 118, 47, true}, {60, 119, 119, 48, true},
    {64, 120, 120, 49, true}, {68, 121, 121, 50, true},
};

const ThreadHole* find(double diameter, double pitch)
{
    for (int k = 1; k <= ThreadRowCount; ++k)
        if (ThreadHoleTable(k).NominalDiameter == diameter && ThreadHoleTable(k).Pitch == pitch)
            return &ThreadHoleTable(k);
    return nullptr;
}

} // namespace

TEST(RezbaData, HasExactly121Rows)
{
    EXPECT_EQ(ThreadRowCount, 121);
    ASSERT_EQ(Blocks.size(), 46u);
    EXPECT_EQ(Blocks.back().lastRow, ThreadRowCount);
}

TEST(RezbaData, FirstAndLastRow)
{
    const ThreadHole& first = ThreadHoleTable(1);
    EXPECT_EQ(first.NominalDiameter, 1);
    EXPECT_EQ(first.Pitch, 0.25);
    EXPECT_EQ(first.HoleDiameter, 0.75);
    EXPECT_EQ(first.HoleTolerance, 0.06);
    EXPECT_EQ(first.PitchKind, PitchType::Coarse);

    const ThreadHole& last = ThreadHoleTable(121);
    EXPECT_EQ(last.NominalDiameter, 68);
    EXPECT_EQ(last.Pitch, 6);
    EXPECT_EQ(last.HoleDiameter, 61.7);
    EXPECT_EQ(last.HoleTolerance, 0.5);
    EXPECT_EQ(last.PitchKind, PitchType::Coarse);
}

TEST(RezbaData, RowsOfEachDiameterAreOneBlockWithOneBand)
{
    int expectedFirst = 1;
    for (const DiameterBlock& block : Blocks) {
        SCOPED_TRACE(testing::Message() << "M" << block.diameter);
        EXPECT_EQ(block.firstRow, expectedFirst);
        for (int k = block.firstRow; k <= block.lastRow; ++k) {
            EXPECT_EQ(ThreadHoleTable(k).NominalDiameter, block.diameter) << "row " << k;
            EXPECT_EQ(ThreadHoleTable(k).Band, block.band) << "row " << k;
        }
        expectedFirst = block.lastRow + 1;
    }
}

TEST(RezbaData, FortySixDistinctDiametersAscending)
{
    std::vector<double> distinct;
    for (int k = 1; k <= ThreadRowCount; ++k) {
        const double d = ThreadHoleTable(k).NominalDiameter;
        if (distinct.empty() || distinct.back() != d) {
            if (!distinct.empty()) {
                EXPECT_LT(distinct.back(), d) << "row " << k;
            }
            distinct.push_back(d);
        }
    }
    EXPECT_EQ(distinct.size(), 46u);
    EXPECT_EQ(std::set<double>(distinct.begin(), distinct.end()).size(), 46u);
    EXPECT_EQ(distinct.front(), 1);
    EXPECT_EQ(distinct.back(), 68);
}

TEST(RezbaData, CoarsePitchFirstThenFinePitchesAscending)
{
    for (const DiameterBlock& block : Blocks) {
        SCOPED_TRACE(testing::Message() << "M" << block.diameter);
        int coarseCount = 0;
        double previousFine = 0;
        for (int k = block.firstRow; k <= block.lastRow; ++k) {
            const ThreadHole& row = ThreadHoleTable(k);
            ASSERT_TRUE(row.PitchKind == PitchType::Coarse || row.PitchKind == PitchType::Fine) << "row " << k;
            if (row.PitchKind == PitchType::Coarse) {
                ++coarseCount;
                EXPECT_EQ(k, block.firstRow) << "coarse pitch not first";
            } else {
                EXPECT_GT(row.Pitch, previousFine) << "row " << k;
                previousFine = row.Pitch;
            }
        }
        EXPECT_EQ(coarseCount, block.hasCoarse ? 1 : 0);
        if (block.diameter >= 33) {
            EXPECT_EQ(block.firstRow, block.lastRow) << "only the coarse pitch";
            EXPECT_TRUE(block.hasCoarse);
        }
    }
}

TEST(RezbaData, BandsSkip15_16_36_37AndAlternateInParity)
{
    std::set<int> bands;
    for (int k = 1; k <= ThreadRowCount; ++k) {
        const double band = ThreadHoleTable(k).Band;
        EXPECT_EQ(band, std::round(band)) << "row " << k;
        bands.insert(static_cast<int>(band));
    }
    for (int missing : {15, 16, 36, 37})
        EXPECT_EQ(bands.count(missing), 0u) << missing;
    EXPECT_EQ(bands.size(), 46u);
    EXPECT_EQ(*bands.begin(), 1);
    EXPECT_EQ(*bands.rbegin(), 50);

    for (std::size_t i = 1; i < Blocks.size(); ++i) {
        const int previous = static_cast<int>(ThreadHoleTable(Blocks[i - 1].lastRow).Band);
        const int current = static_cast<int>(ThreadHoleTable(Blocks[i].firstRow).Band);
        EXPECT_NE(previous % 2, current % 2) << "M" << Blocks[i - 1].diameter << " / M" << Blocks[i].diameter;
    }
}

TEST(RezbaData, Irregularities)
{
    // M10 x 0,5 has +0,17, every other 0,5 mm pitch +0,1.
    for (int k = 1; k <= ThreadRowCount; ++k) {
        const ThreadHole& row = ThreadHoleTable(k);
        if (row.Pitch == 0.5 && row.NominalDiameter != 10) {
            EXPECT_EQ(row.HoleTolerance, 0.1) << "M" << row.NominalDiameter;
        }
    }
    ASSERT_NE(find(10, 0.5), nullptr);
    EXPECT_EQ(find(10, 0.5)->HoleTolerance, 0.17);

    // M4,5 x 0,75 has +0,17 between M4 x 0,7 (+0,12) and M5 x 0,8 (+0,13).
    ASSERT_NE(find(4.5, 0.75), nullptr);
    EXPECT_EQ(find(4.5, 0.75)->HoleTolerance, 0.17);
    EXPECT_EQ(find(4, 0.7)->HoleTolerance, 0.12);
    EXPECT_EQ(find(5, 0.8)->HoleTolerance, 0.13);

    // M10 has no 0,75 mm pitch, M9 and M11 have one.
    EXPECT_EQ(find(10, 0.75), nullptr);
    EXPECT_NE(find(9, 0.75), nullptr);
    EXPECT_NE(find(11, 0.75), nullptr);
}

TEST(RezbaData, MidToleranceHasAtMostThreeDecimals)
{
    for (int k = 1; k <= ThreadRowCount; ++k) {
        const ThreadHole& row = ThreadHoleTable(k);
        const double mid = row.HoleDiameter + row.HoleTolerance / 2;
        const double thousandths = mid * 1000;
        EXPECT_NEAR(thousandths, std::round(thousandths), 1e-6) << "row " << k;
    }
    struct Case { double diameter, pitch, mid; };
    for (const Case& c : {Case{10, 1.5, 8.53}, Case{6, 1, 5.035}, Case{1, 0.2, 0.824}}) {
        const ThreadHole* row = find(c.diameter, c.pitch);
        ASSERT_NE(row, nullptr);
        EXPECT_NEAR(row->HoleDiameter + row->HoleTolerance / 2, c.mid, 1e-12) << "M" << c.diameter;
    }
}

TEST(RezbaData, DifferentThreadsShareAHoleDiameter)
{
    EXPECT_EQ(find(2, 0.4)->HoleDiameter, 1.6);
    EXPECT_EQ(find(1.8, 0.2)->HoleDiameter, 1.6);
    EXPECT_EQ(find(2.2, 0.45)->HoleDiameter, 1.75);
    EXPECT_EQ(find(2, 0.25)->HoleDiameter, 1.75);
}

TEST(RezbaData, SampledRows)
{
    struct Case { int row; double diameter, pitch, hole, tolerance, kind; };
    const Case cases[] = {
        {29, 5.5, 0.5, 5, 0.1, 1},     {30, 6, 1, 4.95, 0.17, 0},     {44, 10, 1.5, 8.43, 0.2, 0},
        {57, 12, 1.5, 10.43, 0.2, 1},  {78, 18, 2, 15.9, 0.24, 1},    {99, 26, 1.5, 24.43, 0.2, 1},
        {114, 42, 4.5, 37.25, 0.43, 0}, {118, 56, 5.5, 50.2, 0.5, 0},
    };
    for (const Case& c : cases) {
        const ThreadHole& row = ThreadHoleTable(c.row);
        SCOPED_TRACE(testing::Message() << "row " << c.row);
        EXPECT_EQ(row.NominalDiameter, c.diameter);
        EXPECT_EQ(row.Pitch, c.pitch);
        EXPECT_EQ(row.HoleDiameter, c.hole);
        EXPECT_EQ(row.HoleTolerance, c.tolerance);
        EXPECT_EQ(int(row.PitchKind), c.kind);
    }
}
