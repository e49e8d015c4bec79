// The thread tolerance page through real input: its first state and the thread it
// takes over from the thread page, a diameter and pitch chosen by keyboard, classes
// typed in Latin and Cyrillic letters, of the wrong kind and not defined at the
// thread, the diagram's zones on their sides of the basic profile in pixels, the
// diagram's copy, and the table of every thread opened, copied and closed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "MainWindowFixture.h"
#include "ContextMenuChoice.h"
#include "NumberBox.h"
#include "SheetView.h"
#include "ThreadSchemeBox.h"
#include "ThreadTolerancePage.h"
#include "ThreadToleranceTable.h"
#include "ThreadToleranceTableModel.h"
#include "UiStyle.h"

// Texts in failure messages as text.
void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

const QString NoData = QStringLiteral("нет данных");

class ThreadTolerancePageTest : public MainWindowFixture {
protected:
    ThreadTolerancePage& page() { return *m_window->findChild<ThreadTolerancePage*>(QStringLiteral("TabSheet4")); }
    void openPage()
    {
        clickTab(3);
        QCoreApplication::processEvents();
    }

    static void chooseItem(QComboBox* box, const QString& text)
    {
        const int item = box->findText(text, Qt::MatchExactly);
        ASSERT_GE(item, 0) << text.toStdString();
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Home);
        for (int i = 0; i < item; ++i)
            QTest::keyClick(box, Qt::Key_Down);
        ASSERT_EQ(box->currentText(), text);
    }
    void chooseThread(const QString& diameter, const QString& pitch = QString())
    {
        chooseItem(page().cmbx_RezbD, diameter);
        if (!pitch.isEmpty())
            chooseItem(page().cmbx_RezbP, pitch);
    }
    // Replaces a class by typing; letters beyond ASCII (Cyrillic) as a Russian layout sends them.
    static void typeClass(QComboBox* box, const QString& text)
    {
        QLineEdit* edit = box->lineEdit();
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(4, edit->height() / 2));
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        for (const QChar c : text) {
            if (c.unicode() < 128)
                QTest::keyClick(edit, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, c, {});
        }
    }

    QList<NumberBox*> nutBoxes()
    {
        ThreadTolerancePage& p = page();
        return {p.ed_GaikaD_min, p.ed_GaikaD2_min, p.ed_GaikaD2_max, p.ed_GaikaD1_min, p.ed_GaikaD1_max};
    }
    QList<NumberBox*> boltBoxes()
    {
        ThreadTolerancePage& p = page();
        return {p.ed_BoltD_max, p.ed_BoltD_min, p.ed_BoltD2_max, p.ed_BoltD2_min, p.ed_BoltD3_max};
    }
    static QStringList texts(const QList<NumberBox*>& boxes)
    {
        QStringList out;
        for (NumberBox* box : boxes)
            out << box->text();
        return out;
    }
    static bool red(QWidget* box) { return UiStyle::textColour(box) == UiStyle::Red; }
};

// The rows of the drawn diagram that hold the nut's hatching and the bolt's fill, and the zero line.
struct Drawn {
    int nutTop = -1, nutBottom = -1, boltTop = -1, boltBottom = -1, zeroY = -1;
};

Drawn measure(const QImage& image)
{
    Drawn d;
    int longestBlack = 0;
    for (int y = 0; y < image.height(); ++y) {
        int black = 0;
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            black += c == UiStyle::Black;
            if (c == UiStyle::HoleColour) {
                d.nutTop = d.nutTop < 0 ? y : d.nutTop;
                d.nutBottom = y;
            }
            if (c == UiStyle::ShaftFill) {
                d.boltTop = d.boltTop < 0 ? y : d.boltTop;
                d.boltBottom = y;
            }
        }
        if (black > longestBlack) {
            longestBlack = black;
            d.zeroY = y;
        }
    }
    return d;
}

} // namespace

TEST_F(ThreadTolerancePageTest, OpensOnTheThreadPagesStartThreadIn6Hand6g)
{
    openPage();
    ThreadTolerancePage& p = page();
    ASSERT_TRUE(p.isBuilt());
    EXPECT_EQ(p.objectName(), QStringLiteral("TabSheet4"));
    EXPECT_EQ(ui().PageControl1->tabText(3), QStringLiteral("Допуски резьбы"));
    // The thread page shows M15×1,5 when it is first opened; this page takes it without making that page.
    EXPECT_EQ(ui().cmbx_Rezba, nullptr);
    EXPECT_EQ(p.cmbx_RezbD->currentText(), QStringLiteral("15"));
    EXPECT_EQ(p.cmbx_RezbP->currentText(), QStringLiteral("1,5"));
    EXPECT_EQ(p.cmbx_KlassGaiki->currentText(), QStringLiteral("6H"));
    EXPECT_EQ(p.cmbx_KlassBolta->currentText(), QStringLiteral("6g"));
    EXPECT_EQ(p.lb_RezbVid->text(), QStringLiteral("Резьба с мелким шагом, 3-й ряд"));
    for (NumberBox* box : nutBoxes() + boltBoxes() + QList<NumberBox*>{p.ed_RezbZazorMin, p.ed_RezbZazorMax}) {
        EXPECT_NE(box->text(), NoData) << box->objectName().toStdString();
        EXPECT_FALSE(box->toolTip().isEmpty()) << box->objectName().toStdString();
    }
    EXPECT_EQ(p.ed_GaikaD_min->text(), QStringLiteral("15,000"));
    EXPECT_FALSE(red(p.cmbx_KlassGaiki) || red(p.cmbx_KlassBolta));
    // The lists hold the standard's classes at the thread; the first-choice sizes are bold.
    EXPECT_GE(p.cmbx_KlassGaiki->findText(QStringLiteral("7G")), 0);
    EXPECT_GE(p.cmbx_KlassBolta->findText(QStringLiteral("5g6g")), 0);
    EXPECT_EQ(p.cmbx_KlassBolta->findText(QStringLiteral("6H")), -1);
    const int m10 = p.cmbx_RezbD->findText(QStringLiteral("10"));
    const int m15 = p.cmbx_RezbD->findText(QStringLiteral("15"));
    EXPECT_TRUE(p.cmbx_RezbD->itemData(m10, Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(p.cmbx_RezbD->itemData(m15, Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(p.cmbx_RezbD->itemText(m10), QStringLiteral("10"));
}

TEST_F(ThreadTolerancePageTest, TakesOverTheThreadPagesThreadWhenItChanged)
{
    openThreadPage();
    QComboBox* diameters = ui().cmbx_Rezba;
    diameters->setFocus();
    QTest::keyClick(diameters, Qt::Key_Home);
    while (diameters->currentText() != QStringLiteral("10"))
        QTest::keyClick(diameters, Qt::Key_Down);
    openPage();
    EXPECT_EQ(page().cmbx_RezbD->currentText(), QStringLiteral("10"));
    EXPECT_EQ(page().cmbx_RezbP->currentText(), QStringLiteral("1,5"));
    EXPECT_EQ(page().lb_RezbVid->text(), QStringLiteral("Резьба с крупным шагом, 1-й ряд"));
    EXPECT_EQ(texts(nutBoxes()), (QStringList{"10,000", "9,026", "9,206", "8,376", "8,676"}));
    EXPECT_EQ(texts(boltBoxes()), (QStringList{"9,968", "9,732", "8,994", "8,862", "8,128"}));
    EXPECT_TRUE(page().ed_GaikaD2_max->toolTip().contains(QStringLiteral("TD₂")));
    EXPECT_TRUE(page().ed_BoltD_max->toolTip().contains(QStringLiteral("es")));

    // A thread chosen here stays while the thread page's thread stays.
    chooseThread(QStringLiteral("24"), QStringLiteral("2"));
    clickTab(0);
    openPage();
    EXPECT_EQ(page().cmbx_RezbD->currentText(), QStringLiteral("24"));
    EXPECT_EQ(page().cmbx_RezbP->currentText(), QStringLiteral("2"));

    // A thread of the thread page that the plan does not have: its diameter, the plan's pitch, and a red note.
    openThreadPage();
    QComboBox* pitches = ui().cmbx_ShagRezb;
    pitches->setFocus();
    QTest::keyClick(pitches, Qt::Key_Home);
    ASSERT_EQ(pitches->currentText(), QStringLiteral("0,5"));
    openPage();
    EXPECT_EQ(page().cmbx_RezbD->currentText(), QStringLiteral("10"));
    EXPECT_EQ(page().cmbx_RezbP->currentText(), QStringLiteral("1,5"));
    EXPECT_EQ(page().lb_RezbVid->text(), QStringLiteral("Резьбы М10×0,5 в ряду ISO 261 нет; показан шаг 1,5"));
    EXPECT_TRUE(red(page().lb_RezbVid));
    chooseThread(QStringLiteral("10"), QStringLiteral("1,25"));
    EXPECT_EQ(page().lb_RezbVid->text(), QStringLiteral("Резьба с мелким шагом, 1-й ряд"));
}

TEST_F(ThreadTolerancePageTest, PitchesOfADiameterCoarseFirst)
{
    openPage();
    chooseThread(QStringLiteral("20"));
    QStringList pitches;
    for (int i = 0; i < page().cmbx_RezbP->count(); ++i)
        pitches << page().cmbx_RezbP->itemText(i);
    EXPECT_EQ(pitches, (QStringList{"2,5", "2", "1,5", "1"}));
    EXPECT_EQ(page().cmbx_RezbP->currentText(), QStringLiteral("2,5"));
}

TEST_F(ThreadTolerancePageTest, ClassesTypedInCyrillicReadAsTheirLatinLetters)
{
    openPage();
    chooseThread(QStringLiteral("20"));
    typeClass(page().cmbx_KlassGaiki, QStringLiteral("7G"));
    typeClass(page().cmbx_KlassBolta, QStringLiteral("8е")); // Cyrillic е
    EXPECT_EQ(page().cmbx_KlassBolta->currentText(), QStringLiteral("8e"));
    EXPECT_FALSE(red(page().cmbx_KlassBolta));
    EXPECT_EQ(page().ed_BoltD_max->text(), QStringLiteral("19,920"));
    const QStringList latin = texts(nutBoxes()) + texts(boltBoxes());

    typeClass(page().cmbx_KlassGaiki, QStringLiteral("6Н")); // Cyrillic Н
    EXPECT_EQ(page().cmbx_KlassGaiki->currentText(), QStringLiteral("6H"));
    EXPECT_FALSE(red(page().cmbx_KlassGaiki));
    typeClass(page().cmbx_KlassGaiki, QStringLiteral("7G"));
    EXPECT_EQ(texts(nutBoxes()) + texts(boltBoxes()), latin);
}

TEST_F(ThreadTolerancePageTest, AClassNotDefinedOrOfTheWrongKindTurnsRedWithItsReason)
{
    openPage();
    chooseThread(QStringLiteral("1"));
    ASSERT_EQ(page().cmbx_RezbP->currentText(), QStringLiteral("0,25"));
    // No grade 6 for a nut at P 0,25.
    EXPECT_TRUE(red(page().cmbx_KlassGaiki));
    EXPECT_TRUE(page().cmbx_KlassGaiki->toolTip().contains(QStringLiteral("0,25")));
    EXPECT_EQ(texts(nutBoxes()), QStringList(5, NoData));
    EXPECT_EQ(page().ed_RezbZazorMin->text(), NoData);
    EXPECT_FALSE(red(page().cmbx_KlassBolta));
    EXPECT_FALSE(texts(boltBoxes()).contains(NoData));
    EXPECT_EQ(page().lb_GaikaOtkl->toolTip(), page().cmbx_KlassGaiki->toolTip());
    const thread_diagram::ThreadDiagram drawn = page().pb_RezbShema->layout();
    ASSERT_EQ(drawn.zones.size(), 2u);
    EXPECT_EQ(drawn.zones[0].part, thread_diagram::Part::Bolt);
    // The reason under the drawing, whole, in lines that fit.
    std::string notes;
    for (const std::string& line : drawn.notes)
        notes += (notes.empty() ? "" : " ") + line;
    EXPECT_EQ(notes, page().cmbx_KlassGaiki->toolTip().toStdString());
    EXPECT_GT(drawn.notes.size(), 1u);

    // 5H is the nut class of M1: defined again.
    typeClass(page().cmbx_KlassGaiki, QStringLiteral("5H"));
    EXPECT_FALSE(red(page().cmbx_KlassGaiki));
    EXPECT_FALSE(texts(nutBoxes()).contains(NoData));

    typeClass(page().cmbx_KlassGaiki, QStringLiteral("6g"));
    EXPECT_TRUE(red(page().cmbx_KlassGaiki));
    EXPECT_TRUE(page().cmbx_KlassGaiki->toolTip().startsWith(QStringLiteral("Поле 6g — поле болта")))
        << page().cmbx_KlassGaiki->toolTip().toStdString();
    typeClass(page().cmbx_KlassBolta, QStringLiteral("6x"));
    EXPECT_TRUE(red(page().cmbx_KlassBolta));
    EXPECT_EQ(texts(boltBoxes()), QStringList(5, NoData));
    EXPECT_TRUE(page().pb_RezbShema->layout().zones.empty());
}

TEST_F(ThreadTolerancePageTest, DiagramDrawsTheNutOverTheBasicProfileAndTheBoltUnderIt)
{
    openPage();
    chooseThread(QStringLiteral("20"));
    for (const auto& [nut, bolt] : {std::pair{"6H", "6g"}, std::pair{"7G", "8e"}, std::pair{"4H5H", "4h"}}) {
        SCOPED_TRACE(std::string(nut) + "/" + bolt);
        typeClass(page().cmbx_KlassGaiki, QString::fromLatin1(nut));
        typeClass(page().cmbx_KlassBolta, QString::fromLatin1(bolt));
        const Drawn d = measure(page().pb_RezbShema->picture());
        ASSERT_GE(d.zeroY, 0);
        ASSERT_GE(d.nutTop, 0);
        ASSERT_GE(d.boltTop, 0);
        EXPECT_LE(d.nutBottom, d.zeroY);
        EXPECT_GT(d.boltTop, d.zeroY - (bolt[1] == 'h' ? 1 : 0));
        EXPECT_GT(d.boltBottom - d.boltTop, 100) << "drawn to fill the box";
    }
}

TEST_F(ThreadTolerancePageTest, DiagramCopiesAsPictureAndText)
{
    openPage();
    ThreadSchemeBox* scheme = page().pb_RezbShema;
    chooseFromContextMenu(scheme);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasImage());
    EXPECT_TRUE(data->text().startsWith(QStringLiteral("M15×1,5-6H/6g: D min 15,000")));
}

// As the fits diagram, a double click shows it larger in a resizable window of its own.
TEST_F(ThreadTolerancePageTest, DoubleClickShowsTheDiagramLarger)
{
    openPage();
    ThreadSchemeBox* scheme = page().pb_RezbShema;
    QTest::mouseDClick(scheme, Qt::LeftButton, {}, scheme->rect().center());
    QWidget* larger = scheme->largerWindow();
    ASSERT_NE(larger, nullptr);
    EXPECT_TRUE(larger->isVisible());
    EXPECT_EQ(larger->objectName(), QStringLiteral("frm_RezbShema"));
    EXPECT_GT(larger->width(), scheme->width());
    larger->close();
}

TEST_F(ThreadTolerancePageTest, TableOfEveryThreadOpensCopiesAndCloses)
{
    openPage();
    typeClass(page().cmbx_KlassBolta, QStringLiteral("4h6h"));
    QString copied;
    const QString pdfPath = QDir(QDir::tempPath()).filePath(QStringLiteral("thread-tolerance-table-test.pdf"));
    QFile::remove(pdfPath);
    int rows = 0;
    QString title;
    QTimer::singleShot(0, [&] {
        ThreadToleranceTable* table = page().tableWindow();
        ASSERT_NE(table, nullptr);
        title = table->windowTitle();
        rows = table->tableModel()->rowCount();
        SheetView* sheet = table->strgrd_RezbDop;
        const int m8x1 = [&] {
            for (int row = 0; row < rows; ++row)
                if (table->tableModel()->headerData(row, Qt::Vertical).toString() == QStringLiteral("M8×1"))
                    return row;
            return -1;
        }();
        sheet->scrollTo(table->tableModel()->index(m8x1, 0));
        QTest::mouseClick(sheet->viewport(), Qt::LeftButton, {},
                          sheet->visualRect(table->tableModel()->index(m8x1, 3)).center());
        QTest::keyClick(sheet, Qt::Key_C, Qt::ControlModifier);
        copied = QApplication::clipboard()->text();
        // Ctrl+S writes the whole table to a PDF where the user chooses.
        sheet->setFileChooser([&](QWidget*, const QString&) { return pdfPath; });
        QTest::keyClick(sheet, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(table, Qt::Key_Escape);
    });
    QTest::mouseClick(page().btm_RezbDopTabl, Qt::LeftButton);
    EXPECT_EQ(rows, 352);
    EXPECT_TRUE(title.contains(QStringLiteral("гайка 6H, болт 4h6h"))) << title.toStdString();
    EXPECT_TRUE(copied.startsWith(QStringLiteral("M8×1\t8,000\t7,350\t7,500\t6,917\t7,153\t8,000\t7,820\t7,350\t7,279\t")))
        << copied.toStdString();
    EXPECT_FALSE(page().tableWindow()->isVisible());
    EXPECT_GT(QFileInfo(pdfPath).size(), 10000);
    QFile::remove(pdfPath);
    // On paper the 352 lines take several A4 pages, each with the heading row.
    const TableSheet sheet = page().tableWindow()->sheet();
    EXPECT_EQ(sheet.fixedRows, 1);
    EXPECT_EQ(sheet.rowHeights.size(), 353u);
    EXPECT_GT(SheetPrint::pages(sheet, QSize(1047, 718)).size(), 10u);
}
