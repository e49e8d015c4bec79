// The keypad driven by mouse clicks on its keys and by the physical keyboard, as the user works it.
#include "frm_KeyBoard_unit.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

class KeypadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        keypad.move(100, 100);
        keypad.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&keypad));
    }

    QToolButton* key(const QString& name)
    {
        auto* button = keypad.findChild<QToolButton*>(name);
        EXPECT_NE(button, nullptr) << name.toStdString();
        return button;
    }

    void click(const QString& name) { QTest::mouseClick(key(name), Qt::LeftButton); }

    // Digits, ',' for the decimal key, '<' for BS and 'C' for the clear key.
    void type(const QString& keys)
    {
        for (QChar c : keys) {
            if (c.isDigit())
                click(QStringLiteral("spbt_N%1").arg(c));
            else if (c == u',')
                click(QStringLiteral("spbt_Point"));
            else if (c == u'<')
                click(QStringLiteral("spbt_BS"));
            else if (c == u'C')
                click(QStringLiteral("spbt_Clear"));
        }
    }

    QString display() const { return keypad.findChild<QLineEdit*>(QStringLiteral("Edit1"))->text(); }

    void openPage(int index)
    {
        QTabBar* bar = keypad.findChild<QTabWidget*>(QStringLiteral("Key"))->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }

    QList<QRadioButton*> cells() const
    {
        return keypad.findChild<QGroupBox*>(QStringLiteral("RadioGroup2"))->findChildren<QRadioButton*>();
    }

    QStringList cellCaptions() const
    {
        QStringList captions;
        for (const QRadioButton* cell : cells())
            captions << cell->text();
        return captions;
    }

    void selectCell(int cell) { QTest::mouseClick(cells().at(cell - 1), Qt::LeftButton); }

    // Store the given keys in a cell from the memory page, then go back to the digits.
    void storeIn(int cell, const QString& keys)
    {
        openPage(0);
        type(keys);
        openPage(1);
        selectCell(cell);
        click(QStringLiteral("spbt_MS"));
    }

    static QStringList emptyCaptions()
    {
        QStringList captions;
        for (int cell = 1; cell <= 7; ++cell)
            captions << QStringLiteral("N%1 - (0)").arg(cell);
        return captions;
    }

    Tfrm_KeyBoard keypad;
};

TEST_F(KeypadTest, StartsAsAFreshDisplayWithEmptyMemory)
{
    EXPECT_EQ(display(), "0");
    EXPECT_FALSE((keypad.result() == QDialog::Accepted));
    EXPECT_EQ(cellCaptions(), emptyCaptions());
    EXPECT_TRUE(cells().at(0)->isChecked());
    EXPECT_EQ(keypad.findChild<QTabWidget*>(QStringLiteral("Key"))->currentWidget()->objectName(), "TabSheet1");
}

TEST_F(KeypadTest, KeySequencesGiveTheirDisplay)
{
    const struct { const char* keys; const char* shown; } cases[] = {
        {"7", "7"},
        {"07", "7"},
        {"00", "0"},
        {"0,5", "0,5"},
        {"1234567890", "1234567890"},
        {"5,,2", "5,2"},          // the second decimal press does nothing
        {",25", "0,25"},
        {"5,2<", "5,"},
        {"5,2<<", "5"},
        {"5,2<<,3", "5,3"},       // backspacing over the comma frees the decimal key
        {"5,2<<<", "0"},
        {"5,2<<<<", "0"},
        {"7<", "0"},
        {"<", "0"},
        {"12C", "0"},
        {"1,C,5", "0,5"},         // C frees the decimal key as well
        {"0,<,", "0,"},
    };
    for (const auto& sequence : cases) {
        click(QStringLiteral("spbt_Clear"));
        type(QString::fromLatin1(sequence.keys));
        EXPECT_EQ(display(), QString::fromLatin1(sequence.shown)) << sequence.keys;
        EXPECT_EQ(keypad.displayText(), display());
    }
}

TEST_F(KeypadTest, EnterDropsATrailingCommaAcceptsAndCloses)
{
    const struct { const char* keys; const char* handed; } cases[] = {
        {"5,", "5"}, {"", "0"}, {"0,", "0"}, {"12,75", "12,75"},
    };
    for (const auto& sequence : cases) {
        keypad.show();
        type(QString::fromLatin1(sequence.keys));
        click(QStringLiteral("SpeedButton2"));
        EXPECT_FALSE(keypad.isVisible()) << sequence.keys;
        EXPECT_TRUE((keypad.result() == QDialog::Accepted)) << sequence.keys;
        EXPECT_EQ(keypad.result(), QDialog::Accepted);
        EXPECT_EQ(keypad.displayText(), QString::fromLatin1(sequence.handed)) << sequence.keys;
    }
}

TEST_F(KeypadTest, ClosingWithoutEnterLeavesAcceptedClear)
{
    type(QStringLiteral("42"));
    keypad.close();
    EXPECT_FALSE(keypad.isVisible());
    EXPECT_FALSE((keypad.result() == QDialog::Accepted));

    // An earlier Enter does not carry over to a later close.
    keypad.show();
    click(QStringLiteral("SpeedButton2"));
    ASSERT_TRUE((keypad.result() == QDialog::Accepted));
    keypad.show();
    EXPECT_FALSE((keypad.result() == QDialog::Accepted));
    keypad.close();
    EXPECT_FALSE((keypad.result() == QDialog::Accepted));
}

TEST_F(KeypadTest, EveryShowingStartsAFreshDisplay)
{
    type(QStringLiteral("3,"));
    keypad.close();
    keypad.show();
    EXPECT_EQ(display(), "0");
    type(QStringLiteral(",5")); // the comma of the last showing is forgotten
    EXPECT_EQ(display(), "0,5");
}

// Keys of the physical keyboard and the display they leave; each row starts on a fresh display.
struct PhysicalKeys {
    const char* name;
    std::vector<std::pair<int, Qt::KeyboardModifiers>> keys;
    const char* display;
};

class KeypadPhysicalKeys : public KeypadTest, public ::testing::WithParamInterface<PhysicalKeys> {};

TEST_P(KeypadPhysicalKeys, DoWhatTheKeysOnScreenDo)
{
    for (const auto& [key, modifiers] : GetParam().keys)
        QTest::keyClick(&keypad, Qt::Key(key), modifiers);
    EXPECT_EQ(display(), QString::fromUtf8(GetParam().display));
    EXPECT_TRUE(keypad.isVisible()); // only Enter and Escape close it
}

constexpr Qt::KeyboardModifiers None = Qt::NoModifier;
constexpr Qt::KeyboardModifiers Pad = Qt::KeypadModifier;

INSTANTIATE_TEST_SUITE_P(
    Keys, KeypadPhysicalKeys,
    ::testing::Values(
        PhysicalKeys{"Digits", {{Qt::Key_1, None}, {Qt::Key_2, None}, {Qt::Key_0, None}}, "120"},
        PhysicalKeys{"NumberPad", {{Qt::Key_7, Pad}, {Qt::Key_Period, Pad}, {Qt::Key_5, Pad}}, "7,5"},
        PhysicalKeys{"Comma", {{Qt::Key_1, None}, {Qt::Key_Comma, None}, {Qt::Key_2, None}}, "1,2"},
        PhysicalKeys{"PointBecomesTheComma", {{Qt::Key_Period, None}, {Qt::Key_5, None}}, "0,5"},
        PhysicalKeys{"SecondCommaIgnored", {{Qt::Key_1, None}, {Qt::Key_Comma, None}, {Qt::Key_Period, None}, {Qt::Key_2, None}}, "1,2"},
        PhysicalKeys{"Backspace", {{Qt::Key_1, None}, {Qt::Key_2, None}, {Qt::Key_Backspace, None}}, "1"},
        PhysicalKeys{"DeleteClears", {{Qt::Key_4, None}, {Qt::Key_Comma, None}, {Qt::Key_2, None}, {Qt::Key_Delete, None}}, "0"},
        PhysicalKeys{"LettersAndControlKeysIgnored",
                     {{Qt::Key_A, None}, {Qt::Key_3, Qt::ControlModifier}, {Qt::Key_Minus, None}, {Qt::Key_8, None}}, "8"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeypadTest, EnterKeyHandsTheNumberOver)
{
    for (int enter : {Qt::Key_Return, Qt::Key_Enter}) {
        keypad.show();
        QTest::keyClicks(&keypad, QStringLiteral("12,"));
        QTest::keyClick(&keypad, Qt::Key(enter));
        EXPECT_FALSE(keypad.isVisible());
        EXPECT_TRUE((keypad.result() == QDialog::Accepted));
        EXPECT_EQ(keypad.displayText(), "12"); // as the Enter key on screen leaves it
    }
}

TEST_F(KeypadTest, EscapeClosesWithoutHandingOver)
{
    QTest::keyClicks(&keypad, QStringLiteral("7"));
    QTest::keyClick(&keypad, Qt::Key_Escape);
    EXPECT_FALSE(keypad.isVisible());
    EXPECT_FALSE((keypad.result() == QDialog::Accepted));
}

TEST_F(KeypadTest, DisplayCannotBeTypedInto)
{
    // Keys reaching the display press the keys on screen; nothing else is written there.
    auto* display = keypad.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    EXPECT_TRUE(display->isReadOnly());
    QTest::keyClicks(display, QStringLiteral("a7x"));
    EXPECT_EQ(this->display(), "7");
}

TEST_F(KeypadTest, HintsNameTheirKeys)
{
    EXPECT_TRUE(key(QStringLiteral("spbt_Clear"))->toolTip().startsWith(QStringLiteral("Очистить экран")));
    EXPECT_TRUE(key(QStringLiteral("spbt_Clear"))->toolTip().contains(QKeySequence(Qt::Key_Delete).toString(QKeySequence::NativeText)));
    EXPECT_TRUE(key(QStringLiteral("spbt_BS"))->toolTip().contains(QKeySequence(Qt::Key_Backspace).toString(QKeySequence::NativeText)));
    EXPECT_TRUE(key(QStringLiteral("SpeedButton2"))->toolTip().contains(QKeySequence(Qt::Key_Return).toString(QKeySequence::NativeText)));
}

TEST_F(KeypadTest, StoringZeroStoresNothing)
{
    for (const char* keys : {"", "0,", "0,00"}) {
        openPage(0);
        click(QStringLiteral("spbt_Clear"));
        type(QString::fromLatin1(keys));
        const QString before = display();
        openPage(1);
        click(QStringLiteral("spbt_MS"));
        EXPECT_EQ(display(), before) << keys;
        EXPECT_EQ(cellCaptions(), emptyCaptions()) << keys;
    }
    // The display kept its comma, so the decimal key still does nothing.
    openPage(0);
    type(QStringLiteral(",1"));
    EXPECT_EQ(display(), "0,001");
}

TEST_F(KeypadTest, StoreAndRecallFollowTheComma)
{
    storeIn(3, QStringLiteral("12,5"));
    EXPECT_EQ(cellCaptions().at(2), "N3 - (12,5)");
    EXPECT_EQ(display(), "0");
    openPage(0);
    type(QStringLiteral(",")); // storing freed the decimal key
    EXPECT_EQ(display(), "0,");

    openPage(1);
    click(QStringLiteral("spbt_MR"));
    EXPECT_EQ(display(), "12,5");
    openPage(0);
    type(QStringLiteral(",7"));
    EXPECT_EQ(display(), "12,57"); // the recalled text holds a comma

    storeIn(1, QStringLiteral("C5,"));
    EXPECT_EQ(cellCaptions().at(0), "N1 - (5,)");
    click(QStringLiteral("spbt_MR"));
    EXPECT_EQ(display(), "5,");

    selectCell(5); // empty
    click(QStringLiteral("spbt_MR"));
    EXPECT_EQ(display(), "0");
    openPage(0);
    type(QStringLiteral(","));
    EXPECT_EQ(display(), "0,");
}

TEST_F(KeypadTest, ClearingCellsLeavesTheDisplay)
{
    storeIn(2, QStringLiteral("8"));
    storeIn(4, QStringLiteral("9,5"));
    storeIn(7, QStringLiteral("3"));
    openPage(0);
    type(QStringLiteral("6"));
    openPage(1);

    selectCell(2);
    click(QStringLiteral("spbt_MC"));
    QStringList expected = emptyCaptions();
    expected[3] = QStringLiteral("N4 - (9,5)");
    expected[6] = QStringLiteral("N7 - (3)");
    EXPECT_EQ(cellCaptions(), expected);
    EXPECT_EQ(display(), "6");
    click(QStringLiteral("spbt_MR"));
    EXPECT_EQ(display(), "0");

    openPage(0);
    type(QStringLiteral("6"));
    openPage(1);
    click(QStringLiteral("spbt_MC_All"));
    EXPECT_EQ(cellCaptions(), emptyCaptions());
    EXPECT_EQ(display(), "6");
    selectCell(4);
    click(QStringLiteral("spbt_MR"));
    EXPECT_EQ(display(), "0");
}

TEST_F(KeypadTest, MemoryLastsBetweenShowings)
{
    storeIn(6, QStringLiteral("0,75"));
    keypad.close();
    keypad.show();
    // The memory page, its selection and its captions are as they were left.
    EXPECT_EQ(keypad.findChild<QTabWidget*>(QStringLiteral("Key"))->currentWidget()->objectName(), "TabSheet2");
    EXPECT_TRUE(cells().at(5)->isChecked());
    EXPECT_EQ(cellCaptions().at(5), "N6 - (0,75)");
    click(QStringLiteral("spbt_MR"));
    EXPECT_EQ(display(), "0,75");
}

// Without a mouse: Tab reaches the page tabs, the memory cells and the memory keys; the arrow
// keys change page and cell, Space presses a key, the keyboard's digits still type.
TEST_F(KeypadTest, MemoryIsWorkedByTheKeyboard)
{
    QTest::keyClicks(&keypad, QStringLiteral("42"));
    QTabBar* bar = keypad.findChild<QTabWidget*>(QStringLiteral("Key"))->tabBar();
    auto focused = [] { return QApplication::focusWidget(); };
    for (int presses = 0; presses < 8 && focused() != bar; ++presses)
        QTest::keyClick(focused() ? focused() : static_cast<QWidget*>(&keypad), Qt::Key_Tab);
    ASSERT_EQ(focused(), bar);
    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(bar->currentIndex(), 1);

    QTest::keyClick(bar, Qt::Key_Tab);
    ASSERT_EQ(focused(), cells().at(0));
    QTest::keyClick(focused(), Qt::Key_Down);
    EXPECT_TRUE(cells().at(1)->isChecked());
    QTest::keyClick(focused(), Qt::Key_Tab);
    ASSERT_EQ(focused(), key(QStringLiteral("spbt_MS")));
    QTest::keyClick(focused(), Qt::Key_Space);
    EXPECT_EQ(cellCaptions().at(1), "N2 - (42)");

    QTest::keyClicks(focused(), QStringLiteral("7"));
    EXPECT_EQ(display(), "7");
    QTest::keyClick(focused(), Qt::Key_Tab);
    ASSERT_EQ(focused(), key(QStringLiteral("spbt_MR")));
    QTest::keyClick(focused(), Qt::Key_Space);
    EXPECT_EQ(display(), "42");
}

} // namespace
