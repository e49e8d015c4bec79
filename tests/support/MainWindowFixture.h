// The main window shown offscreen for a test, with the user's ways of filling a box.
#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "MainWindowControls.h"
#include "frm_Main_Unit.h"

class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_window = std::make_unique<TForm1>();
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    }

    TForm1& w() { return *m_window; }
    // The window's controls, by their objectNames.
    const MainWindowControls& ui() const { return m_controls.of(*m_window); }

    // A page as the user opens it, by its tab.
    void clickTab(int index)
    {
        QTabBar* tabs = ui().PageControl1->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    }
    void openThreadPage()
    {
        clickTab(1);
        QCoreApplication::processEvents();
    }

    // Clicks the row of the field list with this designation, in the case given.
    void clickRow(const QString& designation)
    {
        QListWidget* list = ui().ListBox1;
        const auto items = list->findItems(designation, Qt::MatchExactly | Qt::MatchCaseSensitive);
        ASSERT_EQ(items.size(), 1) << designation.toStdString();
        list->scrollToItem(items[0]);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items[0]).center());
    }

    // Replaces the text of a box by typing, as a user does.
    static void retype(QLineEdit* box, const QString& text)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

    std::unique_ptr<TForm1> m_window;
    mutable MainWindowControlsCache m_controls;
};
