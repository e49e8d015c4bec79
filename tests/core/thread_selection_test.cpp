// The thread tab's choices without a window: the diameter list, the pitch list
// of a diameter with its default, the texts shown for a thread, and the texts
// and shading of the thread table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ThreadSelection.h"

using namespace thread_calc;

namespace {

std::vector<std::string> texts(const std::vector<PitchItem>& items)
{
    std::vector<std::string> out;
    for (const PitchItem& item : items)
        out.push_back(item.text);
    return out;
}

const DiameterItem* diameterItem(const std::vector<DiameterItem>& list, const std::string& text)
{
    for (const DiameterItem& item : list)
        if (item.text == text)
            return &item;
    return nullptr;
}

} // namespace

TEST(ThreadSelection, DiameterListHasTheDistinctDiametersInTableOrder)
{
    const std::vector<DiameterItem> list = DiameterList();
    ASSERT_EQ(list.size(), 46u);
    const std::vector<std::string> head{"1", "1,1", "1,2", "1,4", "1,6", "1,8", "2", "2,2", "2,5", "3", "3,5"};
    for (std::size_t i = 0; i < head.size(); ++i)
        EXPECT_EQ(list[i].text, head[i]);
    EXPECT_EQ(list[14].text, "5,5");
    EXPECT_EQ(list[14].diameter, 5.5);
    EXPECT_EQ(list[44].text, "64");
    EXPECT_EQ(list[45].text, "68");
    for (std::size_t i = 1; i < list.size(); ++i)
        EXPECT_LT(list[i - 1].diameter, list[i].diameter);
}

TEST(ThreadSelection, StartStateIsM15WithTheFinePitch15)
{
    const std::vector<DiameterItem> list = DiameterList();
    const int position = DefaultDiameterPosition(static_cast<int>(list.size()));
    EXPECT_EQ(position, 23);
    EXPECT_EQ(list[static_cast<std::size_t>(position)].text, "15");

    const std::vector<PitchItem> pitches = PitchList(list[static_cast<std::size_t>(position)].diameter);
    EXPECT_EQ(texts(pitches), (std::vector<std::string>{"1", "1,5"}));
    const int selected = DefaultPitchPosition(pitches);
    ASSERT_EQ(selected, 1);
    const ThreadHoleTexts shown = ShowThreadHole(pitches[1].threadIndex);
    EXPECT_EQ(shown.kindCaption, "Резьба с мелким шагом");
    EXPECT_EQ(shown.holeDiameter, "13,43");
    EXPECT_EQ(shown.holeTolerance, "+0,2");
    EXPECT_EQ(shown.midDiameter, "13,53");
    EXPECT_EQ(shown.status, "M15×1,5: отверстие 13,43 +0,2");
}

struct DiameterCase {
    std::string diameter;
    std::vector<std::string> pitches;
    std::string selectedPitch;
    std::string caption, hole, tolerance, mid;
};

class ThreadSelectionCases : public testing::TestWithParam<DiameterCase> {};

TEST_P(ThreadSelectionCases, ListsPitchesSelectsDefaultAndShowsHole)
{
    const DiameterCase& c = GetParam();
    const std::vector<DiameterItem> diameters = DiameterList(); // the item points into it
    const DiameterItem* item = diameterItem(diameters, c.diameter);
    ASSERT_NE(item, nullptr);
    const std::vector<PitchItem> pitches = PitchList(item->diameter);
    EXPECT_EQ(texts(pitches), c.pitches);
    const int selected = DefaultPitchPosition(pitches);
    ASSERT_GE(selected, 0);
    const PitchItem& pitch = pitches[static_cast<std::size_t>(selected)];
    EXPECT_EQ(pitch.text, c.selectedPitch);
    const ThreadHoleTexts shown = ShowThreadHole(pitch.threadIndex);
    EXPECT_EQ(shown.kindCaption, c.caption);
    EXPECT_EQ(shown.holeDiameter, c.hole);
    EXPECT_EQ(shown.holeTolerance, c.tolerance);
    EXPECT_EQ(shown.midDiameter, c.mid);
}

const char* const Coarse = "ОСНОВНАЯ РЕЗЬБА";
const char* const Fine = "Резьба с мелким шагом";

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, ThreadSelectionCases,
    testing::Values(
        // The coarse pitch is the last item here and wins over count div 2.
        DiameterCase{"12", {"0,5", "0,75", "1", "1,25", "1,5", "1,75"}, "1,75", Coarse, "10,2", "+0,17", "10,285"},
        DiameterCase{"10", {"0,5", "1", "1,25", "1,5"}, "1,5", Coarse, "8,43", "+0,2", "8,53"},
        DiameterCase{"5,5", {"0,5"}, "0,5", Fine, "5", "+0,1", "5,05"},
        DiameterCase{"25", {"1", "1,5", "2"}, "1,5", Fine, "23,43", "+0,2", "23,53"},
        DiameterCase{"28", {"1", "1,5", "2"}, "1,5", Fine, "26,43", "+0,2", "26,53"},
        DiameterCase{"33", {"3,5"}, "3,5", Coarse, "29,3", "+0,33", "29,465"},
        DiameterCase{"68", {"6"}, "6", Coarse, "61,7", "+0,5", "61,95"},
        DiameterCase{"1", {"0,2", "0,25"}, "0,25", Coarse, "0,75", "+0,06", "0,78"},
        DiameterCase{"6", {"0,5", "0,75", "1"}, "1", Coarse, "4,95", "+0,17", "5,035"}),
    [](const testing::TestParamInfo<DiameterCase>& info) {
        std::string name = "M" + info.param.diameter;
        for (char& ch : name)
            if (ch == ',')
                ch = '_';
        return name;
    });

TEST(ThreadSelection, DiametersFrom33UpHaveOnlyTheirCoarsePitch)
{
    for (const DiameterItem& item : DiameterList()) {
        if (item.diameter < 33)
            continue;
        const std::vector<PitchItem> pitches = PitchList(item.diameter);
        ASSERT_EQ(pitches.size(), 1u) << item.text;
        EXPECT_EQ(DefaultPitchPosition(pitches), 0);
        EXPECT_EQ(ShowThreadHole(pitches[0].threadIndex).kindCaption, Coarse) << item.text;
    }
}

TEST(ThreadSelection, PitchItemsCarryTheirRowsAndCoverTheTable)
{
    std::vector<int> seen(122, 0);
    for (const DiameterItem& item : DiameterList()) {
        const std::vector<PitchItem> pitches = PitchList(item.diameter);
        ASSERT_FALSE(pitches.empty()) << item.text;
        for (const PitchItem& pitch : pitches) {
            ASSERT_GE(pitch.threadIndex, 1);
            ASSERT_LE(pitch.threadIndex, 121);
            ++seen[static_cast<std::size_t>(pitch.threadIndex)];
            EXPECT_EQ(TableRow(pitch.threadIndex)[1], " " + item.text);
            EXPECT_EQ(TableRow(pitch.threadIndex)[2], " " + pitch.text);
        }
    }
    for (int k = 1; k <= 121; ++k)
        EXPECT_EQ(seen[static_cast<std::size_t>(k)], 1) << "row " << k;
}

TEST(ThreadSelection, TextOrderIsByTextNotByNumber)
{
    // The list is ordered as text; "10" would sort before "2". The table's
    // pitches all have one digit before the comma, so the text order is numeric.
    const std::vector<PitchItem> pitches = PitchList(18);
    EXPECT_EQ(texts(pitches), (std::vector<std::string>{"0,5", "0,75", "1", "1,5", "2", "2,5"}));
    EXPECT_EQ(pitches.front().threadIndex, 74);
    EXPECT_EQ(pitches.back().threadIndex, 73);
}

TEST(ThreadSelection, UnknownDiameterGivesAnEmptyList)
{
    EXPECT_TRUE(PitchList(13).empty());
    EXPECT_EQ(DefaultPitchPosition({}), -1);
    // Only exact equality counts.
    EXPECT_TRUE(PitchList(1.1000000001).empty());
}

TEST(ThreadSelection, MidDiameterTextsHaveAtMostThreeDecimals)
{
    for (int k = 1; k <= 121; ++k) {
        const std::string mid = ShowThreadHole(k).midDiameter;
        const auto comma = mid.find(',');
        EXPECT_TRUE(comma == std::string::npos || mid.size() - comma - 1 <= 3) << "row " << k << ": " << mid;
        EXPECT_EQ(mid.find('.'), std::string::npos) << mid;
    }
    EXPECT_EQ(ShowThreadHole(2).midDiameter, "0,824");
}

TEST(ThreadTable, HeaderTexts)
{
    const TableLine& header = TableHeader();
    EXPECT_EQ(header[0], " №");
    EXPECT_EQ(header[1], " Номиин. диам. резьбы d");
    EXPECT_EQ(header[2], " Шаг резьбы S");
    EXPECT_EQ(header[3], " Диам. отв. под резьбу d0");
    EXPECT_EQ(header[4], " Допуск на отв.");
    EXPECT_EQ(header[5], " Параметр");
}

TEST(ThreadTable, RowTexts)
{
    EXPECT_EQ(TableRow(1), (TableLine{" 1", " 1", " 0,25", " 0,75", " 0,06", "Основная резьба "}));
    EXPECT_EQ(TableRow(2), (TableLine{" 2", " 1", " 0,2", " 0,8", " 0,048", "Резьба с мелким шагом "}));
    EXPECT_EQ(TableRow(44), (TableLine{" 44", " 10", " 1,5", " 8,43", " 0,2", "Основная резьба "}));
    EXPECT_EQ(TableRow(121), (TableLine{" 121", " 68", " 6", " 61,7", " 0,5", "Основная резьба "}));
}

TEST(ThreadTable, ShadingAlternatesByDiameter)
{
    struct Case { int row; bool coarse; bool shaded; };
    for (const Case& c : {Case{1, true, false}, Case{2, false, false}, Case{3, true, true}, Case{4, false, true},
                          Case{28, false, true}, Case{29, false, false}, Case{30, true, true}, Case{31, false, true},
                          Case{104, false, false}, Case{105, false, true}, Case{121, true, true}}) {
        EXPECT_EQ(IsCoarsePitch(c.row), c.coarse) << "row " << c.row;
        EXPECT_EQ(IsShadedBand(c.row), c.shaded) << "row " << c.row;
    }
}
