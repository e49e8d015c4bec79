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
    Form1 = mainWindow;
    createSecondaryWindows(mainWindow);
    mainWindow->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(mainWindow));
    const std::initializer_list<QWidget*> secondary{frm_Table, frm_About, frm_ListOf_Ferrak, frm_FastNamber,
                                                    frm_RezbTabl, frm_KeyBoard};
    // Each exists with its name and size, but makes its controls only when first shown.
    for (QWidget* window : secondary) {
        ASSERT_TRUE(window && !window->isVisible());
        EXPECT_TRUE(window->findChildren<QWidget*>().isEmpty()) << window->objectName().toStdString();
    }

    auto click = [](QWidget* widget, QPoint at) { QTest::mouseClick(widget, Qt::LeftButton, {}, at); };
    EXPECT_TRUE(openAndClose(frm_Table, [&] { click(mainWindow->Button20, mainWindow->Button20->rect().center()); }));
    EXPECT_TRUE(openAndClose(frm_About, [&] { click(mainWindow->Label13, QPoint(3, 3)); }));
    EXPECT_TRUE(openAndClose(frm_ListOf_Ferrak, [&] { click(mainWindow->Label5, QPoint(3, 3)); }));
    EXPECT_TRUE(openAndClose(frm_KeyBoard, [&] { click(mainWindow->spbt_keyb, mainWindow->spbt_keyb->rect().center()); }));
    click(mainWindow->CheckBox1, QPoint(5, mainWindow->CheckBox1->height() / 2)); // manual mode opens the quick numbers
    EXPECT_TRUE(openAndClose(frm_FastNamber, [&] { QTest::mouseDClick(mainWindow->Edit3, Qt::LeftButton); }));
    mainWindow->PageControl1->setCurrentWidget(mainWindow->TabSheet2);
    EXPECT_TRUE(openAndClose(frm_RezbTabl, [&] { click(mainWindow->btm_RezbTabl, mainWindow->btm_RezbTabl->rect().center()); }));
    for (QWidget* window : secondary)
        EXPECT_FALSE(window->findChildren<QWidget*>().isEmpty()) << window->objectName().toStdString();

    // Closing the main window ends the event loop, as it ends the program.
    QTimer::singleShot(0, mainWindow, [&] { mainWindow->close(); });
    const bool quitOnLast = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(true);
    EXPECT_EQ(QApplication::exec(), 0);
    QApplication::setQuitOnLastWindowClosed(quitOnLast);
    EXPECT_FALSE(mainWindow->isVisible());

    // The secondary windows belong to the main window and go with it.
    QPointer<QWidget> table = frm_Table;
    delete mainWindow;
    Form1 = nullptr;
    EXPECT_TRUE(table.isNull());
}
