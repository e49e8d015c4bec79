// The main window driven through real input events, offscreen.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "AppInfo.h"
#include "FormulaCheck.h"
#include "MainWindowFixture.h"
#include "UiStyle.h"
#include "frm_Main_Unit.h"

void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {

class MainWindow : public MainWindowFixture {
protected:
    void typeSize(const QString& text) { retype(ui().Edit2, text); }
    // Chooses an item of a filter box with the keyboard, as a user can.
    static void chooseItem(QComboBox* box, int item)
    {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Home);
        for (int i = 0; i < item; ++i)
            QTest::keyClick(box, Qt::Key_Down);
        ASSERT_EQ(box->currentIndex(), item);
    }
    static void clickLabel(QWidget* label) { QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3)); }
    QStringList results() const
    {
        return {ui().Edit1->text(), ui().Edit3->text(), ui().Edit4->text(), ui().Edit5->text(),
                ui().Edit6->text(), ui().Edit7->text(), ui().Edit8->text()};
    }
    static QStringList noData(const QString& first)
    {
        QStringList list{first};
        for (int i = 0; i < 6; ++i)
            list << QStringLiteral("нет данных");
        return list;
    }

};

QColor textOf(QWidget* w) { return UiStyle::textColour(w); }

} // namespace

TEST_F(MainWindow, StartUpState)
{
    EXPECT_EQ(w().objectName(), "Form1");
    EXPECT_EQ(w().size(), QSize(644, 439));
    EXPECT_EQ(ui().Panel0->text(), QStringLiteral("    Версия ") + QString::fromUtf8(AppInfo::Version));
    EXPECT_EQ(ui().Panel1->text(), "Старое обозначение :  [ А3 ]");
    EXPECT_EQ(ui().PageControl1->currentWidget(), ui().TabSheet1);
    ASSERT_EQ(ui().ListBox1->count(), 40);
    EXPECT_EQ(ui().ListBox1->currentRow(), 20);
    EXPECT_EQ(ui().ListBox1->item(20)->text(), "H9");
    EXPECT_EQ(ui().ListBox1->item(8)->text(), "H7");
    EXPECT_EQ(ui().Edit2->text(), "5");
    EXPECT_EQ(results(), (QStringList{"H9", "+0,03", "0", "5,03", "5", "5,02", "2,508"}));
    EXPECT_EQ(textOf(ui().Edit1), UiStyle::Red);
    EXPECT_EQ(textOf(ui().Edit2), UiStyle::Black);
    EXPECT_EQ(textOf(ui().Edit3), UiStyle::Maroon);
    EXPECT_EQ(textOf(ui().Edit4), UiStyle::Navy);
    EXPECT_TRUE(ui().RadioButton2->isChecked());
    EXPECT_FALSE(ui().CheckBox1->isChecked());
    EXPECT_TRUE(ui().Edit3->isReadOnly());
    EXPECT_FALSE(ui().Button1->isVisible());
    EXPECT_FALSE(ui().SpeedButton1->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), ui().Edit2);
    // Every named control carries its name; the thread page's from its first opening.
    EXPECT_EQ(ui().cmbx_Rezba, nullptr);
    openThreadPage();
    for (const char* name : {"ListBox1", "ComboBox1", "ComboBox3", "ComboBox4", "Edit1", "Edit8", "Label13", "Label23",
                             "cmbx_Rezba", "cmbx_ShagRezb", "ed_MidlDopRezb", "Panel1", "Panel2", "StatusBar1"})
        EXPECT_NE(w().findChild<QWidget*>(name), nullptr) << name;
    // Opened from the tolerance page, the focus goes to the page's first box.
    EXPECT_EQ(QApplication::focusWidget(), ui().cmbx_Rezba);
}

TEST_F(MainWindow, TypedSizesAndChosenFieldsInEveryRoundingAndUnit)
{
    struct Case {
        const char* size;
        const char* field;
        QRadioButton* MainWindowControls::*rounding;
        bool micrometres;
        QStringList expected;
    } const cases[] = {
        {"5", "H9", &MainWindowControls::RadioButton1, false, {"H9", "+0,03", "0", "5,03", "5", "5,015", "2,5075"}},
        {"5", "H9", &MainWindowControls::RadioButton3, true, {"H9", "+30", "0", "5,03", "5", "5,015", "2,5075"}},
        {"5", "h7", &MainWindowControls::RadioButton2, false, {"h7", "0", "-0,012", "5", "4,988", "4,99", "2,497"}},
        {"5", "h7", &MainWindowControls::RadioButton3, true, {"h7", "0", "-12", "5", "4,988", "4,994", "2,4970"}},
        {"10", "k6", &MainWindowControls::RadioButton2, false, {"k6", "+0,01", "+0,001", "10,01", "10,001", "10,01", "5,003"}},
        {"10", "k6", &MainWindowControls::RadioButton3, false, {"k6", "+0,01", "+0,001", "10,01", "10,001", "10,006", "5,0028"}},
        {"8", "Js6", &MainWindowControls::RadioButton1, true, {"Js6", "+4,5", "-4,5", "8,0045", "7,9955", "8", "4"}},
        {"8", "Js6", &MainWindowControls::RadioButton2, false, {"Js6", "+0,0045", "-0,0045", "8,0045", "7,9955", "8,00", "4,000"}},
        {"1000", "h16", &MainWindowControls::RadioButton2, false, {"h16", "0", "-5,6", "1000", "994,4", "997,20", "498,600"}},
        {"1.2", "H7", &MainWindowControls::RadioButton2, false, {"H7", "+0,01", "0", "1,21", "1,2", "1,21", "0,603"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.size) + " " + c.field);
        QTest::mouseClick(ui().*c.rounding, Qt::LeftButton);
        if (ui().CheckBox2->isChecked() != c.micrometres)
            QTest::mouseClick(ui().CheckBox2, Qt::LeftButton, {}, QPoint(5, 8));
        typeSize(QString::fromUtf8(c.size));
        clickRow(QString::fromUtf8(c.field));
        EXPECT_EQ(results(), c.expected);
    }
    EXPECT_EQ(textOf(ui().Edit3), UiStyle::Maroon); // H7: +0,01 above, 0 below
    EXPECT_EQ(textOf(ui().Edit4), UiStyle::Navy);
    EXPECT_EQ(textOf(ui().Edit1), UiStyle::Red);
}

TEST_F(MainWindow, FieldWithoutDataAndBackRestoresEveryBox)
{
    typeSize("0,5");
    clickRow("b12");
    EXPECT_EQ(results(), noData("b12"));
    EXPECT_EQ(textOf(ui().Edit1), UiStyle::Blue);
    EXPECT_EQ(ui().Panel1->text(), "Старое обозначение :  [ Х5 ]");
    clickRow("h9");
    EXPECT_EQ(results(), (QStringList{"h9", "0", "-0,025", "0,5", "0,475", "0,49", "0,244"}));
}

TEST_F(MainWindow, SizesOutsideTheTableAndUnreadableTextsShowNoData)
{
    for (const char* size : {"2000", "0", ",", "-5"}) {
        typeSize(size);
        EXPECT_EQ(results(), noData("H9")) << size;
        EXPECT_EQ(textOf(ui().Edit2), UiStyle::Black) << size;
    }
    for (const char* size : {"-", "+-5", "5,,3"}) {
        typeSize(size);
        EXPECT_EQ(results(), noData("H9")) << size;
        EXPECT_EQ(textOf(ui().Edit2), UiStyle::Red) << size;
    }
    typeSize("5,");
    EXPECT_EQ(results(), (QStringList{"H9", "+0,03", "0", "5,03", "5", "5,02", "2,508"}));
}

TEST_F(MainWindow, NumberBoxesAdmitOnlyNumberCharacters)
{
    typeSize("1a 2.5e");
    EXPECT_EQ(ui().Edit2->text(), "12,5");
    // Pasting goes through the same filter.
    ui().Edit2->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("7.25 мм"));
    QTest::keyClick(ui().Edit2, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ui().Edit2->text(), "7,25");
    EXPECT_EQ(ui().Edit5->text(), "7,286"); // H9 over 6 to 10 mm: +0,036
}

TEST_F(MainWindow, FiltersRefillTheList)
{
    chooseItem(ui().ComboBox1, 1); // shafts
    chooseItem(ui().ComboBox3, 2); // letter H
    ASSERT_EQ(ui().ListBox1->count(), 6);
    EXPECT_EQ(ui().ListBox1->currentItem()->text(), "h9");
    EXPECT_EQ(ui().Edit1->text(), "h9");
    chooseItem(ui().ComboBox1, 2); // holes with letter H
    chooseItem(ui().ComboBox3, 1); // holes with letter G: nothing
    EXPECT_EQ(ui().ListBox1->count(), 0);
    EXPECT_EQ(results(), noData("нет данных"));
    clickLabel(ui().Label3); // letter reset
    EXPECT_EQ(ui().ComboBox3->currentIndex(), 0);
    EXPECT_EQ(ui().ListBox1->count(), 9);
    clickLabel(ui().Label1); // type reset goes to all fields sorted by quality
    EXPECT_EQ(ui().ComboBox1->currentIndex(), 4);
    EXPECT_EQ(ui().ListBox1->count(), 40);
    chooseItem(ui().ComboBox4, 2); // quality 7
    EXPECT_EQ(ui().ListBox1->currentItem()->text(), "s7");
    clickLabel(ui().Label2);
    EXPECT_EQ(ui().ComboBox4->currentIndex(), 0);
    // The type reset on the already reset box keeps the user's row.
    clickRow("h7");
    clickLabel(ui().Label1);
    EXPECT_EQ(ui().ListBox1->currentItem()->text(), "h7");
}

TEST_F(MainWindow, ManualModeStatesAndEditing)
{
    QTest::mouseClick(ui().CheckBox1, Qt::LeftButton, {}, QPoint(5, 8));
    ASSERT_TRUE(ui().CheckBox1->isChecked());
    EXPECT_FALSE(ui().Edit1->isVisible());
    EXPECT_TRUE(ui().SpeedButton1->isEnabled());
    EXPECT_TRUE(ui().Button1->isVisible());
    EXPECT_FALSE(ui().ListBox1->isEnabled());
    EXPECT_FALSE(ui().Label5->isEnabled());
    EXPECT_FALSE(ui().Edit3->isReadOnly());
    EXPECT_EQ(UiStyle::baseColour(ui().Edit3), UiStyle::White);
    EXPECT_EQ(ui().Edit4->toolTip(), "Нижнее значение допуска. (Двойной щелчек для быстрой вставки) ");
    EXPECT_EQ(ui().Edit3->text(), "+0,03");
    EXPECT_EQ(ui().Panel1->text(), "  ");

    typeSize("10");
    ui().Edit3->selectAll();
    QTest::keyClicks(ui().Edit3, "0.1");
    ui().Edit4->selectAll();
    QTest::keyClicks(ui().Edit4, "-0,1");
    EXPECT_EQ(results().mid(3), (QStringList{"10,1", "9,9", "10,00", "5,000"}));

    // The same in micrometres: the typed deviations are rewritten in the new unit.
    QTest::mouseClick(ui().CheckBox2, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_EQ(ui().Edit3->text(), "100");
    EXPECT_EQ(results().mid(3), (QStringList{"10,1", "9,9", "10,00", "5,000"}));
    ui().Edit3->selectAll();
    QTest::keyClicks(ui().Edit3, "100");
    ui().Edit4->selectAll();
    QTest::keyClicks(ui().Edit4, "-100");
    EXPECT_EQ(results().mid(3), (QStringList{"10,1", "9,9", "10,00", "5,000"}));
    QTest::mouseClick(ui().CheckBox2, Qt::LeftButton, {}, QPoint(5, 8));

    // Sign change, zero and mirror.
    ui().Edit3->selectAll();
    QTest::keyClicks(ui().Edit3, "+0,030");
    QTest::mouseClick(ui().Button3, Qt::LeftButton);
    EXPECT_EQ(ui().Edit3->text(), "-0,03");
    ui().Edit4->selectAll();
    QTest::keyClicks(ui().Edit4, "-0,012");
    QTest::mouseClick(ui().Button4, Qt::LeftButton);
    EXPECT_EQ(ui().Edit4->text(), "0,012");
    ui().Edit4->selectAll();
    QTest::keyClicks(ui().Edit4, "+-5");
    QTest::mouseClick(ui().Button4, Qt::LeftButton);
    EXPECT_EQ(ui().Edit4->text(), "+-5");
    EXPECT_EQ(textOf(ui().Edit4), UiStyle::Red);
    EXPECT_EQ(ui().Edit6->text(), "нет данных");
    QTest::mouseClick(ui().Button5, Qt::LeftButton);
    EXPECT_EQ(ui().Edit4->text(), "0");
    ui().Edit3->selectAll();
    QTest::keyClicks(ui().Edit3, "+0,03");
    QTest::mouseClick(ui().SpeedButton1, Qt::LeftButton);
    EXPECT_EQ(ui().Edit3->text(), "0");
    EXPECT_EQ(ui().Edit4->text(), "-0,03");
    QTest::mouseClick(ui().SpeedButton1, Qt::LeftButton);
    EXPECT_EQ(ui().Edit3->text(), "0,03");
    EXPECT_EQ(ui().Edit4->text(), "0");
    QTest::mouseClick(ui().Button1, Qt::LeftButton);
    EXPECT_EQ(ui().Edit3->text(), "0");

    // Leaving manual mode recomputes the selected field.
    QTest::mouseClick(ui().CheckBox1, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_EQ(results(), (QStringList{"H9", "+0,036", "0", "10,036", "10", "10,02", "5,009"}));
    EXPECT_EQ(ui().Panel1->text(), "Старое обозначение :  [ А3 ]");
    EXPECT_TRUE(ui().Edit3->isReadOnly());
}

// A filter change keeps the field chosen when the new list holds it; otherwise the middle row.
TEST_F(MainWindow, AFilterChangeKeepsTheChosenField)
{
    typeSize("125");
    const struct {
        const char* chosen;
        QComboBox* box;
        const char* typed; // the filter item, by its first characters
        const char* selected;
    } cases[] = {
        {"H7", ui().ComboBox4, "7", "H7"},
        {"h7", ui().ComboBox4, "7", "h7"},
        {"H9", ui().ComboBox4, "7", "s7"}, // not in quality 7: the middle row
        {"Js6", ui().ComboBox3, "J", "Js6"},
        {"g6", ui().ComboBox3, "J", "Js13"},
        {"d11", ui().ComboBox3, "D", "d11"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        clickLabel(ui().Label2);
        clickLabel(ui().Label3);
        clickRow(QString::fromLatin1(c.chosen));
        c.box->setFocus();
        QTest::qWait(QApplication::keyboardInputInterval() + 50); // a fresh search, not "77"
        QTest::keyClicks(c.box, c.typed);
        ASSERT_NE(c.box->currentIndex(), 0);
        ASSERT_TRUE(ui().ListBox1->currentItem());
        EXPECT_EQ(ui().ListBox1->currentItem()->text(), c.selected);
        EXPECT_EQ(ui().Edit1->text(), c.selected);
    }
    // A reset keeps it too.
    clickLabel(ui().Label3);
    EXPECT_EQ(ui().Edit1->text(), "d11");
}

// The unit switch rewrites what was typed by hand, exactly, both ways.
TEST_F(MainWindow, MicrometreSwitchConvertsTypedDeviations)
{
    typeSize("25");
    QTest::mouseClick(ui().CheckBox1, Qt::LeftButton, {}, QPoint(5, 8));
    const struct {
        const char* upperMm;
        const char* lowerMm;
        const char* upperUm;
        const char* lowerUm;
        const char* largest;
        const char* smallest;
    } cases[] = {
        {"+0,1", "+0,02", "+100", "+20", "25,1", "25,02"},
        {"0,0025", "-0,00005", "2,5", "-0,05", "25,0025", "24,99995"},
        {"0", "-1,5", "0", "-1500", "25", "23,5"},
        {"+-5", "-0,012", "+-5", "-12", "нет данных", "24,988"}, // an unreadable text stays as typed
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.upperMm);
        retype(ui().Edit3, QString::fromUtf8(c.upperMm));
        retype(ui().Edit4, QString::fromUtf8(c.lowerMm));
        // Millimetres to micrometres by a click, and back by the keyboard.
        QTest::mouseClick(ui().CheckBox2, Qt::LeftButton, {}, QPoint(5, 8));
        ASSERT_TRUE(ui().CheckBox2->isChecked());
        EXPECT_EQ(ui().Edit3->text(), c.upperUm);
        EXPECT_EQ(ui().Edit4->text(), c.lowerUm);
        EXPECT_EQ(ui().Edit5->text(), c.largest);
        EXPECT_EQ(ui().Edit6->text(), c.smallest);
        ui().CheckBox2->setFocus();
        QTest::keyClick(ui().CheckBox2, Qt::Key_Space);
        ASSERT_FALSE(ui().CheckBox2->isChecked());
        EXPECT_EQ(ui().Edit3->text(), QString::fromUtf8(c.upperMm));
        EXPECT_EQ(ui().Edit4->text(), QString::fromUtf8(c.lowerMm));
        EXPECT_EQ(ui().Edit5->text(), c.largest);
        EXPECT_EQ(ui().Edit6->text(), c.smallest);
    }
}

// Typed deviations with the upper below the lower are computed, and flagged.
TEST_F(MainWindow, UpperBelowLowerIsFlagged)
{
    typeSize("25");
    QTest::mouseClick(ui().CheckBox1, Qt::LeftButton, {}, QPoint(5, 8));
    retype(ui().Edit3, QStringLiteral("-0,02"));
    retype(ui().Edit4, QStringLiteral("+0,01"));
    EXPECT_EQ(ui().Edit5->text(), "24,98");
    EXPECT_EQ(ui().Edit6->text(), "25,01");
    const QString warning = QStringLiteral("Верхнее отклонение ниже нижнего");
    for (QWidget* box : {static_cast<QWidget*>(ui().Edit3), static_cast<QWidget*>(ui().Edit4)}) {
        EXPECT_EQ(textOf(box), UiStyle::Red) << box->objectName().toStdString();
        EXPECT_TRUE(box->toolTip().endsWith(warning)) << box->toolTip().toStdString();
    }
    EXPECT_EQ(ui().Panel1->text(), warning);
    // Put right with the sign button: the flag goes.
    QTest::mouseClick(ui().Button3, Qt::LeftButton);
    EXPECT_EQ(ui().Edit3->text(), "0,02");
    EXPECT_EQ(textOf(ui().Edit3), UiStyle::Navy);
    EXPECT_EQ(textOf(ui().Edit4), UiStyle::Navy);
    EXPECT_EQ(ui().Edit4->toolTip(), "Нижнее значение допуска. (Двойной щелчек для быстрой вставки) ");
    EXPECT_EQ(ui().Panel1->text(), "  ");
    // Equal deviations are no reversal; a lower one typed above the upper is.
    retype(ui().Edit3, QStringLiteral("0,01"));
    EXPECT_EQ(textOf(ui().Edit3), UiStyle::Navy);
    retype(ui().Edit4, QStringLiteral("0,03"));
    EXPECT_EQ(ui().Panel1->text(), warning);
    // Back in table mode the boxes are the table's again.
    QTest::mouseClick(ui().CheckBox1, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_EQ(ui().Edit4->toolTip(), "Нижнее значение допуска");
    EXPECT_NE(textOf(ui().Edit4), UiStyle::Red);
    EXPECT_EQ(ui().Panel1->text(), "Старое обозначение :  [ А3 ]");
}

TEST_F(MainWindow, FormulaCopy)
{
    QGuiApplication::clipboard()->clear();
    QTest::mouseDClick(ui().Label9, Qt::LeftButton, {}, QPoint(5, 20));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "=(5+(+0,03 +0)/2)");
    EXPECT_EQ(ui().Panel2->text(), "Формула  скопирована ");
    QTest::mouseDClick(ui().Label4, Qt::LeftButton, {}, QPoint(5, 20));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "=(5+(+0,03 +0)/2)/2");
    // In micrometres the formula is still in millimetres.
    QTest::mouseClick(ui().CheckBox2, Qt::LeftButton, {}, QPoint(5, 8));
    clickRow("h7");
    QTest::mouseDClick(ui().Label9, Qt::LeftButton, {}, QPoint(5, 20));
    const QString mean = QGuiApplication::clipboard()->text();
    EXPECT_EQ(mean, "=(5+(+0 -0,012)/2)");
    EXPECT_NEAR(formula_check::evaluate(mean.toStdString()), 4.994, 1e-12);
    QTest::mouseDClick(ui().Label4, Qt::LeftButton, {}, QPoint(5, 20));
    EXPECT_NEAR(formula_check::evaluate(QGuiApplication::clipboard()->text().toStdString()), 2.497, 1e-12);
    // Nothing is copied while a box holds no number.
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    ui().Panel2->setText(QStringLiteral("    "));
    typeSize("2000");
    QTest::mouseDClick(ui().Label9, Qt::LeftButton, {}, QPoint(5, 20));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
    const QString whereItIs = QStringLiteral("h7 при Ø2000: в таблице нет, см. «Посадки»");
    EXPECT_EQ(ui().Panel2->text(), whereItIs);
    // A move over the bare page puts the page's own note back; over a control it does not.
    ui().Panel2->setText(QStringLiteral("Формула  скопирована "));
    QTest::mouseMove(ui().Edit7);
    EXPECT_EQ(ui().Panel2->text(), "Формула  скопирована ");
    QMouseEvent move(QEvent::MouseMove, QPointF(600, 300), ui().TabSheet1->mapToGlobal(QPointF(600, 300)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(ui().TabSheet1, &move);
    EXPECT_EQ(ui().Panel2->text(), whereItIs);
    typeSize("5");
    ui().Panel2->setText(QStringLiteral("Формула  скопирована "));
    QApplication::sendEvent(ui().TabSheet1, &move);
    EXPECT_EQ(ui().Panel2->text(), "    ");
}

TEST_F(MainWindow, ThreadPageStartsAtFifteen)
{
    openThreadPage();
    EXPECT_EQ(ui().cmbx_Rezba->count(), 46);
    EXPECT_EQ(ui().cmbx_Rezba->currentText(), "15");
    EXPECT_EQ(ui().cmbx_ShagRezb->count(), 2);
    EXPECT_EQ(ui().cmbx_ShagRezb->currentText(), "1,5");
    EXPECT_EQ(ui().lb_Rezba->text(), "Резьба с мелким шагом");
    EXPECT_EQ(ui().ed_DiamNom->text(), "13,43");
    EXPECT_EQ(ui().ed_DopRezb->text(), "+0,2");
    EXPECT_EQ(ui().ed_MidlDopRezb->text(), "13,53");
}

TEST_F(MainWindow, ThreadDiameterChoiceFillsPitchesAndMovesFocus)
{
    ui().PageControl1->setCurrentWidget(ui().TabSheet2);
    struct Case {
        const char* diameter;
        int pitches;
        const char* pitch;
        const char* kind;
        const char* hole;
        const char* tolerance;
        const char* mid;
    } const cases[] = {
        {"12", 6, "1,75", "ОСНОВНАЯ РЕЗЬБА", "10,2", "+0,17", "10,285"},
        {"10", 4, "1,5", "ОСНОВНАЯ РЕЗЬБА", "8,43", "+0,2", "8,53"},
        {"5,5", 1, "0,5", "Резьба с мелким шагом", "5", "+0,1", "5,05"},
        {"25", 3, "1,5", "Резьба с мелким шагом", "23,43", "+0,2", "23,53"},
        {"68", 1, "6", "ОСНОВНАЯ РЕЗЬБА", "61,7", "+0,5", "61,95"},
        {"1", 2, "0,25", "ОСНОВНАЯ РЕЗЬБА", "0,75", "+0,06", "0,78"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.diameter);
        const int item = ui().cmbx_Rezba->findText(QString::fromUtf8(c.diameter));
        ASSERT_GE(item, 0);
        while (ui().cmbx_Rezba->currentIndex() != item) {
            ui().cmbx_Rezba->setFocus();
            QTest::keyClick(ui().cmbx_Rezba, ui().cmbx_Rezba->currentIndex() < item ? Qt::Key_Down : Qt::Key_Up);
            EXPECT_EQ(QApplication::focusWidget(), ui().cmbx_ShagRezb);
        }
        EXPECT_EQ(ui().cmbx_ShagRezb->count(), c.pitches);
        EXPECT_EQ(ui().cmbx_ShagRezb->currentText(), c.pitch);
        EXPECT_EQ(ui().lb_Rezba->text(), QString::fromUtf8(c.kind));
        EXPECT_EQ(ui().ed_DiamNom->text(), c.hole);
        EXPECT_EQ(ui().ed_DopRezb->text(), c.tolerance);
        EXPECT_EQ(ui().ed_MidlDopRezb->text(), c.mid);
    }
    EXPECT_EQ(QApplication::focusWidget(), ui().cmbx_ShagRezb);
}

TEST_F(MainWindow, NestedRecalculationThroughTheDeviationBoxesEnds)
{
    int upperChanges = 0;
    int lowerChanges = 0;
    int dispatches = 0;
    QObject::connect(ui().Edit3, &QLineEdit::textChanged, [&] { ++upperChanges; });
    QObject::connect(ui().Edit4, &QLineEdit::textChanged, [&] { ++lowerChanges; });
    QObject::connect(ui().Edit5, &QLineEdit::textChanged, [&] { ++dispatches; });
    clickRow("h7");
    EXPECT_EQ(upperChanges, 1); // +0,03 -> 0
    EXPECT_EQ(lowerChanges, 1); // 0 -> -0,012
    upperChanges = lowerChanges = dispatches = 0;
    // Deleting the size shows "нет данных"; "1" brings back 0 / -0,01; "2" changes only the lower one.
    typeSize("12");
    EXPECT_EQ(ui().Edit3->text(), "0");
    EXPECT_EQ(ui().Edit4->text(), "-0,018");
    EXPECT_EQ(upperChanges, 2);
    EXPECT_EQ(lowerChanges, 3);
    EXPECT_EQ(dispatches, 3);
    EXPECT_EQ(results(), (QStringList{"h7", "0", "-0,018", "12", "11,982", "11,99", "5,996"}));
}

TEST_F(MainWindow, TheFilterLeavesWhatTheBoxAlreadyHeld)
{
    QTest::mouseClick(ui().CheckBox1, Qt::LeftButton, {}, QPoint(5, 8));
    ui().Edit3->selectAll();
    QTest::keyClicks(ui().Edit3, "0,00001");
    QTest::mouseClick(ui().Button3, Qt::LeftButton);
    ASSERT_EQ(ui().Edit3->text(), "-1E-5");
    ui().Edit3->setFocus();
    ui().Edit3->end(false);
    QTest::keyClick(ui().Edit3, Qt::Key_Backspace);
    EXPECT_EQ(ui().Edit3->text(), "-1E-");
    QTest::keyClicks(ui().Edit3, "7x ");
    EXPECT_EQ(ui().Edit3->text(), "-1E-7");
    EXPECT_EQ(ui().Edit5->text(), "4,9999999");
    // A paste in the middle is filtered, the rest stays.
    ui().Edit3->setCursorPosition(2);
    QGuiApplication::clipboard()->setText(QStringLiteral("a1 "));
    QTest::keyClick(ui().Edit3, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ui().Edit3->text(), "-11E-7");
    EXPECT_EQ(ui().Edit3->cursorPosition(), 3);
}
