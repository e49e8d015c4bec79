// One answer on every page: the tolerance page, the tolerance table and the ISO 286
// engine agree below 1 mm; a size without a positive smallest limit size has no data,
// with the reason; the catalogue's rounded JS7 names the exact value wherever it is shown.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "Data_Unit.h"
#include "Limits.h"
#include "MainWindowFixture.h"
#include "NumberText.h"
#include "RefusalText.h"
#include "ToleranceTableModel.h"

namespace {

using number::Decimal;

const QString NoData = QStringLiteral("нет данных");
const char* const Js7At8 = "IT7 = 15 мкм нечётный: отклонения округлены до ±7 мкм, точно ±7,5";

Decimal read(const QString& text)
{
    const auto value = number::parseNumberText(text.toStdString());
    EXPECT_TRUE(value) << text.toStdString();
    return value.value_or(Decimal{});
}

class OneAnswer : public MainWindowFixture {
protected:
    void show(const QString& size, const QString& field)
    {
        retype(ui().Edit2, size);
        clickRow(field);
    }
    QString status() const { return ui().Panel2->text().trimmed(); }
    std::vector<NumberBox*> numberBoxes() const
    {
        return {ui().Edit3, ui().Edit4, ui().Edit5, ui().Edit6, ui().Edit7, ui().Edit8};
    }
};

} // namespace

// Every field at three sizes below 1 mm: what the engine defines, the page shows and the
// table's row "0-1" holds; what it refuses, the page refuses with its reason.
TEST_F(OneAnswer, PageTableAndEngineBelowOneMm)
{
    ToleranceTableModel table;
    table.setTypeFilter(tolerance::AllFieldsItem);
    ASSERT_EQ(table.cell(0, 2).text(), QStringLiteral("0-1"));
    ASSERT_EQ(ui().ListBox1->count(), Data_Unit::FieldCount);
    int shown = 0;
    for (const char* sizeText : {"0,001", "0,5", "0,999"}) {
        for (int row = 0; row < ui().ListBox1->count(); ++row) {
            const int field = ui().ListRowMap[std::size_t(row)];
            const QString designation = QString::fromStdString(Data_Unit::Designation(field));
            show(QString::fromUtf8(sizeText), designation);
            SCOPED_TRACE(designation.toStdString() + " at " + sizeText);
            const Decimal size = read(QString::fromUtf8(sizeText));
            const iso286::Limits iso = iso286::limitsOf(size, Data_Unit::IsoClass(field));
            const iso286::Limits interval = iso286::limitsOf(Decimal{1}, Data_Unit::IsoClass(field));
            int column = 1;
            while (table.fieldOfColumn(column) != field)
                ++column;
            const QString cell = table.cell(column, 2).text();

            if (iso.defined) {
                ++shown;
                EXPECT_EQ(read(ui().Edit3->text()), iso.upper.scaled(-3));
                EXPECT_EQ(read(ui().Edit4->text()), iso.lower.scaled(-3));
                EXPECT_EQ(read(ui().Edit5->text()), iso.largest);
                EXPECT_EQ(read(ui().Edit6->text()), iso.smallest);
            } else {
                const QString reason = QString::fromStdString(iso286::reasonText(iso.refusal));
                for (NumberBox* box : numberBoxes())
                    EXPECT_EQ(box->text(), NoData) << box->objectName().toStdString();
                EXPECT_EQ(status(), reason);
                EXPECT_EQ(ui().Edit2->toolTip(), reason);
            }
            // The table holds the interval's deviations, whatever the size within it.
            if (!interval.defined) {
                EXPECT_EQ(cell, QStringLiteral("---"));
                continue;
            }
            const QStringList lines = cell.split(QLatin1Char('\n'));
            const Decimal upper = read(lines[0].startsWith(QStringLiteral("±")) ? lines[0].mid(1) : lines[0]);
            const Decimal lower = lines.size() == 2 ? read(lines[1]) : -upper;
            EXPECT_EQ(upper, interval.upper);
            EXPECT_EQ(lower, interval.lower);
            if (iso.defined) {
                EXPECT_EQ(upper, iso.upper);
                EXPECT_EQ(lower, iso.lower);
            }
        }
    }
    // Not a count to keep, a guard that the loop saw both answers.
    EXPECT_GT(shown, 40);
    EXPECT_LT(shown, 120);
}

TEST_F(OneAnswer, NoDataSaysWhyAndAnswersSayWhatTheyRound)
{
    struct Case {
        const char* size;
        const char* field;
        const char* upper; // or "нет данных"
        const char* status;
    } const cases[] = {
        {"0,5", "h9", "0", ""},
        {"0,5", "g6", "-0,002", ""},
        {"0,001", "h9", "нет данных", "При Ø0,001 мм наименьший размер вала h9 был бы −0,024 мм"},
        {"0,5", "b12", "нет данных", "Поле b12 для размеров до 1 мм не определено"},
        {"0,5", "h14", "нет данных", "Квалитеты IT14…IT18 определены для размеров свыше 1 мм"},
        {"1", "H16", "нет данных", "Квалитеты IT14…IT18 определены для размеров свыше 1 мм"},
        {"999", "d11", "нет данных", "d11 при Ø999: в таблице нет, см. «Посадки»"},
        {"1500", "g6", "нет данных", "g6 при Ø1500: в таблице нет, см. «Посадки»"},
        {"8", "Js7", "+0,007", Js7At8},
        {"8", "Js6", "+0,0045", ""},
        {"0", "h9", "нет данных", "Номинальный размер должен быть больше 0 мм"},
    };
    for (const Case& c : cases) {
        show(QString::fromUtf8(c.size), QString::fromUtf8(c.field));
        SCOPED_TRACE(std::string(c.field) + " at " + c.size);
        EXPECT_EQ(ui().Edit3->text(), QString::fromUtf8(c.upper));
        EXPECT_EQ(status(), QString::fromUtf8(c.status));
        const bool noData = ui().Edit3->text() == NoData;
        EXPECT_EQ(ui().Edit2->toolTip() == QString::fromUtf8(c.status), noData);
        // No page shows a size of 0 or less.
        for (NumberBox* box : {ui().Edit5, ui().Edit6})
            EXPECT_TRUE(noData || read(box->text()) > Decimal{}) << box->text().toStdString();
    }
    // The note stays when the mouse crosses the page, and the deviations carry it in their hints.
    show(QStringLiteral("8"), QStringLiteral("Js7"));
    EXPECT_TRUE(ui().Edit3->toolTip().endsWith(QString::fromUtf8(Js7At8)));
    EXPECT_TRUE(ui().Edit4->toolTip().endsWith(QString::fromUtf8(Js7At8)));
    QTest::mouseMove(ui().TabSheet1, QPoint(2, ui().TabSheet1->height() - 2));
    EXPECT_EQ(status(), QString::fromUtf8(Js7At8));
}

TEST_F(OneAnswer, TheTableAndTheFitsPageNameTheExactJs7)
{
    ToleranceTableModel table;
    table.setTypeFilter(tolerance::AllFieldsItem);
    int js7 = 1;
    while (Data_Unit::Designation(table.fieldOfColumn(js7)) != "Js7")
        ++js7;
    const QModelIndex at8 = table.index(3, js7 - 1); // the range over 6 up to 10 mm
    EXPECT_EQ(table.data(at8).toString(), QStringLiteral("±7"));
    EXPECT_EQ(table.data(at8, Qt::ToolTipRole).toString(), QString::fromUtf8(Js7At8));
    EXPECT_FALSE(table.data(table.index(2, js7 - 1), Qt::ToolTipRole).isValid()); // IT7 = 12 at 3-6 mm

    clickTab(2);
    FitsPage& fits = *ui().TabSheet3;
    for (auto [box, text] : {std::pair<QLineEdit*, QString>{fits.ed_PosRazmer, QStringLiteral("8")},
                             std::pair{fits.cmbx_Otverstie->lineEdit(), QStringLiteral("JS7")},
                             std::pair{fits.cmbx_Val->lineEdit(), QStringLiteral("h6")}}) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, text);
    }
    EXPECT_EQ(fits.ed_OtvES->text(), QStringLiteral("+7"));
    EXPECT_TRUE(fits.cmbx_Otverstie->toolTip().endsWith(QString::fromUtf8(Js7At8)));
}
