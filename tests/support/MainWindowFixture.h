// The main window shown offscreen for a test, with the user's ways of filling a box.
#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "frm_Main_Unit.h"

class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_window = std::make_unique<TForm1>();
        Form1 = m_window.get();
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void TearDown() override { Form1 = nullptr; }

    TForm1& w() { return *m_window; }

    // The thread page as the user opens it, by its tab.
    void openThreadPage()
    {
        QTabBar* tabs = m_window->PageControl1->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        QCoreApplication::processEvents();
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
};
