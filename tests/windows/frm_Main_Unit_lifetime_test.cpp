// The whole program's life as a user sees it: start-up with all seven windows,
// each secondary window opened from the main window and closed once, and the
// orderly end when the main window is closed. Under the sanitizer build the leak
// check at exit then shows that nothing the program allocated stays behind.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPointer>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>
#include <vector>

#include "frm_About_Unit.h"
#include "frm_FastNamber_Unit.h"
#include "frm_KeyBoard_unit.h"
#include "frm_List_unit.h"
#include "frm_Main_Unit.h"
#include "frm_RezbTabl_Unit.h"
#include "frm_Tabl_unit.h"

namespace {

// Opens a secondary window through the main window and closes it from its own event loop.
bool openAndClose(QDialog* dialog, const std::function<void()>& open)
{
    bool shown = false;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, dialog, [&] {
        if (dialog->isVisible()) {
            shown = true;
            poll.stop();
            dialog->close();
        }
    });
    poll.start();
    open();
    poll.stop();
    return shown && !dialog->isVisible();
}

} // namespace

TEST(ProgramLifetime, StartShowEveryWindowOnceAndQuit)
{
    // As the program starts: the main window first, then the six secondary windows, hidden.
    auto* mainWindow = new TForm1;
    createSecondaryWindows(mainWindow);
    mainWindow->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(mainWindow));
    const std::initializer_list<QWidget*> secondary{mainWindow->frm_Table(), mainWindow->frm_About(),
                                                    mainWindow->frm_ListOf_Ferrak(), mainWindow->frm_FastNamber(),
                                                    mainWindow->frm_RezbTabl(), mainWindow->frm_KeyBoard()};
    // Each exists with its name and size, but makes its controls only when first shown.
    for (QWidget* window : secondary) {
        ASSERT_TRUE(window && !window->isVisible());
        EXPECT_TRUE(window->findChildren<QWidget*>().isEmpty()) << window->objectName().toStdString();
    }
    // One instance each, however often they are asked for.
    createSecondaryWindows(mainWindow);
    EXPECT_EQ(mainWindow->findChildren<QDialog*>(QString(), Qt::FindDirectChildrenOnly).size(), 6);

    auto click = [](QWidget* widget, QPoint at) { QTest::mouseClick(widget, Qt::LeftButton, {}, at); };
    auto control = [mainWindow](const char* name) { return mainWindow->findChild<QWidget*>(QLatin1String(name)); };
    auto clickCentre = [&](const char* name) { click(control(name), control(name)->rect().center()); };
    EXPECT_TRUE(openAndClose(mainWindow->frm_Table(), [&] { clickCentre("Button20"); }));
    EXPECT_TRUE(openAndClose(mainWindow->frm_About(), [&] { click(control("Label13"), QPoint(3, 3)); }));
    EXPECT_TRUE(openAndClose(mainWindow->frm_ListOf_Ferrak(), [&] { click(control("Label5"), QPoint(3, 3)); }));
    EXPECT_TRUE(openAndClose(mainWindow->frm_KeyBoard(), [&] { clickCentre("spbt_keyb"); }));
    click(control("CheckBox1"), QPoint(5, control("CheckBox1")->height() / 2)); // manual mode opens the quick numbers
    EXPECT_TRUE(openAndClose(mainWindow->frm_FastNamber(), [&] { QTest::mouseDClick(control("Edit3"), Qt::LeftButton); }));
    auto* pages = mainWindow->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    pages->setCurrentWidget(control("TabSheet2"));
    EXPECT_TRUE(openAndClose(mainWindow->frm_RezbTabl(), [&] { clickCentre("btm_RezbTabl"); }));
    for (QWidget* window : secondary)
        EXPECT_FALSE(window->findChildren<QWidget*>().isEmpty()) << window->objectName().toStdString();

    // Closing the main window ends the event loop, as it ends the program.
    QTimer::singleShot(0, mainWindow, [&] { mainWindow->close(); });
    const bool quitOnLast = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(true);
    EXPECT_EQ(QApplication::exec(), 0);
    QApplication::setQuitOnLastWindowClosed(quitOnLast);
    EXPECT_FALSE(mainWindow->isVisible());

    // The secondary windows belong to the main window and go with it: nothing is left
    // that still points at one of them.
    std::vector<QPointer<QWidget>> windows(secondary.begin(), secondary.end());
    delete mainWindow;
    for (const QPointer<QWidget>& window : windows)
        EXPECT_TRUE(window.isNull());
}

TEST(ProgramLifetime, AWindowClosedByItselfIsNoLongerReached)
{
    TForm1 mainWindow;
    createSecondaryWindows(&mainWindow);
    delete mainWindow.frm_About();
    EXPECT_EQ(mainWindow.frm_About(), nullptr);
    // The about link then opens nothing, and the program goes on.
    mainWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
    QTest::mouseClick(mainWindow.findChild<QWidget*>(QStringLiteral("Label13")), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(mainWindow.isVisible());
}
