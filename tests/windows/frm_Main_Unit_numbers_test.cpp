// Every number box shows its whole text, from the first character: checked by the
// width of the text in the font drawn and by the pixels of the box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QListWidget>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <memory>

#include "MainWindowFixture.h"
#include "NumberBox.h"
#include "frm_KeyBoard_unit.h"
#include "frm_Main_Unit.h"

namespace {

// The columns of a box's picture that carry ink of its text colour.
std::pair<int, int> inkColumns(NumberBox* box)
{
    const QImage picture = box->grab().toImage();
    const QColor ink = box->palette().color(QPalette::Text);
    int first = -1;
    int last = -1;
    for (int x = 0; x < picture.width(); ++x)
        for (int y = 0; y < picture.height(); ++y) {
            const QColor c = picture.pixelColor(x, y);
            if (std::abs(c.red() - ink.red()) + std::abs(c.green() - ink.green()) + std::abs(c.blue() - ink.blue()) < 120) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
        }
    return {first, last};
}

void expectWhole(NumberBox* box)
{
    SCOPED_TRACE(box->objectName().toStdString() + " \"" + box->text().toStdString() + "\"");
    ASSERT_FALSE(box->text().isEmpty());
    const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
    const int contents = box->width() - 2 * frame - 4;
    const QFontMetrics metrics(box->font());
    EXPECT_LE(metrics.horizontalAdvance(box->text()) + 1, contents);
    EXPECT_FALSE(box->isCut());
    EXPECT_GE(QFontInfo(box->font()).pixelSize(), NumberBox::FloorPixelSize);
    const auto [first, last] = inkColumns(box);
    ASSERT_GE(first, 0) << "no text drawn";
    // The first character's ink lies within its own advance from the text's left edge.
    EXPECT_LE(first, frame + 2 + metrics.horizontalAdvance(box->text().left(1)));
    EXPECT_LT(last, box->width() - frame);
}

class NumberBoxes : public MainWindowFixture {
protected:
    std::vector<NumberBox*> resultBoxes() { return {ui().Edit1, ui().Edit3, ui().Edit4, ui().Edit5, ui().Edit6, ui().Edit7, ui().Edit8}; }

    void leaveTheBoxes() { ui().CheckBox1->setFocus(); }
};

} // namespace

TEST_F(NumberBoxes, TheLongestTableTextsAreDrawnWhole)
{
    struct Case {
        const char* size;
        const char* field;
        bool micrometres;
    } const cases[] = {
        {"125", "g6", false}, {"999,999", "d11", false}, {"987,654", "b12", false},
        {"999,999", "Js16", false}, {"999,999", "d11", true}, {"0", "g6", false},
    };
    QTest::mouseClick(ui().RadioButton1, Qt::LeftButton); // "Как есть"
    for (const Case& c : cases) {
        if (ui().CheckBox2->isChecked() != c.micrometres)
            QTest::mouseClick(ui().CheckBox2, Qt::LeftButton, {}, QPoint(4, 8));
        retype(ui().Edit2, QString::fromLatin1(c.size));
        clickRow(QString::fromLatin1(c.field));
        leaveTheBoxes();
        for (NumberBox* box : resultBoxes())
            expectWhole(box);
    }
    EXPECT_EQ(ui().Edit8->text(), QStringLiteral("нет данных"));
}

TEST_F(NumberBoxes, ManualDeviationsWithSixDecimalsAreDrawnWhole)
{
    QTest::mouseClick(ui().RadioButton1, Qt::LeftButton);
    QTest::mouseClick(ui().CheckBox1, Qt::LeftButton, {}, QPoint(4, 8));
    retype(ui().Edit2, QStringLiteral("999,999"));
    retype(ui().Edit3, QStringLiteral("0,123456"));
    retype(ui().Edit4, QStringLiteral("-0,654321"));
    leaveTheBoxes();
    for (NumberBox* box : {ui().Edit2, ui().Edit3, ui().Edit4, ui().Edit5, ui().Edit6, ui().Edit7, ui().Edit8})
        expectWhole(box);
    EXPECT_EQ(ui().Edit7->text(), QStringLiteral("999,7335675"));
}

TEST_F(NumberBoxes, TextsThatFitKeepTheDescribedSizeAndCopyGivesTheWholeText)
{
    for (NumberBox* box : resultBoxes())
        EXPECT_EQ(box->font(), box->describedFont()) << box->objectName().toStdString();
    QTest::mouseClick(ui().RadioButton1, Qt::LeftButton);
    retype(ui().Edit2, QStringLiteral("125"));
    clickRow(QStringLiteral("g6"));
    NumberBox* radius = ui().Edit8;
    ASSERT_LT(QFontInfo(radius->font()).pixelSize(), QFontInfo(radius->describedFont()).pixelSize());
    QTest::mouseClick(radius, Qt::LeftButton);
    QTest::keyClick(radius, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(radius, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("62,48675"));
}

TEST_F(NumberBoxes, EveryThreadHoleIsDrawnWhole)
{
    ui().PageControl1->setCurrentWidget(ui().TabSheet2);
    QComboBox* diameter = ui().cmbx_Rezba;
    QComboBox* pitch = ui().cmbx_ShagRezb;
    diameter->setFocus();
    QTest::keyClick(diameter, Qt::Key_Home);
    for (int d = 0; d < diameter->count(); ++d, QTest::keyClick(diameter, Qt::Key_Down)) {
        pitch->setFocus();
        QTest::keyClick(pitch, Qt::Key_Home);
        for (int p = 0; p < pitch->count(); ++p, QTest::keyClick(pitch, Qt::Key_Down)) {
            for (NumberBox* box : {ui().ed_DiamNom, ui().ed_DopRezb, ui().ed_MidlDopRezb}) {
                const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
                EXPECT_LE(QFontMetrics(box->font()).horizontalAdvance(box->text()) + 1, box->width() - 2 * frame - 4)
                    << box->objectName().toStdString() << " M" << diameter->currentText().toStdString();
            }
        }
        diameter->setFocus();
    }
    for (NumberBox* box : {ui().ed_DiamNom, ui().ed_DopRezb, ui().ed_MidlDopRezb})
        expectWhole(box);
}

TEST(NumberBox, BeyondTheFloorTheTextIsCutAtItsEndWithTheWholeTextKept)
{
    NumberBox box;
    box.setFont(QFont(QStringLiteral("DejaVu Sans"), 24));
    box.resize(60, 30);
    box.setReadOnly(true);
    box.setText(QStringLiteral("123456789012345678901234567890"));
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    EXPECT_TRUE(box.isCut());
    EXPECT_EQ(QFontInfo(box.font()).pixelSize(), NumberBox::FloorPixelSize);
    EXPECT_EQ(box.text(), QStringLiteral("123456789012345678901234567890"));
    const auto [first, last] = inkColumns(&box);
    EXPECT_GE(first, 0);
    EXPECT_LE(first, 10); // the beginning stays in view
}

TEST(NumberBox, TheKeypadDisplayShowsALongEntryWhole)
{
    Tfrm_KeyBoard keypad;
    keypad.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&keypad));
    auto* display = keypad.findChild<NumberBox*>(QStringLiteral("Edit1"));
    ASSERT_NE(display, nullptr);
    for (const char* key : {"spbt_N1", "spbt_N2", "spbt_N3", "spbt_N4", "spbt_N5", "spbt_N6", "spbt_N7", "spbt_N8",
                            "spbt_N9", "spbt_N1", "spbt_N2", "spbt_N3", "spbt_N4", "spbt_N5", "spbt_N6", "spbt_N7"}) {
        auto* button = keypad.findChild<QWidget*>(QString::fromLatin1(key));
        ASSERT_NE(button, nullptr) << key;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    EXPECT_EQ(display->text().size(), 16);
    expectWhole(display);
}
