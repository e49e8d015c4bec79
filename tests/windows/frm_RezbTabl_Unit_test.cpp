// The thread table window, driven through real mouse events offscreen: its
// frame, the grid's texts, the colours it paints, the state it keeps between
// showings, its one selected line, copying and PDF.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QClipboard>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "SheetView.h"
#include "UiStyle.h"
#include "frm_RezbTabl_Unit.h"
#include "RezbaTableModel.h"

namespace {

// Grid coordinates (row 1..121, column 1..5) to the model's.
QModelIndex cell(const Tfrm_RezbTabl& window, int row, int column)
{
    return window.strgrd_Rezba->model()->index(row - 1, column - 1);
}

QString text(const Tfrm_RezbTabl& window, int row, int column)
{
    if (row == 0)
        return window.strgrd_Rezba->model()->headerData(column - 1, Qt::Horizontal).toString();
    if (column == 0)
        return window.strgrd_Rezba->model()->headerData(row - 1, Qt::Vertical).toString();
    return cell(window, row, column).data().toString();
}

bool near(QColor a, QColor b, int tolerance = 40)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) <= tolerance;
}

// What a cell looks like on screen: its background (just inside the top edge,
// above the text) and how many of its pixels are in a given text colour.
struct PaintedCell {
    QImage image;
    QRect rect;

    QColor background() const { return image.pixelColor(rect.left() + 2, rect.top() + 1); }
    int pixelsNear(const QColor& colour) const
    {
        int count = 0;
        for (int y = rect.top(); y < rect.bottom(); ++y)
            for (int x = rect.left(); x < rect.right(); ++x)
                if (near(image.pixelColor(x, y), colour))
                    ++count;
        return count;
    }
};

PaintedCell painted(Tfrm_RezbTabl& window, int row, int column)
{
    QTableView* grid = window.strgrd_Rezba;
    if (row >= 1)
        grid->scrollTo(cell(window, row, std::max(column, 1)));
    if (row == 0 && column == 0)
        return {window.cornerCell()->grab().toImage(), window.cornerCell()->rect().adjusted(0, 0, -1, -1)};
    if (row == 0) {
        QHeaderView* header = grid->horizontalHeader();
        const int x = header->sectionViewportPosition(column - 1);
        return {header->grab().toImage(), QRect(x, 0, header->sectionSize(column - 1) - 1, header->height() - 1)};
    }
    if (column == 0) {
        QHeaderView* header = grid->verticalHeader();
        const int y = header->sectionViewportPosition(row - 1);
        return {header->grab().toImage(), QRect(0, y, header->width() - 1, header->sectionSize(row - 1) - 1)};
    }
    return {grid->viewport()->grab().toImage(), grid->visualRect(cell(window, row, column)).adjusted(0, 0, -1, -1)};
}

QColor gridColour(const Tfrm_RezbTabl& window, QPalette::ColorRole role)
{
    return window.strgrd_Rezba->palette().color(QPalette::Active, role);
}

int selectedRow(const Tfrm_RezbTabl& window)
{
    const QModelIndexList rows = window.strgrd_Rezba->selectionModel()->selectedRows();
    return rows.size() == 1 ? rows.front().row() + 1 : -1;
}

void clickCell(Tfrm_RezbTabl& window, int row, int column)
{
    QTableView* grid = window.strgrd_Rezba;
    grid->scrollTo(cell(window, row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell(window, row, column)).center());
}

void drag(QWidget* widget, QPoint from, QPoint to)
{
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, to, widget->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, to);
}

// Centred within a pixel: odd differences of size cannot be halved exactly.
void expectCentredOver(const QWidget& window, const QWidget& host)
{
    const QPointF offset = QRectF(window.frameGeometry()).center() - QRectF(host.frameGeometry()).center();
    EXPECT_LE(std::abs(offset.x()), 1.0) << offset.x();
    EXPECT_LE(std::abs(offset.y()), 1.0) << offset.y();
}

class RezbTablWindow : public testing::Test {
protected:
    void SetUp() override
    {
        host.setObjectName(QStringLiteral("Form1"));
        host.setGeometry(300, 200, 644, 439);
        host.show();
        window = new Tfrm_RezbTabl(&host);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }
    void TearDown() override { delete window; }

    QWidget host;
    Tfrm_RezbTabl* window = nullptr;
};

} // namespace

TEST_F(RezbTablWindow, FrameAndLayout)
{
    EXPECT_EQ(window->objectName(), "frm_RezbTabl");
    EXPECT_EQ(window->windowTitle(), "Параметры отв. под нарезание резьбы");
    // Client area of the 870 x 640 window: grid 862 x 587 over a 19 px status bar.
    EXPECT_EQ(window->size(), QSize(862, 606));
    EXPECT_EQ(window->strgrd_Rezba->geometry(), QRect(0, 0, 862, 587));
    EXPECT_EQ(window->StatusBar1->objectName(), "StatusBar1");
    EXPECT_EQ(window->StatusBar1->geometry(), QRect(0, 587, 862, 19));
    EXPECT_TRUE(window->StatusBar1->currentMessage().isEmpty());
    EXPECT_EQ(window->strgrd_Rezba->objectName(), "strgrd_Rezba");
    EXPECT_LT(window->minimumWidth(), 862);
    EXPECT_GT(window->maximumWidth(), 862);
    EXPECT_EQ(window->palette().color(QPalette::Window), UiStyle::menuColour());
    EXPECT_TRUE(window->autoFillBackground());

    // Resizable: the grid follows the window.
    window->resize(1000, 700);
    QApplication::processEvents();
    EXPECT_EQ(window->strgrd_Rezba->size(), QSize(1000, 681));
}

TEST_F(RezbTablWindow, CentredOverTheMainWindowEachTimeItIsShown)
{
    expectCentredOver(*window, host);
    window->close();
    host.move(340, 260);
    window->show();
    expectCentredOver(*window, host);
}

TEST_F(RezbTablWindow, GridShape)
{
    QTableView* grid = window->strgrd_Rezba;
    EXPECT_EQ(grid->model()->rowCount() + 1, 122);
    EXPECT_EQ(grid->model()->columnCount() + 1, 6);
    EXPECT_TRUE(grid->verticalHeader()->isVisible());
    EXPECT_TRUE(grid->horizontalHeader()->isVisible());
    EXPECT_TRUE(grid->showGrid());
    EXPECT_EQ(grid->horizontalHeader()->height(), 20);
    EXPECT_EQ(grid->verticalHeader()->width(), 35);
    const int widths[] = {180, 100, 200, 100, 170};
    for (int column = 1; column <= 5; ++column)
        EXPECT_EQ(grid->columnWidth(column - 1), widths[column - 1]) << "column " << column;
    for (int row : {1, 2, 60, 121})
        EXPECT_EQ(grid->rowHeight(row - 1), 20) << "row " << row;
    EXPECT_EQ(grid->horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
    EXPECT_EQ(grid->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(selectedRow(*window), 1);
}

TEST_F(RezbTablWindow, HeaderAndRowTexts)
{
    auto* model = static_cast<RezbaTableModel*>(window->strgrd_Rezba->model());
    EXPECT_EQ(model->cornerText(), " №");
    const QStringList header{" Номиин. диам. резьбы d", " Шаг резьбы S", " Диам. отв. под резьбу d0", " Допуск на отв.",
                             " Параметр"};
    for (int column = 1; column <= 5; ++column)
        EXPECT_EQ(text(*window, 0, column), header[column - 1]);

    struct Row { int row; QStringList cells; };
    for (const Row& r : {Row{1, {" 1", " 1", " 0,25", " 0,75", " 0,06", "Основная резьба "}},
                         Row{2, {" 2", " 1", " 0,2", " 0,8", " 0,048", "Резьба с мелким шагом "}},
                         Row{44, {" 44", " 10", " 1,5", " 8,43", " 0,2", "Основная резьба "}},
                         Row{121, {" 121", " 68", " 6", " 61,7", " 0,5", "Основная резьба "}}}) {
        for (int column = 0; column <= 5; ++column)
            EXPECT_EQ(text(*window, r.row, column), r.cells[column]) << "row " << r.row << " column " << column;
    }
    for (int column = 1; column <= 5; ++column) {
        const QModelIndex index = cell(*window, 1, column);
        EXPECT_TRUE(index.data(Qt::FontRole).value<QFont>().bold());
        EXPECT_EQ(index.data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignHCenter | Qt::AlignTop);
    }
    EXPECT_TRUE(model->headerData(0, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
    EXPECT_TRUE(model->headerData(0, Qt::Vertical, Qt::FontRole).value<QFont>().bold());
}

TEST_F(RezbTablWindow, SelectedCoarseLineIsMagentaOnTheSelectionColour)
{
    for (int column = 1; column <= 5; ++column) {
        const PaintedCell c = painted(*window, 1, column);
        EXPECT_EQ(c.background(), gridColour(*window, QPalette::Highlight)) << "column " << column;
        EXPECT_GT(c.pixelsNear(UiStyle::Magenta), 0) << "column " << column;
    }
    // Its number: black on the header colour.
    const PaintedCell number = painted(*window, 1, 0);
    EXPECT_EQ(number.background(), UiStyle::buttonFace());
    EXPECT_GT(number.pixelsNear(UiStyle::Black), 0);
    EXPECT_EQ(number.pixelsNear(UiStyle::Magenta), 0);
}

TEST_F(RezbTablWindow, BandsAlternateDiameterByDiameter)
{
    const QColor window_ = gridColour(*window, QPalette::Base);
    struct Case { int row; bool green; bool coarse; };
    // Rows 29 and 30 (bands 17 and 18) keep the alternation over the missing 15 and 16.
    for (const Case& c : {Case{2, false, false}, Case{3, true, true}, Case{4, true, false}, Case{29, false, false},
                          Case{30, true, true}, Case{121, true, true}}) {
        for (int column = 1; column <= 5; ++column) {
            const PaintedCell p = painted(*window, c.row, column);
            EXPECT_EQ(p.background(), c.green ? UiStyle::PaleGreen : window_) << "row " << c.row << " column " << column;
            EXPECT_EQ(p.pixelsNear(UiStyle::Magenta) > 0, c.coarse) << "row " << c.row << " column " << column;
            if (!c.coarse) {
                EXPECT_GT(p.pixelsNear(gridColour(*window, QPalette::Text)), 0) << "row " << c.row;
            }
        }
        // Column 0 is a fixed column: never shaded.
        EXPECT_EQ(painted(*window, c.row, 0).background(), UiStyle::buttonFace()) << "row " << c.row;
    }
}

TEST_F(RezbTablWindow, FixedRowIsBoldCentredAndNeverShaded)
{
    for (int column = 0; column <= 5; ++column) {
        const PaintedCell p = painted(*window, 0, column);
        EXPECT_EQ(p.background(), UiStyle::buttonFace()) << "column " << column;
        EXPECT_GT(p.pixelsNear(UiStyle::Black), 0) << "column " << column;
    }
    // Every header text fits its column, centred: the text's ink starts and ends
    // inside the cell, at about the same distance from both edges.
    for (int column = 1; column <= 5; ++column) {
        const PaintedCell p = painted(*window, 0, column);
        int first = -1, last = -1;
        for (int x = p.rect.left(); x < p.rect.right(); ++x)
            for (int y = p.rect.top(); y < p.rect.bottom(); ++y)
                if (near(p.image.pixelColor(x, y), UiStyle::Black, 200)) {
                    if (first < 0)
                        first = x;
                    last = x;
                }
        ASSERT_GE(first, 0);
        EXPECT_GT(first, p.rect.left() + 1) << "column " << column;
        EXPECT_LT(last, p.rect.right() - 1) << "column " << column;
        // The leading blank shifts the ink right by a few pixels.
        EXPECT_NEAR(first - p.rect.left(), p.rect.right() - last, 10) << "column " << column;
    }
}

TEST_F(RezbTablWindow, ClickingSelectsTheWholeLine)
{
    clickCell(*window, 2, 3);
    EXPECT_EQ(selectedRow(*window), 2);
    for (int column = 1; column <= 5; ++column)
        EXPECT_TRUE(window->strgrd_Rezba->selectionModel()->isSelected(cell(*window, 2, column)));

    // A selected fine line: the selection's text colour on the selection colour.
    for (int column = 1; column <= 5; ++column) {
        const PaintedCell p = painted(*window, 2, column);
        EXPECT_EQ(p.background(), gridColour(*window, QPalette::Highlight));
        EXPECT_GT(p.pixelsNear(gridColour(*window, QPalette::HighlightedText)), 0);
        EXPECT_EQ(p.pixelsNear(UiStyle::Magenta), 0);
    }
    // Row 1, no longer selected: magenta on the window colour (band 1 is odd).
    const PaintedCell first = painted(*window, 1, 5);
    EXPECT_EQ(first.background(), gridColour(*window, QPalette::Base));
    EXPECT_GT(first.pixelsNear(UiStyle::Magenta), 0);

    // A selected line on an even band shows the selection colour, not the green.
    clickCell(*window, 4, 1);
    EXPECT_EQ(selectedRow(*window), 4);
    EXPECT_EQ(painted(*window, 4, 1).background(), gridColour(*window, QPalette::Highlight));
    EXPECT_EQ(painted(*window, 3, 1).background(), UiStyle::PaleGreen);
}

TEST_F(RezbTablWindow, NoEditing)
{
    QTableView* grid = window->strgrd_Rezba;
    const QModelIndex index = cell(*window, 5, 2);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
    QTest::keyClick(grid->viewport(), Qt::Key_F2);
    QTest::keyClicks(grid->viewport(), "7");
    EXPECT_EQ(grid->findChild<QLineEdit*>(), nullptr);
    EXPECT_EQ(text(*window, 5, 2), " 0,25");
}

TEST_F(RezbTablWindow, ColumnsAreResizedByDraggingTheirSeparators)
{
    QHeaderView* header = window->strgrd_Rezba->horizontalHeader();
    const int edge = header->sectionViewportPosition(1) + header->sectionSize(1) - 1;
    drag(header->viewport(), QPoint(edge, 10), QPoint(edge + 30, 10));
    EXPECT_EQ(window->strgrd_Rezba->columnWidth(1), 130);

    // Column 0's separator sits at the right edge of the fixed corner cell.
    QWidget* corner = window->cornerCell();
    ASSERT_NE(corner, nullptr);
    drag(corner, QPoint(corner->width() - 2, 10), QPoint(corner->width() + 18, 10));
    EXPECT_EQ(window->strgrd_Rezba->verticalHeader()->width(), 55);
    // A click in the corner selects nothing else.
    QTest::mouseClick(corner, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(selectedRow(*window), 1);
}

TEST_F(RezbTablWindow, ClosingHidesAndKeepsSelectionScrollAndWidths)
{
    QTableView* grid = window->strgrd_Rezba;
    clickCell(*window, 90, 2);
    QHeaderView* header = grid->horizontalHeader();
    const int edge = header->sectionViewportPosition(0) + header->sectionSize(0) - 1;
    drag(header->viewport(), QPoint(edge, 10), QPoint(edge - 40, 10));
    const int scroll = grid->verticalScrollBar()->value();
    ASSERT_GT(scroll, 0);

    window->close();
    EXPECT_FALSE(window->isVisible());
    window->show();
    EXPECT_EQ(selectedRow(*window), 90);
    EXPECT_EQ(grid->verticalScrollBar()->value(), scroll);
    EXPECT_EQ(grid->columnWidth(0), 140);
}

TEST_F(RezbTablWindow, ShownModallyAndHiddenOnClose)
{
    window->close();
    bool wasModal = false;
    QTimer::singleShot(0, window, [&] {
        wasModal = window->isVisible() && window->isModal();
        window->close();
    });
    window->exec();
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(selectedRow(*window), 1);
}

// One whole line stays selected: Ctrl+click on it keeps it, Ctrl+click on
// another line chooses that one alone, and Tab does not walk the cells.
TEST_F(RezbTablWindow, AlwaysOneWholeLineSelected)
{
    QTableView* grid = window->strgrd_Rezba;
    auto ctrlClick = [&](int row, int column) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          grid->visualRect(cell(*window, row, column)).center());
    };
    ctrlClick(1, 2);
    EXPECT_EQ(selectedRow(*window), 1);
    clickCell(*window, 5, 2);
    ctrlClick(5, 2);
    EXPECT_EQ(selectedRow(*window), 5);
    ctrlClick(5, 3);
    EXPECT_EQ(selectedRow(*window), 5);
    ctrlClick(3, 4);
    EXPECT_EQ(selectedRow(*window), 3);
    const QModelIndex current = grid->currentIndex();
    QTest::keyClick(grid, Qt::Key_Tab);
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(grid->currentIndex(), current);
    EXPECT_EQ(selectedRow(*window), 3);
}

TEST_F(RezbTablWindow, CopiesTheSelectedLinesAsTabSeparatedText)
{
    clickCell(*window, 44, 3);
    QTest::keyClick(window->strgrd_Rezba, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "44\t10\t1,5\t8,43\t0,2\tОсновная резьба\n");

    // Shift+Down adds the next line to the copy, which then comes under the header; line 44
    // stays the current one.
    QTest::keyClick(window->strgrd_Rezba, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(window->strgrd_Rezba->currentIndex().row() + 1, 44);
    QTest::keyClick(window->strgrd_Rezba, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              "№\tНомиин. диам. резьбы d\tШаг резьбы S\tДиам. отв. под резьбу d0\tДопуск на отв.\tПараметр\n"
              "44\t10\t1,5\t8,43\t0,2\tОсновная резьба\n45\t10\t0,5\t9,5\t0,17\tРезьба с мелким шагом\n");
}

// The whole table on four A4 landscape pages. With DOPUSK_TABLE_PDF_DIR set
// the file is kept there.
TEST_F(RezbTablWindow, WritesThePdf)
{
    QTemporaryDir temporary;
    const QString kept = qEnvironmentVariable("DOPUSK_TABLE_PDF_DIR");
    const QString path = QDir(kept.isEmpty() ? temporary.path() : kept).filePath("frm_RezbTabl.pdf");
    QFile::remove(path);
    window->strgrd_Rezba->setFileChooser([&](QWidget*, const QString&) { return path; });
    QTest::keyClick(window->strgrd_Rezba, Qt::Key_S, Qt::ControlModifier);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString content = QString::fromLatin1(file.readAll());
    EXPECT_EQ(content.count(QRegularExpression("/Type\\s*/Page[^s]")), 4);
}
