#include "frm_Main_Unit.h"

#include <QCoreApplication>
#include <QLabel>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>

#include "AppInfo.h"
#include "Data_Unit.h"
#include "FitsPage.h"
#include "KeyboardShortcuts.h"
#include "StatusPanel.h"
#include "ThreadPage.h"
#include "ThreadTolerancePage.h"
#include "TolerancePage.h"
#include "UiStyle.h"
#include "WindowPlacement.h"
#include "frm_About_Unit.h"
#include "frm_FastNamber_Unit.h"
#include "frm_KeyBoard_unit.h"
#include "frm_List_unit.h"
#include "frm_RezbTabl_Unit.h"
#include "frm_Tabl_unit.h"

namespace {

QString versionText() { return TForm1::tr("    Версия ") + QString::fromUtf8(AppInfo::Version); }

} // namespace

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QCoreApplication::translate("AppInfo", AppInfo::Title));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(UiStyle::sansFont(11));
    setAttribute(Qt::WA_AlwaysShowToolTips);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFixedHeight(19);
    Panel0 = new QLabel(StatusBar1);
    Panel0->setObjectName(QStringLiteral("Panel0"));
    Panel0->setFixedWidth(150);
    Panel1 = new StatusPanel(tr("Старое обозначение - СМ8"), StatusBar1);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedWidth(250);
    Panel2 = new StatusPanel(StatusBar1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setMinimumWidth(50);
    StatusBar1->addWidget(Panel0);
    StatusBar1->addWidget(Panel1);
    StatusBar1->addWidget(Panel2, 1);
    setStatusBar(StatusBar1);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TabSheet1 = new TolerancePage;
    TabSheet2 = new ThreadPage;
    PageControl1->addTab(TabSheet1, tr("Поля допусков"));
    PageControl1->addTab(TabSheet2, tr("Резьбы"));
    TabSheet3 = new FitsPage;
    TabSheet3->setObjectName(QStringLiteral("TabSheet3"));
    PageControl1->addTab(TabSheet3, tr("Посадки"));
    TabSheet4 = new ThreadTolerancePage; // names itself TabSheet4
    PageControl1->addTab(TabSheet4, tr("Допуски резьбы"));
    setCentralWidget(PageControl1);

    TabSheet1->createControls();
    // Each page writes its own status; the status bar shows the open page's.
    connect(TabSheet1, &TolerancePage::oldDesignationShown, this, [this](const QString& text) { showPageStatus(TabSheet1, text); });
    connect(TabSheet2, &ThreadPage::statusShown, this, [this](const QString& text) { showPageStatus(TabSheet2, text); });
    connect(TabSheet3, &FitsPage::statusShown, this, [this](const QString& text) { showPageStatus(TabSheet3, text); });
    connect(TabSheet4, &ThreadTolerancePage::statusShown, this, [this](const QString& text) { showPageStatus(TabSheet4, text); });
    connect(TabSheet1, &TolerancePage::noteShown, Panel2, &QLabel::setText);
    connect(TabSheet3, &FitsPage::noteShown, Panel2, &QLabel::setText);
    connect(TabSheet1, &TolerancePage::tableRequested, this, &TForm1::showToleranceTable);
    connect(TabSheet1, &TolerancePage::aboutRequested, this, &TForm1::Label13Click);
    connect(TabSheet2, &ThreadPage::tableRequested, this, &TForm1::showThreadTable);
    connect(TabSheet2, &ThreadPage::aboutRequested, this, &TForm1::Label13Click);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TForm1::PageControl1Change);
    // The about window from every page, as its two labels open it.
    connect(new QShortcut(KeyboardShortcuts::about(), this), &QShortcut::activated, this, &TForm1::Label13Click);
    // The tab control's own keys for the next and the previous page, whatever control has the
    // focus (a drop-down list keeps Ctrl+Tab to itself otherwise).
    connect(new QShortcut(QKeySequence::NextChild, this), &QShortcut::activated, this, [this] { turnPage(1); });
    connect(new QShortcut(QKeySequence::PreviousChild, this), &QShortcut::activated, this, [this] { turnPage(-1); });
    setFixedSize(644, 439);
    FormCreate();
    TabSheet1->focusSize();
}

TForm1::~TForm1()
{
    // The pages outlive this part of the window while Qt deletes its children, and a box
    // that loses the focus then still reports to the status bar: no page reports here any more.
    for (QWidget* page : {static_cast<QWidget*>(TabSheet1), static_cast<QWidget*>(TabSheet2),
                          static_cast<QWidget*>(TabSheet3), static_cast<QWidget*>(TabSheet4)})
        page->disconnect(this);
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Only the first showing: a restore from the task bar keeps the user's pitch.
    if (!m_shown) {
        m_shown = true;
        WindowPlacement::centreOnDesktop(this);
        FormShow();
    }
}

void TForm1::FormCreate()
{
    Panel0->setText(versionText());
    Data_Unit::FillSizeRanges();
    Data_Unit::FillDeviationTable();
    Data_Unit::FillFieldCatalogue();
    TabSheet1->RefillFieldList();
}

void TForm1::FormShow() { TabSheet2->FormShow(); }

// ---- the secondary windows ----

void TForm1::createSecondaryWindows()
{
    if (m_table)
        return;
    m_table = new Tfrm_Table(this);
    m_about = new Tfrm_About(this);
    m_fieldPicker = new Tfrm_ListOf_Ferrak(this);
    m_quickNumbers = new Tfrm_FastNamber(this);
    m_threadTable = new Tfrm_RezbTabl(this);
    m_keypad = new Tfrm_KeyBoard(this);
    TabSheet1->setDialogs(m_fieldPicker, m_quickNumbers, m_keypad);
}

Tfrm_Table* TForm1::frm_Table() const { return m_table; }
Tfrm_About* TForm1::frm_About() const { return m_about; }
Tfrm_ListOf_Ferrak* TForm1::frm_ListOf_Ferrak() const { return m_fieldPicker; }
Tfrm_FastNamber* TForm1::frm_FastNamber() const { return m_quickNumbers; }
Tfrm_RezbTabl* TForm1::frm_RezbTabl() const { return m_threadTable; }
Tfrm_KeyBoard* TForm1::frm_KeyBoard() const { return m_keypad; }

void TForm1::showToleranceTable(tolerance::TypeFilterItem columnOrder)
{
    if (!m_table)
        return;
    m_table->setTypeFilter(columnOrder);
    m_table->exec();
}

void TForm1::showThreadTable()
{
    if (m_threadTable)
        m_threadTable->exec();
}

void TForm1::Label13Click()
{
    if (m_about)
        m_about->exec();
}

// ---- the pages made when first opened ----

void TForm1::PageControl1Change()
{
    QWidget* page = PageControl1->currentWidget();
    if (page == TabSheet2)
        TabSheet2->ensureControls();
    else if (page == TabSheet3)
        TabSheet3->open(TabSheet1->sizeText());
    else if (page == TabSheet4)
        TabSheet4->open(TabSheet2->diameterText(), TabSheet2->pitchText());

    if (page == TabSheet1)
        setStatus(TabSheet1->statusText());
    else if (page == TabSheet2)
        setStatus(TabSheet2->statusText());
    else if (page == TabSheet3)
        setStatus(TabSheet3->statusText());
    else if (page == TabSheet4)
        setStatus(TabSheet4->statusText());
}

void TForm1::turnPage(int step)
{
    const int count = PageControl1->count();
    PageControl1->setCurrentIndex((PageControl1->currentIndex() + step + count) % count);
}

void TForm1::showPageStatus(const QWidget* page, const QString& text)
{
    if (PageControl1 && PageControl1->currentWidget() == page)
        setStatus(text);
}

void TForm1::setStatus(const QString& text)
{
    Panel1->setText(text);
    // A fit's line can be longer than the panel: its hint holds it whole.
    Panel1->setToolTip(text);
}
