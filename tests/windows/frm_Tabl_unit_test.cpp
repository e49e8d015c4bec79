// The tolerance table window: what every cell shows in both column orders, the
// current cell moved by mouse and keys, the fixed header rows while scrolling,
// the smallest window size and its place, copying, printing and PDF, and what
// a screen reader reads.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QMenu>
#include <QPrintPreviewWidget>
#include <QPrintPreviewDialog>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QImage>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

#include "Data_Unit.h"
#include "UiStyle.h"
#include "SheetView.h"
#include "ToleranceTableCells.h"
#include "frm_Tabl_unit.h"
#include "ToleranceTableModel.h"

namespace {

const QStringList QualityOrder = QStringLiteral(
    "g6 h6 Js6 k6 n6 r6 f7 h7 H7 s7 Js7 K7 f8 F8 h8 H8 u8 d9 f9 h9 H9 d11 h11 H11 b12 h12 H12 Js12 "
    "h13 H13 Js13 h14 H14 Js14 h15 H15 Js15 h16 H16 Js16").split(QLatin1Char(' '));
const QStringList CatalogueOrder = QStringLiteral(
    "g6 h6 Js6 k6 n6 r6 f7 h7 s7 f8 h8 u8 d9 f9 h9 d11 h11 b12 h12 H7 Js7 K7 F8 H8 H9 H11 H12 Js12 "
    "h13 H13 Js13 h14 H14 Js14 h15 H15 Js15 h16 H16 Js16").split(QLatin1Char(' '));

constexpr int QualityOrderItem = 4;
constexpr int FixedWidth = 65;  // the size ranges with their grid line
constexpr int FixedHeight = 62; // both designations with their grid lines

// DrawGrid1 in grid coordinates: column 0 the size ranges, rows 0 and 1 the
// designations, columns 1..40 by rows 2..29 the deviations.
struct Grid {
    SheetView* view = nullptr;

    int columnCount() const { return view->model()->columnCount() + 1; }
    int rowCount() const { return view->model()->rowCount() + 2; }
    int currentColumn() const { return view->currentIndex().column() + 1; }
    int currentRow() const { return view->currentIndex().row() + 2; }
    // First scrolling column in view.
    int leftColumn() const { return view->columnAt(0) + 1; }
    QScrollBar* verticalScrollBar() const { return view->verticalScrollBar(); }
    QScrollBar* horizontalScrollBar() const { return view->horizontalScrollBar(); }

    // The cell (grid line excluded) with the corner cell's top left at (0, 0);
    // empty when it is scrolled out of view.
    QRect cellRect(int column, int row) const
    {
        int x = column == 0 ? 0 : FixedWidth + view->horizontalHeader()->sectionViewportPosition(column - 1);
        int y = row < 2 ? row * 31 : FixedHeight + view->verticalHeader()->sectionViewportPosition(row - 2);
        if ((column > 0 && x < FixedWidth) || (row >= 2 && y < FixedHeight))
            return {};
        const QSize area = view->contentsRect().size();
        if (x >= area.width() || y >= area.height())
            return {};
        return QRect(x, y, 64, 30);
    }
    // The widget a point of the grid falls on, and the point there.
    std::pair<QWidget*, QPoint> at(QPoint point) const
    {
        if (point.y() < FixedHeight && point.x() >= FixedWidth)
            return {view->horizontalHeader()->viewport(), point - QPoint(FixedWidth, 0)};
        if (point.x() < FixedWidth && point.y() >= FixedHeight)
            return {view->verticalHeader()->viewport(), point - QPoint(0, FixedHeight)};
        if (point.x() < FixedWidth)
            return {view->findChild<QAbstractButton*>(), point};
        return {view->viewport(), point - QPoint(FixedWidth, FixedHeight)};
    }
    void click(int column, int row, Qt::KeyboardModifiers modifiers = {}) const
    {
        const auto [widget, point] = at(cellRect(column, row).center());
        QTest::mouseClick(widget, Qt::LeftButton, modifiers, point);
    }
    QImage rendered() const { return view->grab(view->contentsRect()).toImage(); }
};

class TableWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_window = std::make_unique<Tfrm_Table>();
        selectType(QualityOrderItem);
        m_window->ensureControls();
        m_grid.view = m_window->findChild<SheetView*>(QStringLiteral("DrawGrid1"));
        ASSERT_NE(m_grid.view, nullptr);
        ASSERT_NE(m_grid.view->model(), nullptr);
    }

    void showWindow()
    {
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    }

    // What the view's model gives a screen reader or a copy: the deviations as
    // its cells, the size ranges and new designations as its headers. The old
    // designations are read from what the header paints.
    QVariant cell(int column, int row, int role = Qt::DisplayRole) const
    {
        const QAbstractItemModel* model = m_grid.view->model();
        if (row == 0 && column > 0)
            return model->headerData(column - 1, Qt::Horizontal, role);
        if (column == 0 && row >= 2)
            return model->headerData(row - 2, Qt::Vertical, role);
        if (row >= 2)
            return model->index(row - 2, column - 1).data(role);
        const ToleranceTableModel::Cell& painted = m_window->tableModel()->cell(column, row);
        switch (role) {
        case Qt::DisplayRole: return painted.text();
        case Qt::ForegroundRole: return painted.textColour;
        case Qt::FontRole: return UiStyle::sansFont(11, painted.bold);
        default: return {};
        }
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

    QImage rendered() const { return m_grid.rendered(); }

    // The main window's type filter at this item, as it opens the table.
    void selectType(int item) { m_window->setTypeFilter(tolerance::TypeFilterItem(item)); }

    std::unique_ptr<Tfrm_Table> m_window;
    Grid m_grid;
};

TEST_F(TableWindow, WindowAndGridAsDescribed)
{
    EXPECT_EQ(m_window->objectName(), QStringLiteral("frm_Table"));
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Поля допусков (отклонения показаны в мкм)"));
    EXPECT_EQ(m_window->size(), QSize(1132, 627));
    EXPECT_EQ(m_grid.columnCount(), 41);
    EXPECT_EQ(m_grid.rowCount(), 30);
    EXPECT_EQ(m_grid.currentColumn(), 1);
    EXPECT_EQ(m_grid.currentRow(), 2);
    showWindow();
    EXPECT_EQ(m_grid.view->geometry(), m_window->rect());
    // Cells of 64 x 30 pixels on a one-pixel grid, the fixed ones included.
    EXPECT_EQ(m_grid.cellRect(0, 0), QRect(0, 0, 64, 30));
    EXPECT_EQ(m_grid.cellRect(1, 1), QRect(65, 31, 64, 30));
    EXPECT_EQ(m_grid.cellRect(2, 3), QRect(130, 93, 64, 30));
}

TEST_F(TableWindow, ColumnsFollowTheTypeFilterAtEveryReading)
{
    EXPECT_EQ(headerRow(), QualityOrder);
    for (int item : {0, 1, 2, 3, -1}) {
        selectType(item);
        EXPECT_EQ(headerRow(), CatalogueOrder) << "item " << item;
    }
    selectType(QualityOrderItem);
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
        {"d11", 2, "-20\n-80", UiStyle::Blue, UiStyle::White},
        {"h9", 2, "0\n-25", UiStyle::Blue, UiStyle::White},
        {"Js13", 2, "±70", UiStyle::Green, UiStyle::White},
        {"b12", 2, "---", UiStyle::Green, UiStyle::SkyBlue},
        {"H14", 2, "---", UiStyle::Green, UiStyle::SkyBlue},
        {"h11", 27, "0\n-440", UiStyle::Blue, UiStyle::PaleGreen},
        {"Js6", 3, "±3", UiStyle::Green, UiStyle::PaleGreen},
        {"Js6", 5, "±4,5", UiStyle::Green, UiStyle::PaleGreen},
        {"Js6", 6, "±5,5", UiStyle::Green, UiStyle::White},
        {"Js6", 26, "±20", UiStyle::Green, UiStyle::White},
        {"Js6", 27, "---", UiStyle::Green, UiStyle::SkyBlue},
        {"Js16", 29, "±2800", UiStyle::Green, UiStyle::PaleGreen},
    };
    for (int item : {QualityOrderItem, 0}) {
        selectType(item);
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
    for (int row = 2; row <= 26; ++row) {
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

    // The first cell, g6 below 1 mm: white text on the caption colour.
    Painted initial = paintedCell(rendered(), m_grid.cellRect(1, 2));
    EXPECT_EQ(initial.background, caption);
    EXPECT_GT(initial.whitePixels, 0);

    // A click on H7 in 1-3 (maroon on pale green until then) makes it current.
    const int h7 = columnOf(QStringLiteral("H7"));
    Painted before = paintedCell(rendered(), m_grid.cellRect(h7, 3));
    EXPECT_EQ(before.background, UiStyle::PaleGreen);
    EXPECT_EQ(before.whitePixels, 0);
    m_grid.click(h7, 3);
    EXPECT_EQ(m_grid.currentColumn(), h7);
    EXPECT_EQ(m_grid.currentRow(), 3);
    QImage image = rendered();
    Painted clicked = paintedCell(image, m_grid.cellRect(h7, 3));
    EXPECT_EQ(clicked.background, caption);
    EXPECT_GT(clicked.whitePixels, 0);
    EXPECT_EQ(paintedCell(image, m_grid.cellRect(1, 2)).background, UiStyle::White);

    // The arrow keys move it on: one down to 3-6, an even row, white when left.
    QTest::keyClick(m_grid.view, Qt::Key_Down);
    EXPECT_EQ(m_grid.currentRow(), 4);
    image = rendered();
    EXPECT_EQ(paintedCell(image, m_grid.cellRect(h7, 4)).background, caption);
    EXPECT_EQ(paintedCell(image, m_grid.cellRect(h7, 3)).background, UiStyle::PaleGreen);
    QTest::keyClick(m_grid.view, Qt::Key_Left);
    EXPECT_EQ(m_grid.currentColumn(), h7 - 1);
    image = rendered();
    EXPECT_EQ(paintedCell(image, m_grid.cellRect(h7 - 1, 4)).background, caption);
    EXPECT_EQ(paintedCell(image, m_grid.cellRect(h7, 4)).background, UiStyle::White);

    // A symmetric field keeps white text when current, not green.
    const int js7 = columnOf(QStringLiteral("Js7"));
    m_grid.click(js7, 3);
    Painted symmetric = paintedCell(rendered(), m_grid.cellRect(js7, 3));
    EXPECT_EQ(symmetric.background, caption);
    EXPECT_GT(symmetric.whitePixels, 0);
}

TEST_F(TableWindow, HeaderCellsCannotBecomeCurrent)
{
    showWindow();
    m_grid.click(5, 0);
    m_grid.click(5, 1);
    m_grid.click(0, 7);
    m_grid.click(0, 0);
    EXPECT_EQ(m_grid.currentColumn(), 1);
    EXPECT_EQ(m_grid.currentRow(), 2);
    QTest::keyClick(m_grid.view, Qt::Key_Up);
    QTest::keyClick(m_grid.view, Qt::Key_Left);
    EXPECT_EQ(m_grid.currentColumn(), 1);
    EXPECT_EQ(m_grid.currentRow(), 2);
}

TEST_F(TableWindow, HeaderRowsAndColumnStayInViewWhileScrolling)
{
    showWindow();
    const QRect designationCell = m_grid.cellRect(1, 0);
    QTest::keyClick(m_grid.view, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(m_grid.currentColumn(), 40);
    EXPECT_EQ(m_grid.currentRow(), 29);
    EXPECT_GT(m_grid.verticalScrollBar()->value(), 0);
    EXPECT_GT(m_grid.horizontalScrollBar()->value(), 0);

    // Headers in their places, the last cell in view, the first ones scrolled away.
    EXPECT_EQ(m_grid.cellRect(0, 0), QRect(0, 0, 64, 30));
    EXPECT_EQ(m_grid.cellRect(0, 1), QRect(0, 31, 64, 30));
    EXPECT_EQ(m_grid.cellRect(m_grid.leftColumn(), 0).topLeft(), designationCell.topLeft());
    EXPECT_FALSE(m_grid.cellRect(40, 29).isEmpty());
    EXPECT_TRUE(m_grid.cellRect(1, 2).isEmpty());
    EXPECT_TRUE(m_grid.cellRect(1, 0).isEmpty());
    EXPECT_FALSE(m_grid.cellRect(0, 29).isEmpty());
    EXPECT_TRUE(m_grid.cellRect(0, 2).isEmpty());

    // Painted: header cells on the button face, the current one in the caption colour.
    const QImage image = rendered();
    EXPECT_EQ(image.pixelColor(m_grid.cellRect(0, 0).topLeft() + QPoint(1, 1)), UiStyle::buttonFace());
    EXPECT_EQ(image.pixelColor(m_grid.cellRect(40, 1).topLeft() + QPoint(1, 1)), UiStyle::buttonFace());
    EXPECT_EQ(image.pixelColor(m_grid.cellRect(40, 29).topLeft() + QPoint(1, 1)), UiStyle::activeCaption());

    // A click lands on the cell under the pointer in the scrolled grid.
    const int column = m_grid.leftColumn() + 1;
    m_grid.click(column, 28);
    EXPECT_EQ(m_grid.currentColumn(), column);
    EXPECT_EQ(m_grid.currentRow(), 28);
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
    EXPECT_EQ(m_grid.view->geometry(), m_window->rect());
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
    m_window->close();
    selectType(0);
    showWindow();
    const QImage afterChange = rendered();
    EXPECT_NE(afterChange, qualityOrder);

    Tfrm_Table fresh;
    fresh.setTypeFilter(tolerance::TypeFilterItem(0));
    fresh.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fresh));
    EXPECT_EQ(afterChange, Grid{fresh.DrawGrid1}.rendered());

    m_window->close();
    selectType(QualityOrderItem);
    showWindow();
    EXPECT_EQ(rendered(), qualityOrder);
}

namespace {

// A deviation as the table writes it, read back: "+10" 10, "-4,5" -4.5.
double micrometres(QString text)
{
    return text.remove(QLatin1Char('+')).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

// Runs `action`, which opens a window of its own and waits for it, and hands
// that window, once `find` sees it, to `handle`, which closes it.
void whileOpen(const std::function<void()>& action, const std::function<QWidget*()>& find,
               const std::function<void(QWidget*)>& handle)
{
    bool handled = false;
    std::function<void()> poll = [&] {
        if (QWidget* window = find(); window && window->isVisible()) {
            handled = true;
            handle(window);
            return;
        }
        QTimer::singleShot(20, poll);
    };
    QTimer::singleShot(0, poll);
    action();
    EXPECT_TRUE(handled);
}

// The names of header cells that a table cell hands out; Qt makes them anew
// for each call and leaves them to the caller.
QStringList headerTexts(const QList<QAccessibleInterface*>& cells)
{
    QStringList texts;
    for (QAccessibleInterface* cell : cells) {
        texts << cell->text(QAccessible::Name);
        QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(cell));
    }
    return texts;
}

QWidget* modalWindow() { return QApplication::activeModalWidget(); }
QWidget* popupMenu() { return QApplication::activePopupWidget(); }

int pdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString content = QString::fromLatin1(file.readAll());
    return int(content.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

} // namespace

// Every deviation cell, read through the view's model as a screen reader or a
// copy reads it, against the limit deviation table, in both column orders.
TEST_F(TableWindow, EveryDeviationCellAgainstTheTableInBothOrders)
{
    for (int item : {QualityOrderItem, 0}) {
        selectType(item);
        int cells = 0;
        for (int column = 1; column <= 40; ++column) {
            const int field = item == QualityOrderItem ? Data_Unit::QualitySortOrder(column) : column;
            ASSERT_EQ(text(column, 0), QString::fromStdString(Data_Unit::Designation(field)));
            for (int row = 2; row <= 29; ++row, ++cells) {
                SCOPED_TRACE(text(column, 0).toStdString() + " " + text(0, row).toStdString());
                const Data_Unit::DeviationCell& expected = Data_Unit::DeviationTable(field, row - 1);
                const QStringList lines = text(column, row).split(QLatin1Char('\n'));
                if (!expected.Present) {
                    EXPECT_EQ(lines, QStringList{QStringLiteral("---")});
                    EXPECT_EQ(fill(column, row), UiStyle::SkyBlue);
                    continue;
                }
                EXPECT_EQ(fill(column, row), row % 2 == 0 ? UiStyle::White : UiStyle::PaleGreen);
                if (lines.size() == 1) {
                    ASSERT_TRUE(lines[0].startsWith(QStringLiteral("±")));
                    EXPECT_EQ(micrometres(lines[0].mid(1)), expected.UpperDeviation);
                    EXPECT_EQ(-micrometres(lines[0].mid(1)), expected.LowerDeviation);
                    EXPECT_EQ(textColour(column, row), UiStyle::Green);
                } else {
                    ASSERT_EQ(lines.size(), 2);
                    EXPECT_EQ(micrometres(lines[0]), expected.UpperDeviation);
                    EXPECT_EQ(micrometres(lines[1]), expected.LowerDeviation);
                    EXPECT_NE(expected.LowerDeviation, -expected.UpperDeviation);
                    EXPECT_EQ(textColour(column, row), expected.UpperDeviation > 0 ? UiStyle::Maroon : UiStyle::Blue);
                }
            }
        }
        EXPECT_EQ(cells, 1120);
    }
}

TEST_F(TableWindow, CopiesTheCurrentCellAsALineAndABlockAsATable)
{
    showWindow();
    const int h7 = columnOf(QStringLiteral("H7"));
    m_grid.click(h7, 3);
    QTest::keyClick(m_grid.view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("+10 / 0\n"));

    // Shift+click and Shift+arrow grow a block from H7 in 1-3; H7 stays the current cell.
    m_grid.click(h7 + 1, 4, Qt::ShiftModifier);
    QTest::keyClick(m_grid.view, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(m_grid.currentColumn(), h7);
    EXPECT_EQ(m_grid.currentRow(), 3);
    EXPECT_EQ(text(h7 + 1, 3), QStringLiteral("+24\n+14")); // s7
    QTest::keyClick(m_grid.view, Qt::Key_C, Qt::ControlModifier);
    // A block comes as a table: its headings, then each range with a deviation to a cell.
    const QStringList copied = QApplication::clipboard()->text().split(QLatin1Char('\n'));
    ASSERT_EQ(copied.size(), 6) << copied.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(copied[0], QStringLiteral("Новое обозн.\tH7\t\ts7\t\tJs7\t"));
    EXPECT_EQ(copied[2], QStringLiteral("мкм\tES\tEI\tes\tei\tES\tEI"));
    EXPECT_EQ(copied[3], QStringLiteral("1-3\t+10\t0\t+24\t+14\t+5\t-5"));
    EXPECT_EQ(copied[4], QStringLiteral("3-6\t+12\t0\t+31\t+19\t+6\t-6"));
    const QImage image = rendered();
    EXPECT_EQ(image.pixelColor(m_grid.cellRect(h7, 3).topLeft() + QPoint(1, 1)), UiStyle::activeCaption());
    const QColor tinted = image.pixelColor(m_grid.cellRect(h7 + 2, 4).topLeft() + QPoint(1, 1));
    EXPECT_NE(tinted, UiStyle::White);
    EXPECT_NE(tinted, UiStyle::activeCaption());

    // Ctrl+click chooses one cell as a plain click does; a plain arrow leaves the block.
    m_grid.click(h7 + 2, 4, Qt::ControlModifier);
    m_grid.click(h7 + 2, 4, Qt::ControlModifier);
    EXPECT_EQ(m_grid.view->selectionModel()->selectedIndexes().size(), 1);
    QTest::keyClick(m_grid.view, Qt::Key_Down);
    EXPECT_EQ(m_grid.currentRow(), 5);

    // The context menu's "Копировать" copies too.
    QApplication::clipboard()->clear();
    QStringList items;
    whileOpen(
        [&] {
            const QPoint point = m_grid.view->visualRect(m_grid.view->currentIndex()).center();
            QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, point, m_grid.view->viewport()->mapToGlobal(point));
            QApplication::sendEvent(m_grid.view->viewport(), &menuEvent);
        },
        popupMenu,
        [&](QWidget* popup) {
            auto* menu = qobject_cast<QMenu*>(popup);
            ASSERT_NE(menu, nullptr);
            for (QAction* action : menu->actions())
                items << action->text();
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions().front()).center());
        });
    EXPECT_EQ(items, (QStringList{QStringLiteral("Копировать"), QStringLiteral("Печать…"),
                                  QStringLiteral("Сохранить в PDF…")}));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("±7\n"));
}

TEST_F(TableWindow, ScreenReaderReadsACell)
{
    showWindow();
    const int h7 = columnOf(QStringLiteral("H7"));
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(m_grid.view);
    ASSERT_NE(grid, nullptr);
    ASSERT_NE(grid->tableInterface(), nullptr);
    EXPECT_EQ(grid->tableInterface()->rowCount(), 28);
    EXPECT_EQ(grid->tableInterface()->columnCount(), 40);
    QAccessibleInterface* cell = grid->tableInterface()->cellAt(1, h7 - 1);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("+10\n0"));
    QAccessibleTableCellInterface* place = cell->tableCellInterface();
    ASSERT_NE(place, nullptr);
    EXPECT_EQ(headerTexts(place->columnHeaderCells()), QStringList{QStringLiteral("H7")});
    EXPECT_EQ(headerTexts(place->rowHeaderCells()), QStringList{QStringLiteral("1-3")});
}

// The window is centred when it is opened, not again when the user restores
// it from the task bar after moving it.
TEST_F(TableWindow, RestoredFromMinimisedItStaysWhereItWas)
{
    m_window->resize(600, 400);
    showWindow();
    m_window->move(m_window->pos() - QPoint(40, 30));
    const QPoint moved = m_window->pos();
    m_window->showMinimized();
    QApplication::processEvents();
    m_window->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(m_window->pos(), moved);
}

// The PDF of the whole table: six A4 landscape pages (three column blocks of
// two row blocks each). With DOPUSK_TABLE_PDF_DIR set it is kept there.
TEST_F(TableWindow, PrintPreviewAndPdf)
{
    showWindow();
    int previewPages = 0;
    QString previewTitle;
    whileOpen([&] { QTest::keyClick(m_grid.view, Qt::Key_P, Qt::ControlModifier); }, modalWindow,
              [&](QWidget* window) {
                  previewTitle = window->windowTitle();
                  if (auto* preview = window->findChild<QPrintPreviewWidget*>())
                      previewPages = preview->pageCount();
                  window->close();
              });
    EXPECT_EQ(previewTitle, QStringLiteral("Печать…"));
    EXPECT_EQ(previewPages, 6);

    QTemporaryDir temporary;
    const QString kept = qEnvironmentVariable("DOPUSK_TABLE_PDF_DIR");
    const QString folder = kept.isEmpty() ? temporary.path() : kept;
    const QString path = QDir(folder).filePath(QStringLiteral("frm_Table.pdf"));
    QFile::remove(path);
    QString suggested;
    m_grid.view->setFileChooser([&](QWidget*, const QString& offered) {
        suggested = offered;
        return QDir(folder).filePath(QStringLiteral("frm_Table"));
    });
    QTest::keyClick(m_grid.view, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(suggested.endsWith(QStringLiteral("/Поля допусков.pdf"))) << suggested.toStdString();
    EXPECT_EQ(pdfPageCount(path), 6);
}
