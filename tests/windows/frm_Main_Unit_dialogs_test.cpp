// The main window's paths through its modal secondary windows, with real clicks
// inside the dialogs while they run.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "frm_FastNamber_Unit.h"
#include "frm_KeyBoard_unit.h"
#include "frm_List_unit.h"
#include "MainWindowControls.h"
#include "frm_Main_Unit.h"
#include "frm_Tabl_unit.h"

void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {

class MainWindowDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_window = std::make_unique<TForm1>();
        createSecondaryWindows(m_window.get());
        m_window->move(100, 100);
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    }
    TForm1& w() { return *m_window; }
    // The window's controls, by their objectNames.
    const MainWindowControls& ui() const { return m_controls.of(*m_window); }

    // Runs `inside` once the modal dialog is up, then triggers it.
    static void whileOpen(QDialog* dialog, const std::function<void()>& inside, const std::function<void()>& trigger)
    {
        bool ran = false;
        QTimer::singleShot(0, dialog, [&] {
            EXPECT_TRUE(dialog->isVisible());
            inside();
            ran = true;
            if (dialog->isVisible())
                dialog->reject();
        });
        trigger();
        EXPECT_TRUE(ran);
        EXPECT_FALSE(dialog->isVisible());
    }
    static void clickChild(QWidget* parent, const char* name)
    {
        auto* child = parent->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(child, nullptr) << name;
        QTest::mouseClick(child, Qt::LeftButton, {}, child->rect().center());
    }
    void manualMode() { QTest::mouseClick(ui().CheckBox1, Qt::LeftButton, {}, QPoint(5, 8)); }

    QAbstractButton* pickerButton(const QString& caption)
    {
        for (auto* button : w().frm_ListOf_Ferrak()->findChildren<QAbstractButton*>())
            if (button->text() == caption)
                return button;
        return nullptr;
    }

    std::unique_ptr<TForm1> m_window;
    mutable MainWindowControlsCache m_controls;
};

} // namespace

TEST_F(MainWindowDialogs, FieldPickerSelectsTheClickedFieldAndResetsTheFilter)
{
    ui().ComboBox1->setFocus();
    QTest::keyClick(ui().ComboBox1, Qt::Key_Home); // catalogue order
    for (const char* designation : {"Js6", "K7", "k6"}) {
        whileOpen(w().frm_ListOf_Ferrak(), [&] { QTest::mouseClick(pickerButton(QString::fromLatin1(designation)), Qt::LeftButton); },
                  [&] { QTest::mouseClick(ui().Label5, Qt::LeftButton, {}, QPoint(3, 3)); });
        EXPECT_EQ(ui().ListBox1->currentItem()->text(), designation);
        EXPECT_EQ(ui().Edit1->text(), designation);
        EXPECT_EQ(ui().ComboBox1->currentIndex(), 4);
        EXPECT_EQ(ui().ComboBox3->currentIndex(), 0);
        EXPECT_EQ(ui().ComboBox4->currentIndex(), 0);
    }
}

// Closing the picker without a choice changes nothing: not the field, the filter or the list.
TEST_F(MainWindowDialogs, FieldPickerClosedWithoutAChoiceChangesNothing)
{
    ui().Edit2->setFocus();
    ui().Edit2->selectAll();
    QTest::keyClicks(ui().Edit2, "125");
    ui().ComboBox4->setFocus();
    QTest::keyClicks(ui().ComboBox4, "6"); // quality 6, by its first character
    ASSERT_EQ(ui().ComboBox4->currentIndex(), 1);
    const auto g6 = ui().ListBox1->findItems(QStringLiteral("g6"), Qt::MatchExactly);
    ASSERT_EQ(g6.size(), 1);
    QTest::mouseClick(ui().ListBox1->viewport(), Qt::LeftButton, {}, ui().ListBox1->visualItemRect(g6[0]).center());
    const QStringList resultsBefore{ui().Edit1->text(), ui().Edit3->text(), ui().Edit4->text(), ui().Edit5->text()};
    ASSERT_EQ(resultsBefore.front(), "g6");
    const int rowsBefore = ui().ListBox1->count();

    Tfrm_ListOf_Ferrak* picker = w().frm_ListOf_Ferrak();
    const struct {
        const char* how;
        std::function<void()> close;
        std::function<void()> open;
    } ways[] = {
        {"Escape, from Edit1", [&] { QTest::keyClick(picker, Qt::Key_Escape); },
         [&] { QTest::mouseDClick(ui().Edit1, Qt::LeftButton); }},
        {"the close control, from the list", [&] { picker->close(); },
         [&] { QTest::mouseDClick(ui().ListBox1->viewport(), Qt::LeftButton, {}, QPoint(20, 5)); }},
        {"the grid's H6, from Label5", [&] { QTest::mouseClick(pickerButton(QStringLiteral("H6")), Qt::LeftButton); },
         [&] { QTest::mouseClick(ui().Label5, Qt::LeftButton, {}, QPoint(3, 3)); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.how);
        whileOpen(picker, way.close, way.open);
        EXPECT_EQ(ui().ComboBox1->currentIndex(), 4);
        EXPECT_EQ(ui().ComboBox4->currentIndex(), 1);
        EXPECT_EQ(ui().ComboBox3->currentIndex(), 0);
        EXPECT_EQ(ui().ListBox1->count(), rowsBefore);
        ASSERT_TRUE(ui().ListBox1->currentItem());
        EXPECT_EQ(ui().ListBox1->currentItem()->text(), "g6");
        EXPECT_EQ((QStringList{ui().Edit1->text(), ui().Edit3->text(), ui().Edit4->text(), ui().Edit5->text()}), resultsBefore);
    }
}

TEST_F(MainWindowDialogs, KeypadEntersTheSizeOnlyWithEnter)
{
    whileOpen(w().frm_KeyBoard(), [&] {
        EXPECT_EQ(w().frm_KeyBoard()->pos(), w().pos() + QPoint(219, 256));
        clickChild(w().frm_KeyBoard(), "spbt_N1");
        clickChild(w().frm_KeyBoard(), "spbt_N2");
        clickChild(w().frm_KeyBoard(), "spbt_Point");
    }, [&] { QTest::mouseClick(ui().spbt_keyb, Qt::LeftButton); });
    EXPECT_EQ(ui().Edit2->text(), "5"); // closed without Enter
    whileOpen(w().frm_KeyBoard(), [&] {
        clickChild(w().frm_KeyBoard(), "spbt_N1");
        clickChild(w().frm_KeyBoard(), "spbt_N2");
        clickChild(w().frm_KeyBoard(), "spbt_Point");
        clickChild(w().frm_KeyBoard(), "SpeedButton2");
    }, [&] { QTest::mouseDClick(ui().Edit2, Qt::LeftButton); });
    EXPECT_EQ(ui().Edit2->text(), "12");
    EXPECT_EQ(ui().Edit5->text(), "12,043");
}

TEST_F(MainWindowDialogs, QuickValuesGoIntoTheDeviationsInManualModeOnly)
{
    QTest::mouseDClick(ui().Edit3, Qt::LeftButton); // table mode: nothing opens
    EXPECT_FALSE(w().frm_FastNamber()->isVisible());
    EXPECT_EQ(ui().Edit3->text(), "+0,03");
    manualMode();
    whileOpen(w().frm_FastNamber(), [&] {
        EXPECT_EQ(w().frm_FastNamber()->pos(), w().pos() + QPoint(299, 213));
        EXPECT_EQ(w().frm_FastNamber()->QuickValue(), "+0,03");
        clickChild(w().frm_FastNamber(), "Label1"); // 0,10
    }, [&] { QTest::mouseDClick(ui().Edit3, Qt::LeftButton); });
    EXPECT_EQ(ui().Edit3->text(), "0,1");
    whileOpen(w().frm_FastNamber(), [&] {
        EXPECT_EQ(w().frm_FastNamber()->pos(), w().pos() + QPoint(299, 285));
        clickChild(w().frm_FastNamber(), "Label14"); // 1,00
    }, [&] { QTest::mouseDClick(ui().Edit4, Qt::LeftButton); });
    EXPECT_EQ(ui().Edit4->text(), "-1,0");
    EXPECT_EQ(ui().Edit6->text(), "4");
    // Closing leaves both; choosing the text Edit4 already shows changes nothing.
    whileOpen(w().frm_FastNamber(), [] {}, [&] { QTest::mouseDClick(ui().Edit4, Qt::LeftButton); });
    EXPECT_EQ(ui().Edit4->text(), "-1,0");
    ui().Edit4->selectAll();
    QTest::keyClicks(ui().Edit4, "0,25");
    whileOpen(w().frm_FastNamber(), [&] { clickChild(w().frm_FastNamber(), "Label4"); }, // 0,25
              [&] { QTest::mouseDClick(ui().Edit4, Qt::LeftButton); });
    EXPECT_EQ(ui().Edit4->text(), "0,25");
}

TEST_F(MainWindowDialogs, PlacementStaysOnTheScreen)
{
    const QRect area = w().screen()->availableGeometry();
    w().move(area.right() - 100, area.bottom() - 100);
    whileOpen(w().frm_KeyBoard(), [&] {
        const QRect frame = w().frm_KeyBoard()->frameGeometry();
        EXPECT_TRUE(area.contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height() << " in " << area.width() << "x" << area.height();
    }, [&] { QTest::mouseClick(ui().spbt_keyb, Qt::LeftButton); });
}

TEST_F(MainWindowDialogs, ToleranceTableFollowsTheTypeFilter)
{
    whileOpen(w().frm_Table(), [&] { EXPECT_TRUE(w().frm_Table()->isModal()); }, [&] { QTest::mouseClick(ui().Button20, Qt::LeftButton); });
}
