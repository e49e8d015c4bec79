// The tables' blocks as text to paste: a single cell one line for a text, a larger
// block a spreadsheet's table with its headings and one deviation to a cell.
#include "Data_Unit.h"
#include "SheetText.h"
#include "ThreadSelection.h"
#include "ToleranceTableCells.h"

#include <gtest/gtest.h>

#include <string>

using tolerance_table::ColumnOrder;
using tolerance_table::CopiedBlock;

namespace {

int columnOf(const std::string& designation, ColumnOrder order)
{
    for (int column = 1; column < tolerance_table::GridColumns; ++column)
        if (Data_Unit::Designation(tolerance_table::FieldOfColumn(column, order)) == designation)
            return column;
    ADD_FAILURE() << designation << " is not in the table";
    return 1;
}

// Grid row 2 is the range 0-1, row 3 the range 1-3, row 4 the range 3-6.
constexpr int From1To3 = 3;
constexpr int From3To6 = 4;

} // namespace

TEST(SheetText, CellsTrimmedTabsBetweenALineBreakAfterEach)
{
    EXPECT_EQ(sheet_text::tabText({}), "");
    EXPECT_EQ(sheet_text::tabText({{" a ", "", "b\n"}, {"c"}}), "a\t\tb\nc\n");
}

TEST(ToleranceTableCopy, ASingleCellIsOneLineForAText)
{
    for (ColumnOrder order : {ColumnOrder::Catalogue, ColumnOrder::ByQuality}) {
        const int h7 = columnOf("H7", order);
        EXPECT_EQ(CopiedBlock(h7, From1To3, h7, From1To3, order), "+10 / 0\n");
        const int js7 = columnOf("Js7", order);
        EXPECT_EQ(CopiedBlock(js7, From3To6, js7, From3To6, order), "±6\n");
    }
}

TEST(ToleranceTableCopy, ABlockIsATableWithItsHeadingsAndADeviationToACell)
{
    const ColumnOrder order = ColumnOrder::ByQuality;
    const int h7 = columnOf("H7", order);
    const int s7 = columnOf("s7", order);
    const int js7 = columnOf("Js7", order); // JS7 of the holes
    // Three fields side by side, of two ranges.
    const int left = std::min({h7, s7, js7});
    const int right = std::max({h7, s7, js7});
    const std::string text = CopiedBlock(left, From1To3, right, From3To6, order);
    std::vector<std::vector<std::string>> cells;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        ASSERT_NE(end, std::string::npos) << "every row ends with a line break";
        std::vector<std::string> row;
        std::size_t from = start;
        for (std::size_t tab; (tab = text.find('\t', from)) < end; from = tab + 1)
            row.push_back(text.substr(from, tab - from));
        row.push_back(text.substr(from, end - from));
        cells.push_back(row);
        start = end + 1;
    }
    ASSERT_EQ(right - left, 2);
    const std::size_t width = 1 + 2 * std::size_t(right - left + 1);
    ASSERT_EQ(cells.size(), 5u) << text;
    for (const auto& row : cells)
        EXPECT_EQ(row.size(), width) << text;
    EXPECT_EQ(cells[0][0], "Новое обозн.");
    EXPECT_EQ(cells[1][0], "Старое обозн.");
    EXPECT_EQ(cells[2][0], "мкм");
    EXPECT_EQ(cells[3][0], "1-3");
    EXPECT_EQ(cells[4][0], "3-6");
    const struct {
        int column;
        const char* name;
        const char* upperName;
        const char* lowerName;
        const char* first[2];
        const char* second[2];
    } expected[] = {
        {h7, "H7", "ES", "EI", {"+10", "0"}, {"+12", "0"}},
        {s7, "s7", "es", "ei", {"+24", "+14"}, {"+31", "+19"}},
        {js7, "Js7", "ES", "EI", {"+5", "-5"}, {"+6", "-6"}},
    };
    for (const auto& field : expected) {
        SCOPED_TRACE(field.name);
        const std::size_t upper = 1 + 2 * std::size_t(field.column - left);
        EXPECT_EQ(cells[0][upper], field.name);
        EXPECT_EQ(cells[0][upper + 1], "") << "the designation heads its two columns";
        EXPECT_EQ(cells[1][upper], Data_Unit::OldDesignation(tolerance_table::FieldOfColumn(field.column, order)));
        EXPECT_EQ(cells[2][upper], field.upperName);
        EXPECT_EQ(cells[2][upper + 1], field.lowerName);
        EXPECT_EQ(cells[3][upper], field.first[0]);
        EXPECT_EQ(cells[3][upper + 1], field.first[1]);
        EXPECT_EQ(cells[4][upper], field.second[0]);
        EXPECT_EQ(cells[4][upper + 1], field.second[1]);
    }
}

TEST(ToleranceTableCopy, AFieldNotDefinedInARangeLeavesItsCellsEmpty)
{
    const ColumnOrder order = ColumnOrder::Catalogue;
    for (int column = 1; column < tolerance_table::GridColumns; ++column)
        for (int row = tolerance_table::FixedRows; row < tolerance_table::GridRows; ++row) {
            if (Data_Unit::DeviationTable(tolerance_table::FieldOfColumn(column, order), row - 1).Present)
                continue;
            EXPECT_EQ(CopiedBlock(column, row, column, row, order), "---\n");
            const std::string block = CopiedBlock(column, row, column, row + (row + 1 < tolerance_table::GridRows ? 1 : -1), order);
            const std::string range = tolerance_table::TableCell(0, row, order).upper;
            EXPECT_NE(block.find("\n" + range + "\t\t\n"), std::string::npos) << block;
            return;
        }
    GTEST_SKIP() << "every field is defined in every range";
}

TEST(ThreadTableCopy, OneRowIsOneLineSeveralComeUnderTheHeader)
{
    EXPECT_EQ(thread_calc::CopiedRows(44, 44), "44\t10\t1,5\t8,43\t0,2\tОсновная резьба\n");
    EXPECT_EQ(thread_calc::CopiedRows(44, 45),
              "№\tНомиин. диам. резьбы d\tШаг резьбы S\tДиам. отв. под резьбу d0\tДопуск на отв.\tПараметр\n"
              "44\t10\t1,5\t8,43\t0,2\tОсновная резьба\n"
              "45\t10\t0,5\t9,5\t0,17\tРезьба с мелким шагом\n");
}
