// The tolerance table window: what every cell shows in both column orders, the
// current cell moved by mouse and keys, the fixed header rows while scrolling,
// and the smallest window size.
#include <QComboBox>
#include <QImage>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "Data_Unit.h"
#include "UiStyle.h"
#include "frm_Tabl_unit.h"
#include "frm_Tabl_unit_DrawGrid.h"

namespace {

const QStringList QualityOrder = QStringLiteral(
    "g6 h6 Js6 k6 n6 r6 f7 h7 H7 s7 Js7 K7 f8 F8 h8 H8 u8 d9 f9 h9 H9 d11 h11 H11 b12 h12 H12 Js12 "
    "h13 H13 Js13 h14 H14 Js14 h15 H15 Js15 h16 H16 Js16").split(QLatin1Char(' '));
const QStringList CatalogueOrder = QStringLiteral(
    "g6 h6 Js6 k6 n6 r6 f7 h7 s7 f8 h8 u8 d9 f9 h9 d11 h11 b12 h12 H7 Js7 K7 F8 H8 H9 H11 H12 Js12 "
    "h13 H13 Js13 h14 H14 Js14 h15 H15 Js15 h16 H16 Js16").split(QLatin1Char(' '));

constexpr int QualityOrderItem = 4;

class TableWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Data_Unit::FillSizeRanges();
        Data_Unit::FillDeviationTable();
        Data_Unit::FillFieldCatalogue();
    }

    void SetUp() override
    {
        m_filter = std::make_unique<QComboBox>();
        m_filter->addItems({QStringLiteral("ВСЕ (без сортировки)"), QStringLiteral("ВАЛ"), QStringLiteral("отверстие"),
                            QStringLiteral("неотв. р-р"), QStringLiteral("ВСЕ (сортировка по квалитету)")});
        m_filter->setCurrentIndex(QualityOrderItem);
        m_window = std::make_unique<Tfrm_Table>();
        m_window->setTypeFilter(m_filter.get());
        m_grid = m_window->findChild<DrawGrid*>(QStringLiteral("DrawGrid1"));
        ASSERT_NE(m_grid, nullptr);
        ASSERT_NE(m_grid->model(), nullptr);
    }

    void showWindow()
    {
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    }

    QVariant cell(int column, int row, int role = Qt::DisplayRole) const
    {
        return m_grid->model()->index(row, column).data(role);
    }
    QString text(int column, int row) const { return cell(column, row).toString(); }
    QColor textColour(int column, int row) const { return cell(column, row, Qt::ForegroundRole).value<QColor>(); }
    QColor fill(int column, int row) const { return cell(column, row, Qt::BackgroundRole).value<QColor>(); }
    bool bold(int column, int row) const { return cell(column, row, Qt::FontRole).value<QFont>().bold(); }

    QStringList headerRow() const
    {
        QStringList designations;
        for (int column = 1; column <= 40; ++column)
            designations << text(column, 0);
        return designations;
    }

    int columnOf(const QString& designation) const
    {
        for (int column = 1; column <= 40; ++column)
            if (text(column, 0) == designation)
                return column;
        ADD_FAILURE() << "no column " << designation.toStdString();
        return 1;
    }

    QImage rendered() const { return m_grid->viewport()->grab().toImage(); }

    std::unique_ptr<QComboBox> m_filter;
    std::unique_ptr<Tfrm_Table> m_window;
    DrawGrid* m_grid = nullptr;
};

TEST_F(TableWindow, WindowAndGridAsDescribed)
{
    EXPECT_EQ(m_window->objectName(), QStringLiteral("frm_Table"));
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Поля допусков (отклонения показаны в мкм)"));
    EXPECT_EQ(m_window->size(), QSize(1132, 627));
    EXPECT_EQ(m_grid->columnCount(), 41);
    EXPECT_EQ(m_grid->rowCount(), 30);
    EXPECT_EQ(m_grid->fixedColumnCount(), 1);
    EXPECT_EQ(m_grid->fixedRowCount(), 2);
    EXPECT_EQ(m_grid->defaultColumnWidth(), 64);
    EXPECT_EQ(m_grid->defaultRowHeight(), 30);
    EXPECT_EQ(m_grid->currentColumn(), 1);
    EXPECT_EQ(m_grid->currentRow(), 2);
    showWindow();
    EXPECT_EQ(m_grid->geometry(), m_window->rect());
}

TEST_F(TableWindow, ColumnsFollowTheTypeFilterAtEveryReading)
{
    EXPECT_EQ(headerRow(), QualityOrder);
    for (int item : {0, 1, 2, 3, -1}) {
        m_filter->setCurrentIndex(item);
        EXPECT_EQ(headerRow(), CatalogueOrder) << "item " << item;
    }
    m_filter->setCurrentIndex(QualityOrderItem);
    EXPECT_EQ(headerRow(), QualityOrder);
}

TEST_F(TableWindow, HeaderCells)
{
    EXPECT_EQ(text(0, 0), QStringLiteral("Новое \nобозн."));
    EXPECT_TRUE(bold(0, 0));
    EXPECT_EQ(text(0, 1), QStringLiteral("Старое \nобозн."));
    EXPECT_FALSE(bold(0, 1));
    EXPECT_EQ(textColour(0, 1), UiStyle::Black);

    EXPECT_EQ(text(0, 2), QStringLiteral("0-1"));
    EXPECT_EQ(text(0, 3), QStringLiteral("1-3"));
    EXPECT_EQ(text(0, 27), QStringLiteral("500-630"));
    EXPECT_EQ(text(0, 29), QStringLiteral("800-1000"));
    EXPECT_TRUE(bold(0, 29));

    // The old designation follows its field into the sorted order: H7 is "А".
    const int h7 = columnOf(QStringLiteral("H7"));
    EXPECT_EQ(h7, 9);
    EXPECT_EQ(text(h7, 1), QStringLiteral("А"));
    EXPECT_EQ(textColour(h7, 1), UiStyle::Red);
    EXPECT_FALSE(bold(h7, 1));
    EXPECT_EQ(text(columnOf(QStringLiteral("s7")), 1), QStringLiteral("Пр1"));
    EXPECT_EQ(text(columnOf(QStringLiteral("f8")), 1), QStringLiteral("-"));
    EXPECT_TRUE(bold(h7, 0));
    EXPECT_EQ(textColour(h7, 0), UiStyle::Black);
    EXPECT_FALSE(cell(h7, 0, Qt::BackgroundRole).isValid());
}

struct DeviationCase {
    const char* designation;
    int row;
    const char* text;
    QColor textColour;
    QColor fill;
};

TEST_F(TableWindow, DeviationCellsInBothOrders)
{
    const DeviationCase cases[] = {
        {"h7", 3, "0\n-10", UiStyle::Blue, UiStyle::PaleGreen},
        {"H7", 3, "+10\n0", UiStyle::Maroon, UiStyle::PaleGreen},
        {"Js7", 3, "±5", UiStyle::Green, UiStyle::PaleGreen},
        {"h7", 4, "0\n-12", UiStyle::Blue, UiStyle::White},
        {"g6", 6, "-6\n-17", UiStyle::Blue, UiStyle::White},
        {"K7", 4, "+3\n-9", UiStyle::Maroon, UiStyle::White},
        {"u8", 7, "+74\n+41", UiStyle::Maroon, UiStyle::PaleGreen},
        {"g6", 27, "---", UiStyle::Green, UiStyle::SkyBlue},
        {"Js12", 27, "---", UiStyle::Green, UiStyle::SkyBlue},
        {"d11", 2, "---", UiStyle::Blue, UiStyle::SkyBlue},
        {"d9", 2, "---", UiStyle::Green, UiStyle::SkyBlue},
        {"h11", 27, "0\n-440", UiStyle::Blue, UiStyle::PaleGreen},
        {"Js6", 3, "±3", UiStyle::Green, UiStyle::PaleGreen},
        {"Js6", 5, "±4,5", UiStyle::Green, UiStyle::PaleGreen},
        {"Js6", 6, "±5,5", UiStyle::Green, UiStyle::White},
        {"Js6", 26, "±20", UiStyle::Green, UiStyle::White},
        {"Js6", 27, "---", UiStyle::Green, UiStyle::SkyBlue},
        {"Js16", 29, "±2800", UiStyle::Green, UiStyle::PaleGreen},
    };
    for (int item : {QualityOrderItem, 0}) {
        m_filter->setCurrentIndex(item);
        for (const DeviationCase& expected : cases) {
            const int column = columnOf(QString::fromUtf8(expected.designation));
            SCOPED_TRACE(std::string(expected.designation) + " row " + std::to_string(expected.row) + " item "
                         + std::to_string(item));
            EXPECT_EQ(text(column, expected.row), QString::fromUtf8(expected.text));
            EXPECT_EQ(textColour(column, expected.row), expected.textColour);
            EXPECT_EQ(fill(column, expected.row), expected.fill);
            EXPECT_TRUE(bold(column, expected.row));
        }
    }
}

TEST_F(TableWindow, Js6ColumnIsSymmetricAllTheWayDown)
{
    const int column = columnOf(QStringLiteral("Js6"));
    EXPECT_EQ(text(column, 2), QStringLiteral("---"));
    for (int row = 3; row <= 26; ++row) {
        EXPECT_TRUE(text(column, row).startsWith(QStringLiteral("±"))) << row;
        EXPECT_FALSE(text(column, row).contains(QLatin1Char('.'))) << row;
    }
}

// Colour of the cell's background just inside its top-left corner, and how many of
// its pixels are white, as painted.
struct Painted {
    QColor background;
    int whitePixels = 0;
};

Painted paintedCell(const QImage& image, const QRect& rect)
{
    Painted painted;
    painted.background = image.pixelColor(rect.topLeft() + QPoint(1, 1));
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixelColor(x, y) == UiStyle::White)
                ++painted.whitePixels;
    return painted;
}

TEST_F(TableWindow, CurrentCellIsPaintedInActiveCaptionWithWhiteText)
{
    showWindow();
    const QColor caption = UiStyle::activeCaption();
    ASSERT_NE(caption, UiStyle::White);

    // The first cell, g6 below 1 mm, holds no data: a white "---" on the caption colour.
    Painted initial = paintedCell(rendered(), m_grid->cellRect(1, 2));
    EXPECT_EQ(initial.background, caption);
    EXPECT_GT(initial.whitePixels, 0);

    // A click on H7 in 1-3 (maroon on pale green until then) makes it current.
    const int h7 = columnOf(QStringLiteral("H7"));
    Painted before = paintedCell(rendered(), m_grid->cellRect(h7, 3));
    EXPECT_EQ(before.background, UiStyle::PaleGreen);
    EXPECT_EQ(before.whitePixels, 0);
    QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, m_grid->cellRect(h7, 3).center());
    EXPECT_EQ(m_grid->currentColumn(), h7);
    EXPECT_EQ(m_grid->currentRow(), 3);
    QImage image = rendered();
    Painted clicked = paintedCell(image, m_grid->cellRect(h7, 3));
    EXPECT_EQ(clicked.background, caption);
    EXPECT_GT(clicked.whitePixels, 0);
    EXPECT_EQ(paintedCell(image, m_grid->cellRect(1, 2)).background, UiStyle::SkyBlue);

    // The arrow keys move it on: one down to 3-6, an even row, white when left.
    QTest::keyClick(m_grid, Qt::Key_Down);
    EXPECT_EQ(m_grid->currentRow(), 4);
    image = rendered();
    EXPECT_EQ(paintedCell(image, m_grid->cellRect(h7, 4)).background, caption);
    EXPECT_EQ(paintedCell(image, m_grid->cellRect(h7, 3)).background, UiStyle::PaleGreen);
    QTest::keyClick(m_grid, Qt::Key_Left);
    EXPECT_EQ(m_grid->currentColumn(), h7 - 1);
    image = rendered();
    EXPECT_EQ(paintedCell(image, m_grid->cellRect(h7 - 1, 4)).background, caption);
    EXPECT_EQ(paintedCell(image, m_grid->cellRect(h7, 4)).background, UiStyle::White);

    // A symmetric field keeps white text when current, not green.
    const int js7 = columnOf(QStringLiteral("Js7"));
    QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, m_grid->cellRect(js7, 3).center());
    Painted symmetric = paintedCell(rendered(), m_grid->cellRect(js7, 3));
    EXPECT_EQ(symmetric.background, caption);
    EXPECT_GT(symmetric.whitePixels, 0);
}

TEST_F(TableWindow, HeaderCellsCannotBecomeCurrent)
{
    showWindow();
    QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, m_grid->cellRect(5, 0).center());
    QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, m_grid->cellRect(0, 7).center());
    EXPECT_EQ(m_grid->currentColumn(), 1);
    EXPECT_EQ(m_grid->currentRow(), 2);
    QTest::keyClick(m_grid, Qt::Key_Up);
    QTest::keyClick(m_grid, Qt::Key_Left);
    EXPECT_EQ(m_grid->currentColumn(), 1);
    EXPECT_EQ(m_grid->currentRow(), 2);
}

TEST_F(TableWindow, HeaderRowsAndColumnStayInViewWhileScrolling)
{
    showWindow();
    const QRect designationCell = m_grid->cellRect(1, 0);
    QTest::keyClick(m_grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(m_grid->currentColumn(), 40);
    EXPECT_EQ(m_grid->currentRow(), 29);
    EXPECT_GT(m_grid->verticalScrollBar()->value(), 0);
    EXPECT_GT(m_grid->horizontalScrollBar()->value(), 0);

    // Headers in their places, the last cell in view, the first ones scrolled away.
    EXPECT_EQ(m_grid->cellRect(0, 0), QRect(0, 0, 64, 30));
    EXPECT_EQ(m_grid->cellRect(0, 1), QRect(0, 31, 64, 30));
    EXPECT_EQ(m_grid->cellRect(m_grid->leftColumn(), 0).topLeft(), designationCell.topLeft());
    EXPECT_FALSE(m_grid->cellRect(40, 29).isEmpty());
    EXPECT_TRUE(m_grid->cellRect(1, 2).isEmpty());
    EXPECT_TRUE(m_grid->cellRect(1, 0).isEmpty());
    EXPECT_FALSE(m_grid->cellRect(0, 29).isEmpty());
    EXPECT_TRUE(m_grid->cellRect(0, 2).isEmpty());

    // Painted: header cells on the button face, the current one in the caption colour.
    const QImage image = rendered();
    EXPECT_EQ(image.pixelColor(m_grid->cellRect(0, 0).topLeft() + QPoint(1, 1)), UiStyle::buttonFace());
    EXPECT_EQ(image.pixelColor(m_grid->cellRect(40, 1).topLeft() + QPoint(1, 1)), UiStyle::buttonFace());
    EXPECT_EQ(image.pixelColor(m_grid->cellRect(40, 29).topLeft() + QPoint(1, 1)), UiStyle::activeCaption());

    // A click lands on the cell under the pointer in the scrolled grid.
    const int column = m_grid->leftColumn() + 1;
    QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, m_grid->cellRect(column, 28).center());
    EXPECT_EQ(m_grid->currentColumn(), column);
    EXPECT_EQ(m_grid->currentRow(), 28);
}

TEST_F(TableWindow, NoResizeBelow400By300)
{
    EXPECT_TRUE(m_window->FormCanResize(400, 300));
    EXPECT_TRUE(m_window->FormCanResize(1140, 661));
    EXPECT_FALSE(m_window->FormCanResize(399, 300));
    EXPECT_FALSE(m_window->FormCanResize(400, 299));
    EXPECT_FALSE(m_window->FormCanResize(399, 299));

    showWindow();
    const QSize frame = m_window->frameGeometry().size() - m_window->size();
    m_window->resize(QSize(399, 299) - frame);
    EXPECT_EQ(m_window->frameGeometry().size(), QSize(400, 300));
    m_window->resize(QSize(500, 400) - frame);
    EXPECT_EQ(m_window->frameGeometry().size(), QSize(500, 400));
    EXPECT_EQ(m_grid->geometry(), m_window->rect());
    m_window->resize(QSize(100, 350) - frame);
    EXPECT_EQ(m_window->frameGeometry().size(), QSize(400, 350));
}

TEST_F(TableWindow, ShownCentredOnTheDesktop)
{
    m_window->resize(600, 400); // smaller than the test screen
    showWindow();
    const QRect desktop = m_window->screen()->availableGeometry();
    const QPoint centre = desktop.center();
    const QPoint windowCentre = m_window->frameGeometry().center();
    EXPECT_LE(std::abs(centre.x() - windowCentre.x()), 1);
    EXPECT_LE(std::abs(centre.y() - windowCentre.y()), 1);
}

TEST_F(TableWindow, LargerThanTheDesktopItsCaptionStaysOnTheScreen)
{
    m_window->resize(m_window->screen()->availableGeometry().size() + QSize(300, 300));
    showWindow();
    EXPECT_EQ(m_window->frameGeometry().topLeft(), m_window->screen()->availableGeometry().topLeft());
}

} // namespace

// The cells are kept once worked out; a change of the type filter after a
// painting must still show the other order, exactly as a window that was
// painted in that order from the start.
TEST_F(TableWindow, PaintingAfterAFilterChangeMatchesAFreshWindow)
{
    showWindow();
    const QImage qualityOrder = rendered();
    m_filter->setCurrentIndex(0);
    m_grid->viewport()->update();
    const QImage afterChange = rendered();
    EXPECT_NE(afterChange, qualityOrder);

    QComboBox freshFilter;
    freshFilter.addItems({QStringLiteral("ВСЕ (без сортировки)"), QStringLiteral("ВАЛ"), QStringLiteral("отверстие"),
                          QStringLiteral("неотв. р-р"), QStringLiteral("ВСЕ (сортировка по квалитету)")});
    freshFilter.setCurrentIndex(0);
    Tfrm_Table fresh;
    fresh.setTypeFilter(&freshFilter);
    fresh.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fresh));
    auto* freshGrid = fresh.findChild<DrawGrid*>(QStringLiteral("DrawGrid1"));
    ASSERT_NE(freshGrid, nullptr);
    EXPECT_EQ(afterChange, freshGrid->viewport()->grab().toImage());

    m_filter->setCurrentIndex(QualityOrderItem);
    m_grid->viewport()->update();
    EXPECT_EQ(rendered(), qualityOrder);
}
