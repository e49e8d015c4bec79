// The quick number window: every value label, its hover colour and the close control.
#include "frm_FastNamber_Unit.h"

#include "UiStyle.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct ValueLabel {
    const char* name;
    const char* caption;
    const char* value;
    QPoint place; // within Panel1
};

const ValueLabel ValueLabels[] = {
    {"Label1", "0,10", "0,1", {16, 8}},    {"Label19", "0,12", "0,12", {16, 32}},
    {"Label2", "0,15", "0,15", {16, 56}},  {"Label20", "0,18", "0,18", {16, 80}},
    {"Label3", "0,20", "0,2", {16, 104}},  {"Label4", "0,25", "0,25", {16, 128}},
    {"Label5", "0,30", "0,3", {16, 152}},
    {"Label16", "0,35", "0,35", {72, 8}},  {"Label6", "0,40", "0,4", {72, 32}},
    {"Label7", "0,45", "0,45", {72, 56}},  {"Label8", "0,50", "0,5", {72, 80}},
    {"Label9", "0,55", "0,55", {72, 104}}, {"Label10", "0,60", "0,6", {72, 128}},
    {"Label17", "0,65", "0,65", {72, 152}},
    {"Label11", "0,70", "0,7", {128, 8}},  {"Label12", "0,80", "0,8", {128, 32}},
    {"Label13", "0,90", "0,9", {128, 56}}, {"Label14", "1,00", "1,0", {128, 80}},
    {"Label15", "1,10", "1,1", {128, 104}}, {"Label18", "1,20", "1,2", {128, 128}},
};

class QuickNumberTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.move(200, 200);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QLabel* label(const char* name)
    {
        auto* found = window.findChild<QLabel*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    Tfrm_FastNamber window;
};

TEST_F(QuickNumberTest, EveryLabelSitsInPlaceAndYieldsItsValue)
{
    ASSERT_EQ(window.findChildren<QLabel*>().size(), 20);
    for (const ValueLabel& value : ValueLabels) {
        window.setQuickValue(QStringLiteral("preset"));
        window.show();
        QLabel* shown = label(value.name);
        EXPECT_EQ(shown->text(), QString::fromUtf8(value.caption)) << value.name;
        EXPECT_EQ(shown->pos(), value.place) << value.name;
        EXPECT_EQ(shown->parentWidget()->objectName(), "Panel1");
        EXPECT_EQ(UiStyle::textColour(shown), UiStyle::Maroon) << value.name;

        QTest::mouseClick(shown, Qt::LeftButton);
        EXPECT_EQ(window.QuickValue(), QString::fromUtf8(value.value)) << value.name;
        EXPECT_FALSE(window.isVisible()) << value.name;
        EXPECT_EQ(window.result(), QDialog::Accepted);
    }
}

TEST_F(QuickNumberTest, TabGoesDownTheValuesAndSpaceOrEnterChooses)
{
    // The values in rising order, down each column.
    QStringList reached;
    label("Label1")->setFocus();
    for (int presses = 0; presses < 20; ++presses) {
        reached << qobject_cast<QLabel*>(window.focusWidget())->text();
        QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
    }
    QStringList rising; // the table above lists them so
    for (const ValueLabel& value : ValueLabels)
        rising << QString::fromUtf8(value.caption);
    EXPECT_EQ(reached, rising);

    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
        window.setQuickValue(QStringLiteral("preset"));
        window.show();
        label("Label14")->setFocus();
        QTest::keyClick(label("Label14"), key);
        EXPECT_EQ(window.QuickValue(), "1,0");
        EXPECT_FALSE(window.isVisible());
    }
}

TEST_F(QuickNumberTest, HoverTurnsTheLabelRedUntilThePointerLeaves)
{
    QLabel* first = label("Label1");
    QLabel* second = label("Label14");
    QTest::mouseMove(first);
    EXPECT_EQ(UiStyle::textColour(first), UiStyle::Red);
    EXPECT_EQ(UiStyle::textColour(second), UiStyle::Maroon);

    QTest::mouseMove(second);
    EXPECT_EQ(UiStyle::textColour(first), UiStyle::Maroon);
    EXPECT_EQ(UiStyle::textColour(second), UiStyle::Red);

    // Over the bare panel nothing is highlighted.
    QTest::mouseMove(&window, QPoint(60, 170));
    EXPECT_EQ(UiStyle::textColour(second), UiStyle::Maroon);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.QuickValue(), QString());
}

TEST_F(QuickNumberTest, CloseControlLeavesThePreset)
{
    window.setQuickValue(QStringLiteral("-0,25"));
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.QuickValue(), "-0,25");
    EXPECT_EQ(window.result(), QDialog::Rejected);
}

TEST_F(QuickNumberTest, ClickOnThePanelChoosesNothing)
{
    window.setQuickValue(QStringLiteral("0,3"));
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(60, 170));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.QuickValue(), "0,3");
}

} // namespace

TEST_F(QuickNumberTest, ADisabledLabelChoosesNothing)
{
    window.setQuickValue(QStringLiteral("0,7"));
    QLabel* value = label("Label3");
    value->setEnabled(false);
    QTest::mouseClick(value, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(window.QuickValue(), QStringLiteral("0,7"));
    EXPECT_TRUE(window.isVisible());
}
