// The fits page through real input: its first state and the size it takes over,
// typed sizes and classes (Latin and Cyrillic), each kind of fit with its captions,
// the preferred fits, every bad input, the clipboard and the diagram in pixels.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "ContextMenuChoice.h"
#include "NumberBox.h"
#include "MainWindowFixture.h"
#include "UiStyle.h"
#include "frm_Main_Unit.h"
#include "ClassBox.h"
#include "ClassSearchDialog.h"
#include "FitSchemeBox.h"

// Texts in failure messages as text.
void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

const QString NoData = QStringLiteral("нет данных");

class FitsPageTest : public MainWindowFixture {
protected:
    FitsPage& page() { return *ui().TabSheet3; }

    void openPage() { clickTab(2); }
    static void retype(QLineEdit* box, const QString& text)
    {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        // Letters beyond ASCII (Cyrillic) as a Russian keyboard layout sends them: by their text.
        for (const QChar c : text) {
            if (c.unicode() < 128)
                QTest::keyClick(box, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, c, {});
        }
    }
    void typeFit(const QString& size, const QString& hole, const QString& shaft)
    {
        retype(page().ed_PosRazmer, size);
        retype(page().cmbx_Otverstie->lineEdit(), hole);
        retype(page().cmbx_Val->lineEdit(), shaft);
    }
    QList<NumberBox*> resultBoxes()
    {
        FitsPage& p = page();
        return {p.ed_OtvES, p.ed_OtvEI, p.ed_OtvMax, p.ed_OtvMin, p.ed_ValEs, p.ed_ValEi,
                p.ed_ValMax, p.ed_ValMin, p.ed_Pos1, p.ed_Pos2, p.ed_PosSred, p.ed_PosDopusk};
    }
    QStringList resultTexts()
    {
        QStringList texts;
        for (NumberBox* box : resultBoxes())
            texts << box->text();
        return texts;
    }
    QStringList captions()
    {
        return {page().lb_Pos1->text(), page().lb_Pos2->text(), page().lb_PosSred->text(), page().lb_PosDopusk->text()};
    }
    static bool red(QWidget* box) { return UiStyle::textColour(box) == UiStyle::Red; }
    // "все поля…" chosen by the keys from the open list of a class box: the list of every class opens.
    static void openAllClasses(ClassBox* box)
    {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_F4);
        ASSERT_TRUE(box->view()->isVisible());
        ASSERT_FALSE(box->listsAll());
        QTest::keyClick(box->view(), Qt::Key_End);
        ASSERT_EQ(box->view()->currentIndex().data().toString(), QStringLiteral("все поля…"));
        const QString before = box->currentText();
        QTest::keyClick(box->view(), Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitFor([box] { return box->view()->isVisible(); }));
        ASSERT_TRUE(box->listsAll());
        EXPECT_EQ(box->currentText(), before) << "\"все поля…\" is no class";
    }
    QListWidgetItem* fitRow(const QString& name)
    {
        const auto found = page().lbx_Posadki->findItems(name, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.first();
    }
};

// The extent of the zones and the zero line, as drawn: the hole's outline column
// (red), the shaft's fill (light blue) and the longest black row.
struct Drawn {
    int holeTop = -1, holeBottom = -1, shaftTop = -1, shaftBottom = -1, zeroY = -1;
};

Drawn measure(const QImage& image)
{
    Drawn d;
    int bestColumn = -1, bestCount = 0;
    for (int x = 0; x < image.width(); ++x) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            count += image.pixelColor(x, y) == UiStyle::HoleColour;
        if (count > bestCount) {
            bestCount = count;
            bestColumn = x;
        }
    }
    int bestRow = 0;
    for (int y = 0; y < image.height(); ++y) {
        int black = 0;
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c == UiStyle::Black)
                ++black;
            if (c == UiStyle::ShaftFill) {
                if (d.shaftTop < 0)
                    d.shaftTop = y;
                d.shaftBottom = y;
            }
            if (x == bestColumn && c == UiStyle::HoleColour) {
                if (d.holeTop < 0)
                    d.holeTop = y;
                d.holeBottom = y;
            }
        }
        if (black > bestRow) {
            bestRow = black;
            d.zeroY = y;
        }
    }
    if (bestRow < image.width() / 2)
        d.zeroY = -1;
    return d;
}

} // namespace

TEST_F(FitsPageTest, MadeOnFirstOpeningWithH7g6AndTheToleranceSize)
{
    EXPECT_FALSE(page().isBuilt()) << "the page costs the start-up nothing";
    EXPECT_EQ(ui().PageControl1->tabText(2), QStringLiteral("Посадки"));
    EXPECT_EQ(page().objectName(), QStringLiteral("TabSheet3"));
    retype(ui().Edit2, QStringLiteral("25"));
    openPage();
    ASSERT_TRUE(page().isBuilt());
    for (const char* name : {"ed_PosRazmer", "cmbx_Otverstie", "cmbx_Val", "lbx_Posadki", "ed_OtvES", "ed_OtvEI",
                             "ed_ValEs", "ed_ValEi", "ed_OtvMax", "ed_OtvMin", "ed_ValMax", "ed_ValMin", "lb_PosVid",
                             "ed_Pos1", "lb_Pos1", "ed_Pos2", "lb_Pos2", "ed_PosSred", "lb_PosSred", "ed_PosDopusk",
                             "pb_Shema"}) {
        QWidget* control = page().findChild<QWidget*>(QLatin1String(name));
        ASSERT_TRUE(control) << name;
        EXPECT_TRUE(control->isVisible()) << name;
    }
    EXPECT_EQ(page().ed_PosRazmer->text(), QStringLiteral("25"));
    EXPECT_EQ(page().cmbx_Otverstie->currentText(), QStringLiteral("H7"));
    EXPECT_EQ(page().cmbx_Val->currentText(), QStringLiteral("g6"));
    EXPECT_EQ(resultTexts(), (QStringList{"+21", "0", "25,021", "25", "-7", "-20", "24,993", "24,98", "41", "7", "24", "34"}));
    EXPECT_EQ(page().lb_PosVid->text(), QStringLiteral("Посадка с зазором в системе отверстия"));
    ASSERT_TRUE(page().lbx_Posadki->currentItem());
    EXPECT_EQ(page().lbx_Posadki->currentItem()->text(), QStringLiteral("H7/g6"));
}

TEST_F(FitsPageTest, SizeTakenOverOnEveryOpeningWhenItReadsAndLiesInTheSystem)
{
    const struct {
        const char* tolerance;
        const char* shown;
    } steps[] = {
        {"40", "40"},
        {"3150", "3150"},
        {"4000", "3150"}, // beyond the system: the page keeps its own
        {"", "3150"},
        {"0,5", "0,5"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.tolerance);
        clickTab(0);
        retype(ui().Edit2, QString::fromUtf8(step.tolerance));
        openPage();
        EXPECT_EQ(page().ed_PosRazmer->text(), QString::fromUtf8(step.shown));
        EXPECT_FALSE(red(page().ed_PosRazmer));
    }
    // The user's own size stays while the tolerance page's does not change.
    retype(page().ed_PosRazmer, QStringLiteral("12"));
    clickTab(1);
    openPage();
    EXPECT_EQ(page().ed_PosRazmer->text(), QStringLiteral("12"));
}

TEST_F(FitsPageTest, TypedFitsOfEachKindWithTheirCaptions)
{
    openPage();
    const struct {
        const char* size;
        const char* hole;
        const char* shaft;
        const char* holeShown;
        const char* shaftShown;
        QStringList results;
        QStringList captions;
        const char* kind;
    } cases[] = {
        {"25", "H8", "f7", "H8", "f7", {"+33", "0", "25,033", "25", "-20", "-41", "24,98", "24,959", "74", "20", "47", "54"},
         {"Наибольший зазор Smax", "Наименьший зазор Smin", "Средний зазор Sm", "Допуск посадки TS"},
         "Посадка с зазором в системе отверстия"},
        {"25", "Н7", "к6", "H7", "k6", {"+21", "0", "25,021", "25", "+15", "+2", "25,015", "25,002", "19", "15", "2", "34"},
         {"Наибольший зазор Smax", "Наибольший натяг Nmax", "Средний зазор Sm", "Допуск посадки TSN"},
         "Переходная посадка в системе отверстия"},
        {"25.0", "P7", "h6", "P7", "h6", {"-14", "-35", "24,986", "24,965", "0", "-13", "25", "24,987", "35", "1", "18", "34"},
         {"Наибольший натяг Nmax", "Наименьший натяг Nmin", "Средний натяг Nm", "Допуск посадки TN"},
         "Посадка с натягом в системе вала"},
        // JS7 at 6-10 mm as the catalogue rounds it: ±7 of an IT7 of 15.
        {"10", "JS7", "js6", "JS7", "js6", {"+7", "-7", "10,007", "9,993", "+4,5", "-4,5", "10,0045", "9,9955", "11,5", "11,5", "0", "23"},
         {"Наибольший зазор Smax", "Наибольший натяг Nmax", "Средний зазор Sm", "Допуск посадки TSN"},
         "Переходная посадка внесистемная"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.hole) + "/" + c.shaft);
        typeFit(QString::fromUtf8(c.size), QString::fromUtf8(c.hole), QString::fromUtf8(c.shaft));
        EXPECT_EQ(page().cmbx_Otverstie->currentText(), QString::fromUtf8(c.holeShown));
        EXPECT_EQ(page().cmbx_Val->currentText(), QString::fromUtf8(c.shaftShown));
        EXPECT_FALSE(red(page().cmbx_Otverstie) || red(page().cmbx_Val) || red(page().ed_PosRazmer));
        EXPECT_EQ(resultTexts(), c.results);
        EXPECT_EQ(captions(), c.captions);
        EXPECT_EQ(page().lb_PosVid->text(), QString::fromUtf8(c.kind));
    }
}

TEST_F(FitsPageTest, ClassListsHoldTheClassesOfTheSizeAndTypeAheadByCase)
{
    openPage();
    ClassBox* holes = page().cmbx_Otverstie;
    openAllClasses(holes);
    QTest::keyClick(holes->view(), Qt::Key_Escape);
    ASSERT_GT(holes->count(), 100);
    for (int i = 0; i < holes->count(); ++i)
        ASSERT_TRUE(holes->itemText(i)[0].isUpper()) << holes->itemText(i).toStdString();
    EXPECT_EQ(page().cmbx_Val->findText(QStringLiteral("p6")) >= 0, true);
    // A at 0,5 mm is not defined: not listed.
    retype(page().ed_PosRazmer, QStringLiteral("0,5"));
    EXPECT_EQ(holes->findText(QStringLiteral("A9")), -1);
    retype(page().ed_PosRazmer, QStringLiteral("25"));
    EXPECT_GE(holes->findText(QStringLiteral("A9")), 0);

    // In the open list, typed letters go to the row that starts with them.
    QComboBox* shafts = page().cmbx_Val;
    shafts->showPopup();
    QTest::keyClicks(shafts->view(), QStringLiteral("p6"));
    EXPECT_EQ(shafts->view()->currentIndex().data().toString(), QStringLiteral("p6"));
    QTest::keyClick(shafts->view(), Qt::Key_Return);
    EXPECT_EQ(shafts->currentText(), QStringLiteral("p6"));
    EXPECT_EQ(page().lb_PosVid->text(), QStringLiteral("Посадка с натягом в системе отверстия"));
}

TEST_F(FitsPageTest, PreferredFitsSetBothClassesAndShowTheirKinds)
{
    retype(ui().Edit2, QStringLiteral("25"));
    openPage();
    QListWidget* list = page().lbx_Posadki;
    const struct {
        const char* fit;
        const char* kind;
    } rows[] = {{"H11/c11", "зазор"}, {"H7/k6", "переходная"}, {"H7/u6", "натяг"},
                {"F8/h7", "зазор"},   {"N7/h6", "переходная"}, {"S7/h6", "натяг"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.fit);
        QListWidgetItem* item = fitRow(QString::fromUtf8(row.fit));
        ASSERT_TRUE(item);
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
        const QStringList classes = QString::fromUtf8(row.fit).split(u'/');
        EXPECT_EQ(page().cmbx_Otverstie->currentText(), classes[0]);
        EXPECT_EQ(page().cmbx_Val->currentText(), classes[1]);
        EXPECT_EQ(item->data(FitsPage::KindRole).toString(), QString::fromUtf8(row.kind));
        EXPECT_FALSE(resultTexts().contains(NoData));
        EXPECT_EQ(list->currentItem(), item);
    }
    // A heading is no fit: a click on it changes nothing.
    const QStringList before = resultTexts();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(resultTexts(), before);
    // At 2000 mm c11 and C11 are not defined: their rows say so.
    retype(page().ed_PosRazmer, QStringLiteral("2000"));
    EXPECT_EQ(fitRow(QStringLiteral("H11/c11"))->data(FitsPage::KindRole).toString(), QStringLiteral("—"));
    EXPECT_FALSE(fitRow(QStringLiteral("H11/c11"))->toolTip().isEmpty());
}

TEST_F(FitsPageTest, EveryBadInputTurnsItsBoxRedAndComputesNothing)
{
    openPage();
    const struct {
        const char* size;
        const char* hole;
        const char* shaft;
        bool sizeRed, holeRed, shaftRed;
        const char* hint; // of the red box, or the start of it
        int zonesDrawn;
    } cases[] = {
        {"0", "H7", "g6", true, false, false, "Номинальный размер должен быть больше 0 мм", 0},
        {"3150,1", "H7", "g6", true, false, false, "Система ISO 286 определена для размеров до 3150 мм", 0},
        {"", "H7", "g6", true, false, false, "Размер не указан", 0},
        {"1-2", "H7", "g6", true, false, false, "Размер не читается как число", 0},
        {"25", "h7", "g6", false, true, false, "h7 — поле вала, а не отверстия", 1},
        {"25", "H7", "G6", false, false, true, "G6 — поле отверстия, а не вала", 1},
        {"25", "Q7", "g6", false, true, false, "«Q7» не поле допуска (пример: H7, p6)", 1},
        {"25", "H7", "", false, false, true, "Поле допуска не указано", 1},
        {"0,5", "A9", "g6", false, true, false, "Поле A9 для размеров до 1 мм не определено", 1},
        {"0,5", "A9", "a11", false, true, true, "Поле A9 для размеров до 1 мм не определено", 0},
        {"0,05", "H7", "c11", false, false, true, "При Ø0,05 мм наименьший размер вала c11 был бы −0,07 мм", 1},
        {"25,0000001", "H7", "g6", true, false, false, "Номинальный размер задаётся с точностью до 0,000001 мм", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.size) + " " + c.hole + "/" + c.shaft);
        typeFit(QString::fromUtf8(c.size), QString::fromUtf8(c.hole), QString::fromUtf8(c.shaft));
        EXPECT_EQ(red(page().ed_PosRazmer), c.sizeRed);
        EXPECT_EQ(red(page().cmbx_Otverstie), c.holeRed);
        EXPECT_EQ(red(page().cmbx_Val), c.shaftRed);
        QWidget* redBox = c.sizeRed ? static_cast<QWidget*>(page().ed_PosRazmer)
                          : c.holeRed ? static_cast<QWidget*>(page().cmbx_Otverstie)
                                      : static_cast<QWidget*>(page().cmbx_Val);
        EXPECT_EQ(redBox->toolTip(), QString::fromUtf8(c.hint));
        // A class that is one at the size still shows its own limits; the fit needs both.
        const QStringList texts = resultTexts();
        const bool holeShown = !c.sizeRed && !c.holeRed;
        const bool shaftShown = !c.sizeRed && !c.shaftRed;
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(texts[i] != NoData, i < 4 ? holeShown : i < 8 ? shaftShown : false) << i << " " << texts[i].toStdString();
        EXPECT_EQ(page().lb_PosVid->text(), QString::fromUtf8(c.hint));
        const iso286::DiagramInput& drawn = page().pb_Shema->input();
        EXPECT_EQ(int(drawn.hole.has_value()) + int(drawn.shaft.has_value()), c.zonesDrawn);
        EXPECT_EQ(drawn.refusals.front(), std::string(c.hint));
        EXPECT_TRUE(page().pb_Shema->summary().isEmpty());
    }
    // Put right, everything comes back.
    typeFit(QStringLiteral("25"), QStringLiteral("H7"), QStringLiteral("g6"));
    EXPECT_FALSE(red(page().ed_PosRazmer) || red(page().cmbx_Otverstie) || red(page().cmbx_Val));
    EXPECT_EQ(page().ed_Pos1->text(), QStringLiteral("41"));
}

TEST_F(FitsPageTest, OneBadClassLeavesTheOtherShown)
{
    openPage();
    typeFit(QStringLiteral("25"), QStringLiteral("Q7"), QStringLiteral("k6"));
    EXPECT_EQ(resultTexts(), (QStringList{NoData, NoData, NoData, NoData, "+15", "+2", "25,015", "25,002",
                                          NoData, NoData, NoData, NoData}));
    EXPECT_TRUE(page().pb_Shema->input().shaft.has_value());
    retype(page().cmbx_Val->lineEdit(), QStringLiteral("G6"));
    retype(page().cmbx_Otverstie->lineEdit(), QStringLiteral("H7"));
    EXPECT_EQ(resultTexts().mid(0, 4), (QStringList{"+21", "0", "25,021", "25"}));
    EXPECT_EQ(resultTexts().mid(4), QStringList(8, NoData));
}

// The catalogue writes js6, JS7 and JS12 as "Js6", "Js7", "Js12": each class box reads
// any writing of JS as its own kind.
TEST_F(FitsPageTest, ClassBoxesReadJsAsTheirOwnKind)
{
    openPage();
    const struct {
        const char* hole;
        const char* shaft;
        const char* holeShown;
        const char* shaftShown;
        const char* shaftLimits[2];
    } cases[] = {
        {"H7", "Js6", "H7", "js6", {"+6,5", "-6,5"}},
        {"Js7", "h6", "JS7", "h6", {"0", "-13"}},
        {"js12", "JS6", "JS12", "js6", {"+6,5", "-6,5"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.hole) + "/" + c.shaft);
        typeFit(QStringLiteral("25"), QString::fromUtf8(c.hole), QString::fromUtf8(c.shaft));
        EXPECT_FALSE(red(page().cmbx_Otverstie) || red(page().cmbx_Val)) << page().cmbx_Val->toolTip().toStdString();
        EXPECT_EQ(page().cmbx_Otverstie->currentText(), QString::fromUtf8(c.holeShown));
        EXPECT_EQ(page().cmbx_Val->currentText(), QString::fromUtf8(c.shaftShown));
        EXPECT_EQ(page().ed_ValEs->text(), QString::fromUtf8(c.shaftLimits[0]));
        EXPECT_EQ(page().ed_ValEi->text(), QString::fromUtf8(c.shaftLimits[1]));
        EXPECT_NE(page().ed_Pos1->text(), NoData);
    }
}

// The status bar belongs to the page shown: each page's own line, back again with its tab.
TEST_F(FitsPageTest, StatusBarShowsThePageShown)
{
    const QString toleranceStatus = QStringLiteral("Старое обозначение :  [ А3 ]");
    EXPECT_EQ(ui().Panel1->text(), toleranceStatus);
    openPage();
    typeFit(QStringLiteral("25"), QStringLiteral("H7"), QStringLiteral("p6"));
    EXPECT_EQ(ui().Panel1->text(), QStringLiteral("Ø25 H7/p6: натяг 1…35 мкм"));
    retype(page().cmbx_Val->lineEdit(), QStringLiteral("Q6"));
    EXPECT_EQ(ui().Panel1->text(), QStringLiteral("«Q6» не поле допуска (пример: H7, p6)"));
    retype(page().cmbx_Val->lineEdit(), QStringLiteral("g6"));
    EXPECT_EQ(ui().Panel1->text(), QStringLiteral("Ø25 H7/g6: зазор 7…41 мкм"));
    EXPECT_EQ(ui().Panel1->toolTip(), ui().Panel1->text()); // whole, should the panel cut it

    clickTab(1);
    EXPECT_EQ(ui().Panel1->text(), QStringLiteral("M15×1,5: отверстие 13,43 +0,2"));
    ui().cmbx_ShagRezb->setFocus();
    QTest::keyClick(ui().cmbx_ShagRezb, Qt::Key_Up); // the fine pitch, by the keyboard
    EXPECT_EQ(ui().Panel1->text(), QStringLiteral("M15×1: отверстие 13,95 +0,17"));
    clickTab(3);
    EXPECT_EQ(ui().Panel1->text(), QStringLiteral("M15×1-6H/6g"));
    clickTab(2);
    EXPECT_EQ(ui().Panel1->text(), QStringLiteral("Ø25 H7/g6: зазор 7…41 мкм"));
    clickTab(0);
    EXPECT_EQ(ui().Panel1->text(), toleranceStatus);
    // An empty field list has no old designation.
    ui().ComboBox1->setFocus();
    QTest::keyClick(ui().ComboBox1, Qt::Key_Up);
    QTest::keyClick(ui().ComboBox1, Qt::Key_Up); // the holes
    ui().ComboBox3->setFocus();
    QTest::keyClick(ui().ComboBox3, Qt::Key_Down); // with letter G: none
    ASSERT_EQ(ui().ListBox1->count(), 0);
    EXPECT_EQ(ui().Panel1->text(), QString());
    clickTab(2);
    clickTab(0);
    EXPECT_EQ(ui().Panel1->text(), QString());
}

TEST_F(FitsPageTest, CopyingSaysSoInTheStatusBar)
{
    openPage();
    typeFit(QStringLiteral("25"), QStringLiteral("H7"), QStringLiteral("p6"));
    FitSchemeBox* scheme = page().pb_Shema;
    ui().Panel2->setText(QString());
    chooseFromContextMenu(scheme);
    EXPECT_EQ(ui().Panel2->text(), QStringLiteral("Схема и посадка скопированы"));
}

TEST_F(FitsPageTest, SizeBoxTakesTheKeysOfTheToleranceSizeBox)
{
    openPage();
    retype(page().ed_PosRazmer, QStringLiteral("2a5.5ж"));
    EXPECT_EQ(page().ed_PosRazmer->text(), QStringLiteral("25,5"));
}

TEST_F(FitsPageTest, ContextMenuCopiesPictureAndText)
{
    openPage();
    typeFit(QStringLiteral("25"), QStringLiteral("H7"), QStringLiteral("p6"));
    FitSchemeBox* scheme = page().pb_Shema;
    QApplication::clipboard()->clear();
    scheme->copyToClipboard();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    EXPECT_EQ(data->text(), QStringLiteral("25\tH7\t+21\t0\tp6\t+35\t+22\tNmax\t35\tNmin\t1"));
    const QImage copied = qvariant_cast<QImage>(data->imageData());
    EXPECT_EQ(copied.size(), scheme->contentsRect().size());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), scheme->picture());

    typeFit(QStringLiteral("25"), QStringLiteral("H8"), QStringLiteral("f7"));
    QApplication::clipboard()->clear();
    chooseFromContextMenu(scheme);
    ASSERT_TRUE(QApplication::clipboard()->mimeData());
    EXPECT_EQ(QApplication::clipboard()->mimeData()->text(), QStringLiteral("25\tH8\t+33\t0\tf7\t-20\t-41\tSmax\t74\tSmin\t20"));
    EXPECT_TRUE(QApplication::clipboard()->mimeData()->hasImage());
}

TEST_F(FitsPageTest, TheCopiedLineSplitsIntoTheCellsThePageShows)
{
    openPage();
    const struct {
        const char* size;
        const char* hole;
        const char* shaft;
    } fits[] = {{"25", "H7", "k6"}, {"7,5", "S7", "h6"}, {"1800", "D9", "js8"}, {"10", "JS7", "g6"}};
    for (const auto& f : fits) {
        SCOPED_TRACE(std::string(f.size) + " " + f.hole + "/" + f.shaft);
        typeFit(QString::fromUtf8(f.size), QString::fromUtf8(f.hole), QString::fromUtf8(f.shaft));
        QApplication::clipboard()->clear();
        chooseFromContextMenu(page().pb_Shema);
        ASSERT_TRUE(QApplication::clipboard()->mimeData());
        const QStringList cells = QApplication::clipboard()->mimeData()->text().split(u'\t');
        ASSERT_EQ(cells.size(), 11) << QApplication::clipboard()->mimeData()->text().toStdString();
        // The two figures stand after their symbols, which end the captions of the page's first two rows.
        const QStringList shown = {page().ed_PosRazmer->text(), page().cmbx_Otverstie->currentText(),
                                   page().ed_OtvES->text(), page().ed_OtvEI->text(), page().cmbx_Val->currentText(),
                                   page().ed_ValEs->text(), page().ed_ValEi->text(),
                                   page().lb_Pos1->text().section(u' ', -1), page().ed_Pos1->text(),
                                   page().lb_Pos2->text().section(u' ', -1), page().ed_Pos2->text()};
        EXPECT_EQ(cells, shown);
    }
    // No fit, no text: the picture alone.
    typeFit(QStringLiteral("25"), QStringLiteral("H7"), QStringLiteral("x"));
    QApplication::clipboard()->clear();
    chooseFromContextMenu(page().pb_Shema);
    ASSERT_TRUE(QApplication::clipboard()->mimeData());
    EXPECT_FALSE(QApplication::clipboard()->mimeData()->hasText());
    EXPECT_TRUE(QApplication::clipboard()->mimeData()->hasImage());
}

// What the user reads, in the font the diagram is drawn in: at the fits that crowded it no
// label touches another, a zone or a dimension line, and a reason is written whole in the box.
TEST_F(FitsPageTest, DiagramTextsStandClearAndAReasonIsWrittenWhole)
{
    openPage();
    FitSchemeBox* scheme = page().pb_Shema;
    const iso286::TextMeasure measure = FitSchemeBox::textMeasure();
    const QSize size = scheme->contentsRect().size();
    const char* fits[][3] = {{"3000", "H1", "d18"}, {"25", "H7", "g6"}, {"10", "A11", "h11"}, {"2000", "N7", "h6"}};
    for (const auto& fit : fits) {
        SCOPED_TRACE(std::string(fit[0]) + " " + fit[1] + "/" + fit[2]);
        typeFit(QString::fromUtf8(fit[0]), QString::fromUtf8(fit[1]), QString::fromUtf8(fit[2]));
        const iso286::FitDiagram d = scheme->layoutFor(size);
        ASSERT_EQ(d.marks.size(), 2u);
        const std::vector<const iso286::DiagramLabel*> labels = iso286::drawnLabels(d);
        const std::vector<iso286::DiagramRect> drawn = iso286::drawnRects(d);
        for (std::size_t i = 0; i < labels.size(); ++i) {
            const iso286::DiagramRect rect = iso286::labelRect(*labels[i], measure);
            EXPECT_TRUE(rect.left >= 0 && rect.right <= size.width() && rect.top >= 0 && rect.bottom <= d.notesTop)
                << labels[i]->text;
            for (std::size_t j = i + 1; j < labels.size(); ++j)
                EXPECT_FALSE(rect.intersects(iso286::labelRect(*labels[j], measure)))
                    << labels[i]->text << " over " << labels[j]->text;
            for (std::size_t k = 0; k < drawn.size(); ++k) {
                const bool nameInside = k < d.zones.size() && labels[i] == &d.zones[k].name && rect.left > drawn[k].left &&
                                        rect.right < drawn[k].right && rect.top > drawn[k].top && rect.bottom < drawn[k].bottom;
                EXPECT_TRUE(nameInside || !rect.intersects(drawn[k])) << labels[i]->text << " over a drawn line";
            }
        }
    }

    // A box 236 pixels wide breaks a long reason between words rather than cutting it.
    typeFit(QStringLiteral("0,5"), QStringLiteral("A9"), QStringLiteral("h6"));
    const iso286::DiagramInput& input = scheme->input();
    ASSERT_FALSE(input.refusals.empty());
    const iso286::FitDiagram d = scheme->layoutFor(size);
    std::string written;
    for (const std::string& line : d.notes) {
        EXPECT_LE(measure.width(line, false), size.width() - 4) << line;
        written += (written.empty() ? "" : " ") + line;
    }
    EXPECT_GT(d.notes.size(), input.refusals.size()) << "broken over more lines than reasons";
    EXPECT_NE(written.find(input.refusals.front()), std::string::npos) << written;
    EXPECT_LE(d.notesTop + double(d.notes.size()) * d.lineHeight, size.height());
}

// A double click shows the diagram larger in a resizable window of its own, drawn by the
// same code at the window's size and following each new fit; the box itself copies nothing.
TEST_F(FitsPageTest, DoubleClickShowsTheDiagramLargerInAWindowOfItsOwn)
{
    openPage();
    typeFit(QStringLiteral("3000"), QStringLiteral("H1"), QStringLiteral("d18"));
    FitSchemeBox* scheme = page().pb_Shema;
    QApplication::clipboard()->clear();
    QTest::mouseDClick(scheme, Qt::LeftButton, {}, scheme->rect().center());
    const QMimeData* clipboard = QApplication::clipboard()->mimeData();
    EXPECT_TRUE(!clipboard || !clipboard->hasImage()) << "nothing copied";
    QWidget* larger = scheme->largerWindow();
    ASSERT_NE(larger, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(larger));
    EXPECT_TRUE(larger->isWindow());
    EXPECT_EQ(larger->objectName(), QStringLiteral("frm_Shema"));
    EXPECT_GT(larger->width(), scheme->width());
    EXPECT_GT(larger->height(), scheme->height());
    EXPECT_LT(larger->minimumWidth(), larger->maximumWidth()) << "resizable";

    auto* drawing = larger->findChild<QWidget*>(QStringLiteral("frm_Shema_Drawing"));
    ASSERT_NE(drawing, nullptr);
    auto drawn = [&] {
        QImage expected(drawing->size(), QImage::Format_RGB32);
        expected.fill(UiStyle::White);
        QPainter painter(&expected);
        scheme->paintLarger(painter, drawing->size());
        painter.end();
        return drawing->grab().toImage().convertToFormat(QImage::Format_RGB32) == expected;
    };
    EXPECT_TRUE(drawn()) << "the box's own drawing at the window's size";
    EXPECT_GT(drawing->width(), scheme->width());
    larger->resize(larger->size() + QSize(200, 100));
    QTRY_COMPARE(drawing->size(), larger->size());
    EXPECT_TRUE(drawn());
    typeFit(QStringLiteral("25"), QStringLiteral("H7"), QStringLiteral("g6"));
    EXPECT_TRUE(drawn()) << "the new fit";

    // A second double click brings the same window back rather than another.
    larger->close();
    QTest::mouseDClick(scheme, Qt::LeftButton, {}, scheme->rect().center());
    ASSERT_NE(scheme->largerWindow(), nullptr);
    EXPECT_TRUE(scheme->largerWindow()->isVisible());
}

TEST_F(FitsPageTest, DiagramDrawsTheZonesInOrderAgainstTheZeroLine)
{
    openPage();
    const struct {
        const char* hole;
        const char* shaft;
        bool shaftBelowHole;  // a clearance
        bool shaftAboveHole;  // an interference; neither: the zones overlap
    } cases[] = {{"H7", "g6", true, false}, {"H7", "k6", false, false}, {"H7", "s6", false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.hole) + "/" + c.shaft);
        typeFit(QStringLiteral("25"), QString::fromUtf8(c.hole), QString::fromUtf8(c.shaft));
        const Drawn d = measure(page().pb_Shema->grab().toImage());
        ASSERT_GE(d.holeTop, 0);
        ASSERT_GE(d.shaftTop, 0);
        ASSERT_GE(d.zeroY, 0);
        // The hole H stands on the zero line.
        EXPECT_NEAR(d.holeBottom, d.zeroY, 1);
        EXPECT_EQ(d.shaftTop > d.holeBottom, c.shaftBelowHole);
        EXPECT_EQ(d.shaftBottom < d.holeTop, c.shaftAboveHole);
        if (c.shaftBelowHole)
            EXPECT_LT(d.zeroY, d.shaftTop) << "the zero line between the zones";
        else
            EXPECT_GT(d.zeroY, d.shaftBottom) << "the shaft above the zero line";
        EXPECT_GT(d.holeBottom - d.holeTop, 50) << "the drawing fills its area";
    }
    // Changing the fit redraws.
    typeFit(QStringLiteral("25"), QStringLiteral("H7"), QStringLiteral("g6"));
    const QImage before = page().pb_Shema->grab().toImage();
    retype(page().cmbx_Val->lineEdit(), QStringLiteral("f7"));
    EXPECT_NE(page().pb_Shema->grab().toImage(), before);
}

TEST_F(FitsPageTest, ClassListsOfferTheCommonClassesFirstAndAllOnRequest)
{
    retype(ui().Edit2, QStringLiteral("25"));
    openPage();
    const struct {
        ClassBox* box;
        QStringList firsts;
        const char* rare; // a class only the whole list holds
    } boxes[] = {{page().cmbx_Otverstie, {"C11", "D9", "F8", "G7", "H7"}, "A9"},
                 {page().cmbx_Val, {"b12", "c11", "d9", "d11", "f7"}, "zc11"}};
    for (const auto& b : boxes) {
        SCOPED_TRACE(b.box->objectName().toStdString());
        ClassBox* box = b.box;
        EXPECT_FALSE(box->listsAll());
        EXPECT_LT(box->count(), 30);
        for (int i = 0; i < b.firsts.size(); ++i)
            EXPECT_EQ(box->itemText(i), b.firsts[i]);
        EXPECT_EQ(box->itemText(box->count() - 1), QStringLiteral("все поля…"));
        EXPECT_EQ(box->findText(QString::fromUtf8(b.rare)), -1);

        // The keys in the closed box step through the classes and stop at the last one.
        box->setFocus();
        for (int i = 0; i < 40; ++i)
            QTest::keyClick(box, Qt::Key_Down);
        EXPECT_EQ(box->currentText(), box->itemText(box->count() - 2));
        EXPECT_FALSE(box->view()->isVisible());
        EXPECT_FALSE(red(box));

        // From the open list, "все поля…" opens every class; a rare one is chosen by typing its name.
        openAllClasses(box);
        EXPECT_GT(box->count(), 300);
        QTest::keyClicks(box->view(), QString::fromUtf8(b.rare));
        QTest::keyClick(box->view(), Qt::Key_Return);
        EXPECT_FALSE(box->view()->isVisible());
        EXPECT_EQ(box->currentText(), QString::fromUtf8(b.rare));
        EXPECT_FALSE(red(box));
        // The next opening starts short again, and the rare class stays in the box.
        QTest::keyClick(box, Qt::Key_F4);
        EXPECT_FALSE(box->listsAll());
        EXPECT_EQ(box->itemText(box->count() - 1), QStringLiteral("все поля…"));
        QTest::keyClick(box->view(), Qt::Key_Escape);
        EXPECT_EQ(box->currentText(), QString::fromUtf8(b.rare));
    }
    EXPECT_EQ(page().ed_OtvEI->text(), QStringLiteral("+300"));

    // Typing still reaches any class, in the short list or not.
    typeFit(QStringLiteral("25"), QStringLiteral("ZC11"), QStringLiteral("za8"));
    EXPECT_FALSE(red(page().cmbx_Otverstie));
    EXPECT_NE(page().ed_OtvES->text(), NoData);
    EXPECT_NE(page().ed_ValEs->text(), NoData);
    // A click on "все поля…" does as its key.
    ClassBox* holes = page().cmbx_Otverstie;
    holes->showPopup();
    QAbstractItemView* view = holes->view();
    const QModelIndex all = view->model()->index(holes->count() - 1, 0);
    view->scrollTo(all);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(all).center());
    ASSERT_TRUE(QTest::qWaitFor([holes] { return holes->view()->isVisible() && holes->listsAll(); }));
    QTest::keyClick(holes->view(), Qt::Key_Escape);
    EXPECT_EQ(holes->currentText(), QStringLiteral("ZC11"));
}

namespace {

// Runs `inside` on the class search window once it is open.
void whenSearchOpens(const std::function<void(ClassSearchDialog&)>& inside)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, inside] {
        auto* dialog = qobject_cast<ClassSearchDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        inside(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    timer->start();
}

// The class box's context menu from the keyboard, its last entry chosen by the keys.
// Returns whether that entry could be chosen.
bool findFromContextMenu(ClassBox* box)
{
    const auto enabled = std::make_shared<bool>(false);
    QTimer::singleShot(20, [enabled] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        QAction* last = menu->actions().constLast();
        EXPECT_EQ(last->text(), QStringLiteral("Найти поле по отклонениям…"));
        *enabled = last->isEnabled();
        if (!*enabled) {
            QTest::keyClick(menu, Qt::Key_Escape);
            return;
        }
        QTest::keyClick(menu, Qt::Key_Up); // from no entry, the last one
        EXPECT_EQ(menu->activeAction(), last);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QLineEdit* edit = box->lineEdit();
    edit->setFocus();
    const QPoint at = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, at, edit->mapToGlobal(at));
    QApplication::sendEvent(edit, &event);
    return *enabled;
}

} // namespace

TEST_F(FitsPageTest, ContextMenuFindsTheClassOfTypedDeviations)
{
    openPage();
    typeFit(QStringLiteral("25"), QStringLiteral("H7"), QStringLiteral("g6"));

    // The hole box: the window starts with H7's deviations; typed ones name H8, which goes in.
    bool ran = false;
    whenSearchOpens([&](ClassSearchDialog& d) {
        ran = true;
        EXPECT_EQ(d.lb_PoiskRazmer->text(), QStringLiteral("Ø25 мм, поле отверстия"));
        EXPECT_EQ(d.ed_VerhOtkl->text(), QStringLiteral("+21"));
        EXPECT_EQ(d.ed_NizhOtkl->text(), QStringLiteral("0"));
        EXPECT_EQ(d.lb_PoiskPolya->text(), QStringLiteral("= H7"));
        // The window takes the focus as it is activated, which a loaded machine may delay.
        EXPECT_TRUE(QTest::qWaitFor([&d] { return QApplication::focusWidget() == d.ed_VerhOtkl; }, 2000));
        QTest::keyClicks(d.ed_VerhOtkl, QStringLiteral("33"));
        EXPECT_EQ(d.lb_PoiskPolya->text(), QStringLiteral("= H8"));
        EXPECT_TRUE(d.btm_Vstavit->isEnabled());
        QTest::keyClick(d.ed_VerhOtkl, Qt::Key_Return);
    });
    EXPECT_TRUE(findFromContextMenu(page().cmbx_Otverstie));
    EXPECT_TRUE(ran);
    EXPECT_EQ(page().cmbx_Otverstie->currentText(), QStringLiteral("H8"));
    EXPECT_EQ(page().ed_OtvES->text(), QStringLiteral("+33"));
    EXPECT_EQ(page().statusText(), QStringLiteral("Ø25 H8/g6: зазор 7…53 мкм"));

    // The shaft box: deviations of no class give the nearest, and nothing goes in.
    ran = false;
    whenSearchOpens([&](ClassSearchDialog& d) {
        ran = true;
        EXPECT_EQ(d.lb_VerhOtkl->text(), QStringLiteral("es, мкм"));
        EXPECT_TRUE(QTest::qWaitFor([&d] { return QApplication::focusWidget() == d.ed_VerhOtkl; }, 2000));
        QTest::keyClicks(d.ed_VerhOtkl, QStringLiteral("-8"));
        QTest::keyClick(d.ed_VerhOtkl, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), d.ed_NizhOtkl);
        QTest::keyClick(d.ed_NizhOtkl, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(d.ed_NizhOtkl, QStringLiteral("-21"));
        EXPECT_EQ(d.lb_PoiskPolya->text(), QStringLiteral("ближайшее: g6 (на 1 мкм)"));
        EXPECT_FALSE(d.btm_Vstavit->isEnabled());
        QTest::keyClick(d.ed_NizhOtkl, Qt::Key_Return); // no class: Enter inserts nothing
        EXPECT_TRUE(d.isVisible());
        // Reversed deviations say so.
        d.ed_NizhOtkl->selectAll();
        QTest::keyClicks(d.ed_NizhOtkl, QStringLiteral("5"));
        EXPECT_EQ(d.lb_PoiskPolya->text(), QStringLiteral("Верхнее отклонение ниже нижнего"));
        QTest::keyClick(d.ed_NizhOtkl, Qt::Key_Escape);
    });
    EXPECT_TRUE(findFromContextMenu(page().cmbx_Val));
    EXPECT_TRUE(ran);
    EXPECT_EQ(page().cmbx_Val->currentText(), QStringLiteral("g6"));

    // Without a size there is nothing to look up: the entry is there, disabled.
    retype(page().ed_PosRazmer, QString());
    EXPECT_FALSE(findFromContextMenu(page().cmbx_Otverstie));
}
