// The main window worked by the keyboard alone: one whole task from the size to a fit,
// every key sent where the focus is, and the Tab order of each page.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "KeyboardShortcuts.h"
#include "MainWindowControls.h"
#include "ThreadTolerancePage.h"
#include "frm_About_Unit.h"
#include "frm_KeyBoard_unit.h"
#include "frm_List_unit.h"
#include "frm_Main_Unit.h"
#include "frm_Tabl_unit.h"

void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {

class MainWindowKeyboard : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_window = std::make_unique<TForm1>();
        createSecondaryWindows(m_window.get());
        m_window->move(100, 100);
        m_window->show();
        activateMainWindow();
    }
    const MainWindowControls& ui() const { return m_controls.of(*m_window); }

    // Where a key goes: the focus of the modal window that runs, else of the main window.
    QWidget* focused() const
    {
        QWidget* window = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : m_window.get();
        return window->focusWidget() ? window->focusWidget() : window;
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(focused(), key, modifiers); }
    void press(const QKeySequence& keys)
    {
        const QKeyCombination combination = keys[0];
        press(combination.key(), combination.keyboardModifiers());
    }
    void type(const QString& text)
    {
        for (QChar c : text)
            QTest::keyClicks(focused(), QString(c));
    }
    // Tab (or Shift+Tab) until `target` has the focus; false if it is never reached.
    bool tabTo(const QWidget* target, bool backwards = false)
    {
        for (int presses = 0; presses < 40 && focused() != target; ++presses)
            press(Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
        return focused() == target;
    }
    // Runs `inside` once the modal window is up, after `trigger` opened it by a key.
    void whileOpen(QDialog* dialog, const std::function<void()>& inside, const std::function<void()>& trigger)
    {
        bool ran = false;
        QTimer::singleShot(0, dialog, [&] {
            EXPECT_TRUE(dialog->isVisible());
            inside();
            ran = true;
        });
        trigger();
        EXPECT_TRUE(ran);
        EXPECT_FALSE(dialog->isVisible());
        activateMainWindow();
    }
    // The offscreen platform has no window manager to give the activation back when a
    // modal window closes; the window shortcuts need an active main window.
    void activateMainWindow()
    {
        QApplication::setActiveWindow(m_window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    }

    std::unique_ptr<TForm1> m_window;
    mutable MainWindowControlsCache m_controls;
};

TEST_F(MainWindowKeyboard, WholeTaskByKeysAlone)
{
    // The size: the focus starts in the size box.
    ASSERT_EQ(focused(), ui().Edit2);
    press(Qt::Key_A, Qt::ControlModifier);
    type(QStringLiteral("25"));
    EXPECT_EQ(ui().Edit2->text(), "25");

    // The field by type-ahead in the picker, opened from its label.
    ASSERT_TRUE(tabTo(ui().Label5, true));
    whileOpen(
        m_window->frm_ListOf_Ferrak(),
        [&] {
            type(QStringLiteral("H8"));
            EXPECT_EQ(qobject_cast<QAbstractButton*>(focused())->text(), "H8");
            press(Qt::Key_Return);
        },
        [&] { press(Qt::Key_Space); });
    EXPECT_EQ(ui().Edit1->text(), "H8");
    EXPECT_EQ(ui().Edit3->text(), "+0,033");
    EXPECT_EQ(ui().Edit4->text(), "0");
    // And in the list itself: h7 by its designation, the case telling the shaft from the hole.
    press(Qt::Key_Tab);
    ASSERT_EQ(focused(), ui().ListBox1);
    type(QStringLiteral("h7"));
    EXPECT_EQ(ui().Edit1->text(), "h7");
    EXPECT_EQ(ui().Edit4->text(), "-0,021");
    QTest::qWait(QApplication::keyboardInputInterval() + 100); // a new designation, not more of the last
    type(QStringLiteral("H8"));
    EXPECT_EQ(ui().Edit1->text(), "H8");

    // The rounding: three digits, by the arrow keys in the radio group.
    ASSERT_TRUE(tabTo(ui().RadioButton2));
    press(Qt::Key_Right);
    EXPECT_TRUE(ui().RadioButton3->isChecked());
    EXPECT_EQ(ui().Edit7->text(), "25,017");

    // The mean formula to the clipboard.
    QGuiApplication::clipboard()->clear();
    press(KeyboardShortcuts::meanFormula());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "=(25+(+0,033 +0)/2)");
    EXPECT_EQ(ui().Panel2->text(), "Формула  скопирована ");
    press(KeyboardShortcuts::radiusFormula());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "=(25+(+0,033 +0)/2)/2");

    // The table opened from its button and left with Escape.
    ASSERT_TRUE(tabTo(ui().Button20));
    whileOpen(m_window->frm_Table(), [&] { press(Qt::Key_Escape); }, [&] { press(Qt::Key_Space); });
    EXPECT_EQ(focused(), ui().Button20);

    // The thread page by Ctrl+Tab; a diameter chosen by the arrow keys moves the focus to the pitches.
    press(Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_EQ(ui().PageControl1->currentIndex(), 1);
    EXPECT_TRUE(ui().TabSheet2->isAncestorOf(focused())); // the keys go on into the page
    ASSERT_TRUE(tabTo(ui().cmbx_Rezba));
    const QString before = ui().cmbx_Rezba->currentText();
    press(Qt::Key_Down);
    EXPECT_NE(ui().cmbx_Rezba->currentText(), before);
    EXPECT_EQ(focused(), ui().cmbx_ShagRezb);
    EXPECT_FALSE(ui().ed_DiamNom->text().isEmpty());

    // The fits page, and a fit by typed classes.
    press(Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_EQ(ui().PageControl1->currentIndex(), 2);
    FitsPage& fits = *ui().TabSheet3;
    EXPECT_TRUE(fits.isAncestorOf(focused()));
    EXPECT_EQ(fits.ed_PosRazmer->text(), "25"); // taken over from the tolerance page
    ASSERT_TRUE(tabTo(fits.ed_PosRazmer));
    press(Qt::Key_A, Qt::ControlModifier);
    type(QStringLiteral("40"));
    press(Qt::Key_Tab);
    ASSERT_EQ(focused(), fits.cmbx_Otverstie);
    press(Qt::Key_A, Qt::ControlModifier);
    type(QStringLiteral("H7"));
    press(Qt::Key_Tab);
    ASSERT_EQ(focused(), fits.cmbx_Val);
    press(Qt::Key_A, Qt::ControlModifier);
    type(QStringLiteral("k6"));
    EXPECT_EQ(fits.ed_OtvES->text(), "+25");
    EXPECT_EQ(fits.ed_OtvEI->text(), "0");
    EXPECT_EQ(fits.ed_ValEs->text(), "+18");
    EXPECT_EQ(fits.ed_ValEi->text(), "+2");
}

TEST_F(MainWindowKeyboard, KeypadByItsShortcutStartsAtZeroAndTakesTheKeys)
{
    ASSERT_EQ(focused(), ui().Edit2);
    whileOpen(
        m_window->frm_KeyBoard(),
        [&] {
            EXPECT_EQ(m_window->frm_KeyBoard()->displayText(), "0");
            type(QStringLiteral("12.5"));
            press(Qt::Key_Return);
        },
        [&] { press(KeyboardShortcuts::keypad()); });
    EXPECT_EQ(ui().Edit2->text(), "12,5");

    whileOpen(
        m_window->frm_KeyBoard(),
        [&] {
            type(QStringLiteral("7"));
            press(Qt::Key_Escape);
        },
        [&] { press(KeyboardShortcuts::keypad()); });
    EXPECT_EQ(ui().Edit2->text(), "12,5"); // Escape hands nothing over
}

TEST_F(MainWindowKeyboard, PickerEscapeChangesNothing)
{
    ASSERT_TRUE(tabTo(ui().Label5, true));
    const QString field = ui().Edit1->text();
    const int filter = ui().ComboBox1->currentIndex();
    whileOpen(
        m_window->frm_ListOf_Ferrak(),
        [&] {
            // The keyboard starts on the field shown.
            EXPECT_EQ(qobject_cast<QAbstractButton*>(focused())->text(), field);
            press(Qt::Key_Down);
            press(Qt::Key_Escape);
        },
        [&] { press(Qt::Key_Return); });
    EXPECT_EQ(ui().Edit1->text(), field);
    EXPECT_EQ(ui().ComboBox1->currentIndex(), filter);
}

TEST_F(MainWindowKeyboard, AboutWindowByF1FromEveryPage)
{
    for (int page : {0, 1, 2, 3}) {
        ui().PageControl1->setCurrentIndex(page);
        QCoreApplication::processEvents();
        whileOpen(m_window->frm_About(), [&] { press(Qt::Key_Return); }, [&] { press(KeyboardShortcuts::about()); });
    }
}

TEST_F(MainWindowKeyboard, HintsShowTheShortcuts)
{
    auto shows = [](const QWidget* control, const QKeySequence& keys) {
        return control->toolTip().endsWith(QStringLiteral("(%1)").arg(keys.toString(QKeySequence::NativeText)));
    };
    EXPECT_TRUE(shows(ui().spbt_keyb, KeyboardShortcuts::keypad()));
    EXPECT_TRUE(shows(ui().Label9, KeyboardShortcuts::meanFormula()));
    EXPECT_TRUE(shows(ui().Label4, KeyboardShortcuts::radiusFormula()));
    EXPECT_TRUE(shows(ui().Label13, KeyboardShortcuts::about()));
    ui().PageControl1->setCurrentIndex(1);
    QCoreApplication::processEvents();
    EXPECT_TRUE(shows(ui().Label23, KeyboardShortcuts::about()));
}

TEST_F(MainWindowKeyboard, DiagramsCopyByTheirKey)
{
    for (int page : {2, 3}) {
        press(Qt::Key_Tab, Qt::ControlModifier);
        if (ui().PageControl1->currentIndex() != page)
            press(Qt::Key_Tab, Qt::ControlModifier);
        ASSERT_EQ(ui().PageControl1->currentIndex(), page);
        QWidget* diagram = ui().PageControl1->currentWidget()->findChild<QWidget*>(
            page == 2 ? QStringLiteral("pb_Shema") : QStringLiteral("pb_RezbShema"));
        ASSERT_NE(diagram, nullptr);
        EXPECT_TRUE(diagram->toolTip().endsWith(
            QStringLiteral("(%1)").arg(KeyboardShortcuts::copyDiagram().toString(QKeySequence::NativeText))));
        QGuiApplication::clipboard()->clear();
        press(KeyboardShortcuts::copyDiagram());
        EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasImage()) << page;
    }
}

// ---- the Tab order ----

// Tab from the first control round the page: the controls in the order reached.
std::vector<QWidget*> tabWalk(QWidget* first, QWidget* page)
{
    std::vector<QWidget*> reached;
    first->setFocus(Qt::TabFocusReason);
    QWidget* window = first->window();
    for (int presses = 0; presses < 60; ++presses) {
        QWidget* now = window->focusWidget();
        if (!page->isAncestorOf(now))
            break;
        if (!reached.empty() && now == reached.front())
            break;
        reached.push_back(now);
        QTest::keyClick(now, Qt::Key_Tab);
    }
    return reached;
}

QStringList names(const std::vector<QWidget*>& widgets)
{
    QStringList result;
    for (const QWidget* widget : widgets) {
        // A combo box's line edit stands for its box.
        const QWidget* named = widget->objectName().isEmpty() && widget->parentWidget() ? widget->parentWidget() : widget;
        result << named->objectName();
    }
    return result;
}

// Every control of the page a user can click or type into, enabled and shown.
QStringList clickable(QWidget* page)
{
    QStringList result;
    for (QWidget* child : page->findChildren<QWidget*>()) {
        if (!child->isVisibleTo(page) || !child->isEnabled())
            continue;
        const bool clicks = qobject_cast<QAbstractButton*>(child) || qobject_cast<QComboBox*>(child)
            || qobject_cast<QListWidget*>(child)
            || (qobject_cast<ClickableLabel*>(child) && child->focusPolicy() != Qt::NoFocus)
            || (qobject_cast<QLineEdit*>(child) && !qobject_cast<QLineEdit*>(child)->isReadOnly()
                && !qobject_cast<QComboBox*>(child->parentWidget()));
        if (clicks)
            result << child->objectName();
    }
    return result;
}

TEST_F(MainWindowKeyboard, TolerancePageTabOrderInReadingOrder)
{
    const QStringList tableMode{"Label5", "ListBox1", "Label1", "ComboBox1", "Label2", "ComboBox4", "Label3", "ComboBox3",
                                "CheckBox2", "RadioButton2", "Edit2", "spbt_keyb", "CheckBox1", "Button20", "Label13"};
    EXPECT_EQ(names(tabWalk(ui().Label5, ui().TabSheet1)), tableMode);

    // Manual mode: the deviations and the buttons beside them join, the list and its filters leave.
    ui().CheckBox1->setFocus();
    press(Qt::Key_Space);
    ASSERT_TRUE(ui().CheckBox1->isChecked());
    const QStringList manualMode{"CheckBox2", "RadioButton2", "Button1", "Button3", "Edit3", "Edit2", "SpeedButton1",
                                 "spbt_keyb", "Button5", "Button4", "Edit4", "CheckBox1", "Button20", "Label13"};
    EXPECT_EQ(names(tabWalk(ui().CheckBox2, ui().TabSheet1)), manualMode);

    // Nothing the mouse can use is left out (the two formula labels have their shortcuts).
    QStringList reachable = manualMode;
    reachable << "RadioButton1" << "RadioButton3"; // the radio group is one stop, its buttons by the arrow keys
    for (const QString& name : clickable(ui().TabSheet1))
        EXPECT_TRUE(reachable.contains(name)) << name.toStdString();
}

TEST_F(MainWindowKeyboard, OtherPagesTabOrderInReadingOrder)
{
    ui().PageControl1->setCurrentIndex(1);
    QCoreApplication::processEvents();
    EXPECT_EQ(names(tabWalk(ui().cmbx_Rezba, ui().TabSheet2)),
              QStringList({"cmbx_Rezba", "cmbx_ShagRezb", "ed_DiamNom", "ed_DopRezb", "ed_MidlDopRezb", "btm_RezbTabl", "Label23"}));

    ui().PageControl1->setCurrentIndex(2);
    QCoreApplication::processEvents();
    FitsPage& fits = *ui().TabSheet3;
    const QStringList fitsOrder{"ed_PosRazmer", "cmbx_Otverstie", "cmbx_Val", "lbx_Posadki"};
    EXPECT_EQ(names(tabWalk(fits.ed_PosRazmer, &fits)), fitsOrder);
    for (const QString& name : clickable(&fits))
        EXPECT_TRUE(fitsOrder.contains(name)) << name.toStdString();

    ui().PageControl1->setCurrentIndex(3);
    QCoreApplication::processEvents();
    auto* threads = m_window->findChild<ThreadTolerancePage*>(QStringLiteral("TabSheet4"));
    ASSERT_NE(threads, nullptr);
    auto* first = threads->findChild<QWidget*>(QStringLiteral("cmbx_RezbD"));
    const QStringList threadOrder{"cmbx_RezbD", "cmbx_RezbP", "cmbx_KlassGaiki", "cmbx_KlassBolta", "btm_RezbDopTabl"};
    EXPECT_EQ(names(tabWalk(first, threads)), threadOrder);
    for (const QString& name : clickable(threads))
        EXPECT_TRUE(threadOrder.contains(name)) << name.toStdString();
}

} // namespace
