// The main window: the frame of the tolerance page, the thread hole page and the fits
// page, with the status bar, and the owner of the six secondary windows it opens.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include "FieldFilter.h"

class FitsPage;
class ThreadTolerancePage;
class QLabel;
class QStatusBar;
class QTabWidget;
class Tfrm_About;
class Tfrm_FastNamber;
class Tfrm_KeyBoard;
class Tfrm_ListOf_Ferrak;
class Tfrm_RezbTabl;
class Tfrm_Table;
class ThreadPage;
class TolerancePage;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Creates the six secondary windows, hidden, in their start-up order, as children
    // of this window: they go with it. A second call changes nothing.
    void createSecondaryWindows();

    // The secondary windows; null before createSecondaryWindows() and once one is gone.
    Tfrm_Table* frm_Table() const;
    Tfrm_About* frm_About() const;
    Tfrm_ListOf_Ferrak* frm_ListOf_Ferrak() const;
    Tfrm_FastNamber* frm_FastNamber() const;
    Tfrm_RezbTabl* frm_RezbTabl() const;
    Tfrm_KeyBoard* frm_KeyBoard() const;

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void FormShow();
    void Label13Click();
    void PageControl1Change();
    void showToleranceTable(tolerance::TypeFilterItem columnOrder);
    void showThreadTable();
    // A page's status: shown while that page is the one open.
    void showPageStatus(const QWidget* page, const QString& text);
    void setStatus(const QString& text);
    // The next page (step 1) or the previous (-1), round the end.
    void turnPage(int step);

private:
    void FormCreate();

    QStatusBar* StatusBar1 = nullptr;
    QLabel* Panel0 = nullptr;
    QLabel* Panel1 = nullptr;
    QLabel* Panel2 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    TolerancePage* TabSheet1 = nullptr;
    ThreadPage* TabSheet2 = nullptr; // its controls are made when it is first opened
    FitsPage* TabSheet3 = nullptr; // its controls are made when it is first opened
    ThreadTolerancePage* TabSheet4 = nullptr; // its controls are made when it is first opened

    QPointer<Tfrm_Table> m_table;
    QPointer<Tfrm_About> m_about;
    QPointer<Tfrm_ListOf_Ferrak> m_fieldPicker;
    QPointer<Tfrm_FastNamber> m_quickNumbers;
    QPointer<Tfrm_RezbTabl> m_threadTable;
    QPointer<Tfrm_KeyBoard> m_keypad;

    bool m_shown = false;
};

// Creates the six secondary windows of the main window, hidden, in their start-up order.
inline void createSecondaryWindows(TForm1* mainWindow) { mainWindow->createSecondaryWindows(); }
