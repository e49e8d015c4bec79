// The main window under input that must change nothing (disabled controls, rejected
// keys) and under the choices that must land on the right field or thread.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

#include "MainWindowFixture.h"
#include "UiStyle.h"
#include "WindowPlacement.h"
#include "frm_Main_Unit.h"

namespace {

class MainWindowInput : public MainWindowFixture {
protected:
    static void chooseItem(QComboBox* box, int item)
    {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Home);
        for (int i = 0; i < item; ++i)
            QTest::keyClick(box, Qt::Key_Down);
    }
    QStringList listRows() const
    {
        QStringList rows;
        for (int row = 0; row < ui().ListBox1->count(); ++row)
            rows << ui().ListBox1->item(row)->text();
        return rows;
    }
};

// Any dialog that a faulty handler would open is closed at once and counted.
struct ModalCounter {
    int opened = 0;
    QTimer timer;
    ModalCounter()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ++opened;
                modal->close();
            }
        });
        timer.start(5);
    }
};

} // namespace

TEST_F(MainWindowInput, DisabledControlsInManualModeLeaveTheTypedDeviationsAlone)
{
    chooseItem(ui().ComboBox4, 2); // quality 7
    QTest::mouseClick(ui().CheckBox1, Qt::LeftButton, {}, QPoint(4, 8));
    ASSERT_TRUE(ui().CheckBox1->isChecked());
    retype(ui().Edit3, QStringLiteral("0,123"));
    const QStringList rows = listRows();
    const int row = ui().ListBox1->currentRow();

    ModalCounter dialogs;
    for (QWidget* label : std::initializer_list<QWidget*>{ui().Label1, ui().Label2, ui().Label3, ui().Label5}) {
        EXPECT_FALSE(label->isEnabled());
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseDClick(label, Qt::LeftButton, {}, QPoint(3, 3));
    }
    QTest::mouseDClick(ui().ListBox1->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(ui().ListBox1->viewport(), Qt::LeftButton, {}, QPoint(5, 40));
    QTest::keyClick(ui().ComboBox4, Qt::Key_Down);
    QTest::qWait(20);

    EXPECT_EQ(dialogs.opened, 0);
    EXPECT_EQ(ui().Edit3->text(), QStringLiteral("0,123"));
    EXPECT_EQ(ui().ComboBox4->currentIndex(), 2);
    EXPECT_EQ(listRows(), rows);
    EXPECT_EQ(ui().ListBox1->currentRow(), row);
}

TEST_F(MainWindowInput, DisabledControlsLookDisabled)
{
    QTest::mouseClick(ui().CheckBox1, Qt::LeftButton, {}, QPoint(4, 8));
    for (QWidget* control : std::initializer_list<QWidget*>{ui().Label2, ui().ListBox1}) {
        const QPalette palette = control->palette();
        EXPECT_NE(palette.color(QPalette::Disabled, QPalette::WindowText), UiStyle::Maroon) << control->objectName().toStdString();
        EXPECT_NE(palette.color(QPalette::Disabled, QPalette::Text), UiStyle::Navy) << control->objectName().toStdString();
    }
    EXPECT_EQ(UiStyle::textColour(ui().Label2), UiStyle::Maroon); // the active look stays as described
}

TEST_F(MainWindowInput, ShaftAndHoleFieldsAreWrittenAndColouredByTheirKind)
{
    struct Case {
        const char* designation;
        QColor colour;
    } const cases[] = {{"k6", UiStyle::Blue}, {"n6", UiStyle::Blue}, {"s7", UiStyle::Blue},
                       {"u8", UiStyle::Blue}, {"K7", UiStyle::Red},  {"H7", UiStyle::Red}};
    for (const Case& c : cases) {
        const auto items = ui().ListBox1->findItems(QString::fromLatin1(c.designation), Qt::MatchExactly | Qt::MatchCaseSensitive);
        ASSERT_EQ(items.size(), 1) << c.designation;
        ui().ListBox1->scrollToItem(items[0]);
        QTest::mouseClick(ui().ListBox1->viewport(), Qt::LeftButton, {}, ui().ListBox1->visualItemRect(items[0]).center());
        EXPECT_EQ(ui().Edit1->text(), QString::fromLatin1(c.designation));
        EXPECT_EQ(UiStyle::textColour(ui().Edit1), c.colour) << c.designation;
    }
    EXPECT_TRUE(ui().ListBox1->findItems(QStringLiteral("K6"), Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty());
}

TEST_F(MainWindowInput, TypeAheadPicksTheCaseTyped)
{
    struct Case {
        const char* typed;
        const char* selected;
    } const cases[] = {{"H7", "H7"}, {"h7", "h7"}, {"K7", "K7"}, {"k6", "k6"}, {"js", "Js"}, {"N", "n6"}};
    for (const Case& c : cases) {
        QTest::qWait(QApplication::keyboardInputInterval() + 50); // a new search each time
        ui().ListBox1->setFocus();
        QTest::keyClicks(ui().ListBox1, QString::fromLatin1(c.typed));
        ASSERT_NE(ui().ListBox1->currentItem(), nullptr);
        EXPECT_TRUE(ui().ListBox1->currentItem()->text().startsWith(QString::fromLatin1(c.selected))) << c.typed;
        EXPECT_EQ(ui().Edit1->text(), ui().ListBox1->currentItem()->text()) << c.typed;
    }
}

TEST_F(MainWindowInput, CtrlClickOnTheSelectedRowKeepsIt)
{
    QListWidget* list = ui().ListBox1;
    const QRect rect = list->visualItemRect(list->currentItem());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, rect.center());
    EXPECT_EQ(list->selectedItems().size(), 1);
    EXPECT_EQ(list->selectedItems().value(0), list->currentItem());
}

TEST_F(MainWindowInput, ARejectedKeyChangesNothingAndTypingStaysUndoable)
{
    retype(ui().Edit2, QStringLiteral("1.5"));
    EXPECT_EQ(ui().Edit2->text(), QStringLiteral("1,5"));
    const QString results = ui().Edit5->text();
    QSignalSpy changes(ui().Edit2, &QLineEdit::textChanged);
    QTest::keyClicks(ui().Edit2, QStringLiteral("x "));
    QTest::sendKeyEvent(QTest::Click, ui().Edit2, Qt::Key_unknown, QStringLiteral("й"), Qt::NoModifier);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(ui().Edit2->text(), QStringLiteral("1,5"));
    EXPECT_TRUE(ui().Edit2->isUndoAvailable());
    QTest::keyClick(ui().Edit2, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_NE(ui().Edit2->text(), QStringLiteral("1,5"));
    EXPECT_EQ(ui().Edit5->text().isEmpty(), results.isEmpty());
}

TEST_F(MainWindowInput, PickingTheShownDiameterAgainRestoresItsDefaultPitch)
{
    ui().PageControl1->setCurrentWidget(ui().TabSheet2);
    QComboBox* diameter = ui().cmbx_Rezba;
    QComboBox* pitch = ui().cmbx_ShagRezb;
    diameter->setFocus();
    const int m12 = diameter->findText(QStringLiteral("12"));
    ASSERT_GE(m12, 0);
    chooseItem(diameter, m12);
    const QString coarse = pitch->currentText();
    ASSERT_GT(pitch->count(), 1);
    chooseItem(pitch, pitch->currentIndex() == 0 ? 1 : 0);
    ASSERT_NE(pitch->currentText(), coarse);

    diameter->setFocus();
    diameter->showPopup();
    QTest::keyClick(diameter->view(), Qt::Key_Return); // the same diameter once more
    EXPECT_EQ(diameter->currentIndex(), m12);
    EXPECT_EQ(pitch->currentText(), coarse);
    EXPECT_EQ(QApplication::focusWidget(), pitch);
}

TEST(WindowPlacement, TheScreenAtTheTargetDecidesNotTheLastOne)
{
    const QList<WindowPlacement::ScreenArea> screens = {
        {{0, 0, 1280, 1024}, {0, 0, 1280, 994}},
        {{1280, 0, 1920, 1080}, {1280, 30, 1920, 1050}},
    };
    EXPECT_EQ(WindowPlacement::areaAt({1500, 500}, screens, 0), QRect(1280, 30, 1920, 1050));
    EXPECT_EQ(WindowPlacement::areaAt({100, 100}, screens, 1), QRect(0, 0, 1280, 994));
    EXPECT_EQ(WindowPlacement::areaAt({-50, 100}, screens, 1), QRect(1280, 30, 1920, 1050)); // off every screen
    // A keypad beside an edit near the right edge of the second screen stays on that screen.
    const QRect area = WindowPlacement::areaAt({3150, 400}, screens, 0);
    EXPECT_EQ(WindowPlacement::clampInto({3150, 400}, {250, 200}, area), QPoint(3200 - 250, 400));
}

TEST_F(MainWindowInput, TypedDeviationsNameTheirClassesUnderTheBoxes)
{
    auto* line = ui().TabSheet1->findChild<QLabel*>(QStringLiteral("lb_PoleOtkl"));
    ASSERT_TRUE(line);
    EXPECT_FALSE(line->isVisible()) << "the table's field is named in its list";
    retype(ui().Edit2, QStringLiteral("25"));

    // A field of the table, kept as typed deviations, is named by them.
    for (const char* designation : {"g6", "H7", "k6", "s7", "F8", "h11", "Js12"}) {
        SCOPED_TRACE(designation);
        if (ui().CheckBox1->isChecked())
            QTest::mouseClick(ui().CheckBox1, Qt::LeftButton, {}, QPoint(4, 8));
        clickRow(QString::fromLatin1(designation));
        QTest::mouseClick(ui().CheckBox1, Qt::LeftButton, {}, QPoint(4, 8));
        ASSERT_TRUE(line->isVisible());
        const QString name = QString::fromLatin1(designation).replace(QStringLiteral("Js"), QStringLiteral("JS"));
        EXPECT_TRUE(line->text().startsWith(QStringLiteral("= ")));
        EXPECT_TRUE(line->text().split(QRegularExpression(QStringLiteral("[ ,]+"))).contains(name)) << line->text().toStdString();
    }

    const struct {
        const char* upper;
        const char* lower;
        const char* line;
    } typed[] = {
        {"0,021", "0", "= H7"},
        {"0,033", "0", "= k8, H8 отв."},
        {"0,026", "-0,026", "= js9, JS9 отв."},
        {"0", "-0,021", "= h7, M7 отв."},
        {"0,0265", "-0,0265", "ближайшие: js9, JS9 отв. (на 0,0005 мм)"},
        {"0", "0,033", ""}, // the upper below the lower
        {"1,2,3", "0", ""}, // a box that does not read
    };
    for (const auto& t : typed) {
        SCOPED_TRACE(std::string(t.upper) + " " + t.lower);
        retype(ui().Edit3, QString::fromUtf8(t.upper));
        retype(ui().Edit4, QString::fromUtf8(t.lower));
        EXPECT_EQ(line->text(), QString::fromUtf8(t.line));
    }

    // In micrometres the difference is in micrometres; the boxes convert, the class stays.
    retype(ui().Edit3, QStringLiteral("0,027"));
    retype(ui().Edit4, QStringLiteral("-0,027"));
    EXPECT_EQ(line->text(), QStringLiteral("ближайшие: js9, JS9 отв. (на 0,001 мм)"));
    QTest::mouseClick(ui().CheckBox2, Qt::LeftButton, {}, QPoint(4, 8));
    EXPECT_EQ(line->text(), QStringLiteral("ближайшие: js9, JS9 отв. (на 1 мкм)"));
    retype(ui().Edit4, QStringLiteral("-26"));
    retype(ui().Edit3, QStringLiteral("26"));
    EXPECT_EQ(line->text(), QStringLiteral("= js9, JS9 отв."));
    // The size counts: at 10 mm ±26 µm is no longer js9.
    retype(ui().Edit2, QStringLiteral("10"));
    EXPECT_TRUE(line->text().startsWith(QStringLiteral("ближайш"))) << line->text().toStdString();
    retype(ui().Edit2, QStringLiteral("4000"));
    EXPECT_EQ(line->text(), QString());

    QTest::mouseClick(ui().CheckBox1, Qt::LeftButton, {}, QPoint(4, 8));
    EXPECT_FALSE(line->isVisible());
}
