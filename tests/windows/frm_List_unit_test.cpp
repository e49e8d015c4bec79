// The field picker: the button grid, a click that picks a field and closes, the
// close control that leaves the caller's preset, and the H6 button that cannot pick.
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

#include "UiStyle.h"
#include "frm_List_unit.h"

namespace {

struct Placed {
    int number;
    const char* caption;
    int column; // b d g f F h H Js k/K N R S U
    int row;    // 6 7 8 9 11 12 13 14 15 16
};

// The grid by letter and quality, as the user sees it.
const Placed Grid[] = {
    {1, "g6", 2, 0}, {8, "h6", 5, 0}, {7, "H6", 6, 0}, {9, "Js6", 7, 0}, {2, "k6", 8, 0}, {3, "n6", 9, 0}, {4, "r6", 10, 0},
    {5, "f7", 3, 1}, {10, "h7", 5, 1}, {11, "H7", 6, 1}, {13, "Js7", 7, 1}, {41, "K7", 8, 1}, {12, "s7", 11, 1},
    {43, "f8", 3, 2}, {6, "F8", 4, 2}, {14, "h8", 5, 2}, {15, "H8", 6, 2}, {42, "u8", 12, 2},
    {44, "d9", 1, 3}, {45, "f9", 3, 3}, {17, "h9", 5, 3}, {18, "H9", 6, 3},
    {20, "d11", 1, 4}, {23, "h11", 5, 4}, {24, "H11", 6, 4},
    {21, "b12", 0, 5}, {26, "h12", 5, 5}, {27, "H12", 6, 5}, {28, "Js12", 7, 5},
    {29, "h13", 5, 6}, {30, "H13", 6, 6}, {31, "Js13", 7, 6},
    {32, "h14", 5, 7}, {33, "H14", 6, 7}, {34, "Js14", 7, 7},
    {35, "h15", 5, 8}, {36, "H15", 6, 8}, {37, "Js15", 7, 8},
    {38, "h16", 5, 9}, {39, "H16", 6, 9}, {40, "Js16", 7, 9},
};

class FieldPicker : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_picker = std::make_unique<Tfrm_ListOf_Ferrak>();
        m_picker->ensureControls();
    }

    QToolButton* button(const QString& caption) const
    {
        for (QToolButton* candidate : m_picker->findChildren<QToolButton*>())
            if (candidate->text() == caption)
                return candidate;
        ADD_FAILURE() << "no button " << caption.toStdString();
        return nullptr;
    }

    std::unique_ptr<Tfrm_ListOf_Ferrak> m_picker;
};

TEST_F(FieldPicker, WindowAsDescribed)
{
    EXPECT_EQ(m_picker->objectName(), QStringLiteral("frm_ListOf_Ferrak"));
    EXPECT_EQ(m_picker->windowTitle(), QStringLiteral("Поля допусков (список полей)"));
    EXPECT_EQ(m_picker->minimumSize(), QSize(711, 542));
    EXPECT_EQ(m_picker->maximumSize(), QSize(711, 542));
    EXPECT_FALSE(m_picker->windowFlags() & Qt::WindowMinMaxButtonsHint);

    QStringList titles;
    for (const QLabel* label : m_picker->findChildren<QLabel*>())
        titles << label->text();
    for (const char* title : {"Буква", "К в а л и т е т", "b", "d", "g", "F", "H", "Js", "K", "N", "R", "S", "U", "6",
                              "7", "8", "9", "11", "12", "13", "14", "15", "16"})
        EXPECT_EQ(titles.count(QString::fromUtf8(title)), 1) << title;
    EXPECT_FALSE(titles.contains(QStringLiteral("10")));
}

TEST_F(FieldPicker, FortyOneButtonsByLetterAndQuality)
{
    EXPECT_EQ(m_picker->findChildren<QToolButton*>().size(), 41);
    for (const Placed& expected : Grid) {
        const QString name = QStringLiteral("SpeedButton%1").arg(expected.number);
        SCOPED_TRACE(name.toStdString());
        const auto* speedButton = m_picker->findChild<QToolButton*>(name);
        ASSERT_NE(speedButton, nullptr);
        EXPECT_EQ(speedButton->text(), QString::fromLatin1(expected.caption));
        EXPECT_EQ(speedButton->geometry(), QRect(88 + 48 * expected.column, 64 + 48 * expected.row, 41, 33));
        EXPECT_TRUE(speedButton->autoRaise());
        EXPECT_TRUE(speedButton->font().bold());
        const QString caption = speedButton->text();
        const QColor colour = caption.startsWith(QLatin1String("Js")) ? UiStyle::Green
                              : caption.front().isLower()             ? UiStyle::Blue
                                                                      : UiStyle::Red;
        EXPECT_EQ(speedButton->palette().color(QPalette::Active, QPalette::ButtonText), colour);
    }
}

TEST_F(FieldPicker, AClickPicksTheCaptionAndCloses)
{
    for (const char* caption : {"Js6", "K7", "k6", "d11", "Js16"}) {
        SCOPED_TRACE(caption);
        m_picker->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_picker.get()));
        QToolButton* pick = button(QString::fromLatin1(caption));
        ASSERT_NE(pick, nullptr);
        QTest::mouseClick(pick, Qt::LeftButton);
        EXPECT_EQ(m_picker->PickedDesignation(), QString::fromLatin1(caption));
        EXPECT_FALSE(m_picker->isVisible());
        EXPECT_EQ(m_picker->result(), QDialog::Accepted);
    }
}

TEST_F(FieldPicker, ModalShowingReturnsOnTheClick)
{
    QToolButton* k7 = button(QStringLiteral("K7"));
    ASSERT_NE(k7, nullptr);
    QTimer::singleShot(0, k7, [k7] { QTest::mouseClick(k7, Qt::LeftButton); });
    EXPECT_EQ(m_picker->exec(), QDialog::Accepted);
    EXPECT_EQ(m_picker->PickedDesignation(), QStringLiteral("K7"));
}

TEST_F(FieldPicker, ClosingWithoutAChoicePicksNothing)
{
    QTimer::singleShot(0, m_picker.get(), [this] { m_picker->close(); });
    EXPECT_EQ(m_picker->exec(), QDialog::Rejected);
    EXPECT_EQ(m_picker->PickedDesignation(), QString());
    EXPECT_FALSE(m_picker->isVisible());

    // Shown again it still works.
    QToolButton* h11 = button(QStringLiteral("h11"));
    QTimer::singleShot(0, h11, [h11] { QTest::mouseClick(h11, Qt::LeftButton); });
    EXPECT_EQ(m_picker->exec(), QDialog::Accepted);
    EXPECT_EQ(m_picker->PickedDesignation(), QStringLiteral("h11"));
}

TEST_F(FieldPicker, H6IsNotInTheTableAndCannotBePicked)
{
    auto* h6 = m_picker->findChild<QToolButton*>(QStringLiteral("SpeedButton7"));
    ASSERT_NE(h6, nullptr);
    EXPECT_EQ(h6->text(), QStringLiteral("H6"));
    EXPECT_FALSE(h6->isEnabled());
    EXPECT_EQ(h6->toolTip(), QStringLiteral("Поля H6 нет в таблице"));
    EXPECT_NE(h6->palette().color(QPalette::Disabled, QPalette::ButtonText), UiStyle::Red);

    m_picker->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_picker.get()));
    QTest::mouseClick(h6, Qt::LeftButton);
    EXPECT_TRUE(m_picker->isVisible());
    EXPECT_EQ(m_picker->PickedDesignation(), QString());
    m_picker->close();
}

TEST_F(FieldPicker, CentredOverItsOwnerEveryTime)
{
    QWidget owner;
    owner.setGeometry(40, 30, 1000, 700);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    Tfrm_ListOf_Ferrak picker(&owner);
    for (const QPoint& ownerPlace : {QPoint(40, 30), QPoint(120, 90)}) {
        owner.move(ownerPlace);
        picker.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
        const QPoint offset = picker.frameGeometry().center() - owner.frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 2);
        picker.move(0, 0);
        picker.close();
    }
}

// ---- the keyboard ----

struct PickerKeys {
    const char* name;
    const char* start;    // the field the caller shows
    const char* keys;     // letters and digits typed; < > ^ v for the arrow keys
    const char* reached;  // the button that has the focus after them
};

class FieldPickerKeys : public FieldPicker, public ::testing::WithParamInterface<PickerKeys> {};

TEST_P(FieldPickerKeys, MoveTheFocusOverTheGrid)
{
    const PickerKeys& row = GetParam();
    m_picker->setStartDesignation(QString::fromLatin1(row.start));
    m_picker->show();
    QApplication::setActiveWindow(m_picker.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_picker.get()));
    for (const char* key = row.keys; *key; ++key) {
        QWidget* focus = m_picker->focusWidget();
        ASSERT_NE(focus, nullptr);
        switch (*key) {
        case '<': QTest::keyClick(focus, Qt::Key_Left); break;
        case '>': QTest::keyClick(focus, Qt::Key_Right); break;
        case '^': QTest::keyClick(focus, Qt::Key_Up); break;
        case 'v': QTest::keyClick(focus, Qt::Key_Down); break;
        default: QTest::keyClicks(focus, QString(QLatin1Char(*key))); break;
        }
    }
    auto* focus = qobject_cast<QToolButton*>(m_picker->focusWidget());
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(focus->text().toStdString(), row.reached);
    EXPECT_TRUE(m_picker->isVisible()); // moving picks nothing
    m_picker->close();
}

INSTANTIATE_TEST_SUITE_P(
    Grid, FieldPickerKeys,
    ::testing::Values(PickerKeys{"StartsOnTheFieldShown", "d11", "", "d11"},
                      PickerKeys{"StartsOnTheFirstButtonForAnotherField", "a1", "", "g6"},
                      PickerKeys{"RightOverEmptyColumns", "K7", ">", "s7"},
                      PickerKeys{"RightAlongTheRow", "h7", ">>>", "K7"},
                      PickerKeys{"LeftStopsAtTheRowsEnd", "g6", "<", "g6"},
                      PickerKeys{"UpPassesOverH6", "H7", "^", "h6"},
                      PickerKeys{"DownToTheNearestColumn", "u8", "v", "H9"},
                      PickerKeys{"DownFromTheLonelyB12", "b12", "v", "h13"},
                      PickerKeys{"DownTheHColumn", "H9", "vvv", "H13"},
                      PickerKeys{"TypedDesignation", "g6", "Js13", "Js13"},
                      PickerKeys{"TypedCaseTellsHoleFromShaft", "g6", "H8", "H8"},
                      PickerKeys{"TypedShaft", "H11", "h8", "h8"},
                      PickerKeys{"TypedHSkipsH6", "g6", "H", "H7"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FieldPicker, EnterAndSpacePickTheFocusedButton)
{
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        m_picker->setStartDesignation(QStringLiteral("f7"));
        m_picker->show();
        QApplication::setActiveWindow(m_picker.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_picker.get()));
        QTest::keyClick(m_picker->focusWidget(), Qt::Key_Down);
        QTest::keyClick(m_picker->focusWidget(), key);
        EXPECT_EQ(m_picker->PickedDesignation(), QStringLiteral("f8"));
        EXPECT_FALSE(m_picker->isVisible());
        EXPECT_EQ(m_picker->result(), QDialog::Accepted);
    }
}

TEST_F(FieldPicker, EscapeCancels)
{
    m_picker->setStartDesignation(QStringLiteral("f7"));
    QTimer::singleShot(0, m_picker.get(), [this] {
        QTest::keyClick(m_picker->focusWidget(), Qt::Key_Right);
        QTest::keyClick(m_picker->focusWidget(), Qt::Key_Escape);
    });
    EXPECT_EQ(m_picker->exec(), QDialog::Rejected);
    EXPECT_EQ(m_picker->PickedDesignation(), QString());
}

} // namespace
