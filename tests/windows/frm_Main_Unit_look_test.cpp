// How the main window's controls are measured and laid out when shown: labels
// that fit their captions at their first showing (the hidden page's only when
// that page is shown), and the row heights of the field list and the thread
// drop-downs.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>
#include <QHelpEvent>
#include <memory>

#include "CaptionFit.h"
#include "StatusPanel.h"
#include "UiStyle.h"
#include "MainWindowControls.h"
#include "frm_Main_Unit.h"

namespace {

// Whether a picture holds a pixel of the colour within a rectangle.
bool holdsColour(const QImage& picture, const QRect& rect, const QColor& colour)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (picture.pixelColor(x, y) == colour)
                return true;
    return false;
}

class MainWindowLook : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_window = std::make_unique<TForm1>();
    }

    void showWindow()
    {
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    }
    QLabel* label(const char* name) const { return m_window->findChild<QLabel*>(QLatin1String(name)); }

    // The window's controls, by their objectNames.
    const MainWindowControls& ui() const { return m_controls.of(*m_window); }

    std::unique_ptr<TForm1> m_window;
    mutable MainWindowControlsCache m_controls;
};

TEST_F(MainWindowLook, LabelsFitTheirCaptionsOnceShownAndNeverShrink)
{
    // Declared 56 x 13: "Квалитет" in bold needs more.
    QLabel* quality = label("Label5");
    ASSERT_NE(quality, nullptr);
    showWindow();
    // As a label's own size hint has it, never less than the declared bounds.
    const std::pair<const char*, QSize> declared[] = {
        {"Label5", {56, 13}}, {"Label1", {27, 13}}, {"Label6", {160, 13}}, {"Label7", {110, 13}},
        {"Label10", {30, 13}}, {"Label13", {97, 16}}, {"Label9", {24, 48}}, {"Label4", {56, 45}},
    };
    for (const auto& [name, bounds] : declared) {
        SCOPED_TRACE(name);
        QLabel* shown = label(name);
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->size(), bounds.expandedTo(shown->sizeHint()));
    }
    // Bounds wider than the caption stay as declared.
    EXPECT_EQ(label("Label8")->width(), 50);
    EXPECT_EQ(label("Label9")->pos(), QPoint(296, 208));
    EXPECT_EQ(label("Label9")->height(), 48);
}

TEST_F(MainWindowLook, TheThreadPageIsMadeAndMeasuredWhenItIsFirstOpened)
{
    showWindow();
    EXPECT_EQ(ui().TabSheet2->findChild<QLabel*>(QStringLiteral("Label21")), nullptr);
    ui().PageControl1->setCurrentIndex(1);
    QApplication::processEvents();
    QLabel* letter = label("Label21"); // "D   =" in 32 px bold, declared 86 x 38
    ASSERT_NE(letter, nullptr);
    const QRect declared(16, 68, 86, 38);
    EXPECT_TRUE(letter->isVisible());
    EXPECT_EQ(letter->pos(), declared.topLeft());
    EXPECT_EQ(letter->size(), declared.size().expandedTo(letter->sizeHint()));
    // A label the program fills later keeps its bounds.
    EXPECT_EQ(label("lb_Rezba")->geometry(), QRect(328, 32, 260, 20));
    // Word-wrapped captions keep their bounds and break within them.
    EXPECT_EQ(label("Label30")->geometry(), QRect(16, 40, 218, 28));
    EXPECT_EQ(label("Label18")->geometry(), QRect(16, 24, 150, 28));
}

TEST(CaptionFit, ALabelIsMeasuredInItsOwnFontAtItsFirstShowingOnly)
{
    QWidget host;
    auto* label = new QLabel(QStringLiteral("Радиус при 37 px"), &host);
    label->setGeometry(4, 4, 10, 10);
    QFont font = label->font();
    font.setPixelSize(37);
    label->setFont(font);
    CaptionFit::fitWhenShown(label, label->size());
    EXPECT_EQ(label->size(), QSize(10, 10));
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    EXPECT_EQ(label->size(), label->sizeHint());
    // Later captions do not refit: the label keeps the size of its first showing.
    const QSize first = label->size();
    label->setText(QStringLiteral("R"));
    label->hide();
    label->show();
    EXPECT_EQ(label->size(), first);
}

TEST_F(MainWindowLook, FieldListRowsAre13PixelsHigh)
{
    showWindow();
    QListWidget* list = ui().ListBox1;
    ASSERT_GT(list->count(), 2);
    EXPECT_EQ(list->visualItemRect(list->item(0)).height(), 13);
    EXPECT_EQ(list->visualItemRect(list->item(1)).top(), list->visualItemRect(list->item(0)).top() + 13);
    // 345 px of list: about two dozen rows in view, as on the original desktop.
    EXPECT_GE(list->viewport()->height() / 13, 24);
    // The rows are painted by the list's own delegate: navy text on every row in view.
    const QImage picture = list->viewport()->grab().toImage();
    for (int row : {0, 1, 5})
        EXPECT_TRUE(holdsColour(picture, list->visualItemRect(list->item(row)), UiStyle::Navy)) << row;
    // The scroll bar's arrows keep the usual text colour.
    EXPECT_EQ(list->verticalScrollBar()->palette().color(QPalette::ButtonText),
              QApplication::palette().color(QPalette::WindowText));
}

TEST_F(MainWindowLook, ThreadDropDownRowsAreAtLeast20PixelsAndAClickChoosesOne)
{
    showWindow();
    ui().PageControl1->setCurrentIndex(1);
    QComboBox* diameters = ui().cmbx_Rezba;
    ASSERT_GT(diameters->count(), 3);
    diameters->showPopup();
    QAbstractItemView* popup = diameters->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup->window()));
    const int current = diameters->currentIndex();
    const int wanted = current > 0 ? current - 1 : current + 1;
    const QModelIndex row = popup->model()->index(wanted, diameters->modelColumn());
    popup->scrollTo(row);
    const QRect rect = popup->visualRect(row);
    EXPECT_GE(rect.height(), 20);
    // Black text, not the navy of the group box around the box, painted on the row.
    const QColor black = QApplication::palette().color(QPalette::WindowText);
    EXPECT_EQ(diameters->palette().color(QPalette::Text), black);
    EXPECT_TRUE(holdsColour(popup->viewport()->grab().toImage(), rect, black));
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, rect.center());
    QApplication::processEvents();
    EXPECT_EQ(diameters->currentIndex(), wanted);
    EXPECT_FALSE(popup->window()->isVisible());
}

// A reason or a fit's line longer than its status panel is drawn smaller and whole; only a
// text too long even at the smallest size loses its end, and its hint then holds it. A
// short status keeps the panel's own font.
TEST_F(MainWindowLook, StatusPanelsShowTheirWholeText)
{
    showWindow();
    auto* note = m_window->findChild<StatusPanel*>(QStringLiteral("Panel2"));
    auto* status = m_window->findChild<StatusPanel*>(QStringLiteral("Panel1"));
    ASSERT_TRUE(note && status);
    status->setText(QStringLiteral("Ø1800 D9/js8: зазор 110…605 мкм, натяг до 0 мкм"));
    EXPECT_TRUE(status->showsWholeText());
    EXPECT_LT(QFontInfo(status->shownFont()).pixelSize(), QFontInfo(status->font()).pixelSize());
    EXPECT_GE(QFontInfo(status->shownFont()).pixelSize(), StatusPanel::SmallestPixelSize);

    ui().Edit2->selectAll();
    QTest::keyClicks(ui().Edit2, QStringLiteral("4000")); // the reason goes to the note panel
    ASSERT_GT(note->text().size(), 40) << note->text().toStdString();
    if (!note->showsWholeText()) {
        QHelpEvent hint(QEvent::ToolTip, note->rect().center(), note->mapToGlobal(note->rect().center()));
        QApplication::sendEvent(note, &hint);
        EXPECT_EQ(QToolTip::text(), note->text());
    }

    status->setText(QStringLiteral("  "));
    EXPECT_EQ(status->shownFont(), status->font());
}

} // namespace
