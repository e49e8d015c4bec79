#include "ThreadPage.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include "ClickableLabel.h"
#include "KeyboardShortcuts.h"
#include "MainPageTexts.h"
#include "NumberBox.h"
#include "PageControls.h"
#include "RowHeightDelegate.h"
#include "ThreadSelection.h"
#include "UiStyle.h"

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

using PageControls::BevelKind;
using PageControls::makeBevel;
using PageControls::makeButton;

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QRect bounds, const QFont& font,
                  const QColor& colour)
{
    return PageControls::makeCaptionLabel(parent, name, text, bounds, font, colour);
}

NumberBox* makeEdit(QWidget* parent, const char* name, QRect bounds, const QFont& font, const QColor& colour,
                    const QColor& background, bool readOnly, const QString& hint)
{
    return PageControls::makePageBox(parent, name, bounds, font, colour, background, readOnly, hint);
}

} // namespace

ThreadPage::ThreadPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet2"));
}

void ThreadPage::FormShow()
{
    m_mainWindowShown = true;
    if (!controlsMade())
        return; // the page fills its pitches when it is made
    const int item = cmbx_Rezba->currentIndex();
    if (item >= 0)
        FillPitchList(cmbx_Rezba->itemData(item).toDouble());
}

void ThreadPage::createControls()
{
    QWidget* page = this;
    // The page lies in the main window: its button takes the window's font.
    const QFont windowFont = window()->font();
    const QFont bold11 = UiStyle::sansFont(11, true);
    const QFont bold32 = UiStyle::sansFont(32, true);
    const QFont bold16 = UiStyle::sansFont(16, true);
    const QFont bold13 = UiStyle::sansFont(13, true);
    const QFont bold24 = UiStyle::sansFont(24, true);
    const QColor windowText = QApplication::palette().color(QPalette::WindowText);
    const QColor menuBar = UiStyle::menuBarColour();

    auto makeGroup = [&](const char* name, const QString& title, QRect bounds, const QColor& colour) {
        return PageControls::makeGroupBox(page, name, title, bounds, bold11, colour);
    };
    auto makeList = [&](QWidget* parent, const char* name, QRect bounds, const QString& hint) {
        auto* box = new QComboBox(parent);
        box->setObjectName(QLatin1String(name));
        box->setGeometry(bounds);
        box->setFont(bold16);
        UiStyle::setTextColour(box, windowText); // not the navy of the group box around it
        box->setToolTip(hint);
        RowHeightDelegate::apply(box->view(), 20, RowHeightDelegate::Rule::AtLeast);
        return box;
    };

    GroupBox2 = makeGroup("GroupBox2", tr("РЕЗЬБА "), {16, 16, 601, 73}, UiStyle::Navy);
    Label14 = makeLabel(GroupBox2, "Label14", tr("М"), {24, 24, 40, 38}, bold32, windowText);
    cmbx_Rezba = makeList(GroupBox2, "cmbx_Rezba", {72, 29, 73, 28}, tr("Номинальный диамтр резьбы"));
    Label16 = makeLabel(GroupBox2, "Label16", tr("х"), {168, 20, 24, 38}, bold32, windowText);
    cmbx_ShagRezb = makeList(GroupBox2, "cmbx_ShagRezb", {208, 29, 73, 28}, tr("Шаг"));
    Bevel5 = makeBevel(GroupBox2, "Bevel5", {304, 16, 2, 49}, BevelKind::Vertical);
    lb_Rezba = makeLabel(GroupBox2, "lb_Rezba", QString(), {328, 32, 260, 20}, bold16, UiStyle::Maroon);

    GroupBox3 = makeGroup("GroupBox3", tr("Диам. отв. под резьбу (параметры)"), {16, 136, 289, 169}, UiStyle::Maroon);
    Label18 = makeLabel(GroupBox3, "Label18", tr("Диаметр отв. под нарезание резьбы"), {16, 24, 150, 28},
                        UiStyle::sansFont(11), UiStyle::Maroon);
    Label18->setWordWrap(true);
    Label18->setGeometry(16, 24, 150, 28);
    Label20 = makeLabel(GroupBox3, "Label20", tr("допуск"), {208, 24, 60, 14}, UiStyle::sansFont(11), UiStyle::Maroon);
    Label21 = makeLabel(GroupBox3, "Label21", QStringLiteral("D   ="), {16, 68, 86, 38}, bold32, UiStyle::Maroon);
    Label22 = makeLabel(GroupBox3, "Label22", tr("ном."), {40, 89, 36, 16}, bold13, UiStyle::Maroon);
    ed_DiamNom = makeEdit(GroupBox3, "ed_DiamNom", {104, 68, 89, 37}, bold24, UiStyle::Maroon, menuBar, true,
                          tr("Диаметр отв. под нарезание резьбы"));
    ed_DopRezb = makeEdit(GroupBox3, "ed_DopRezb", {200, 49, 65, 24}, bold13, UiStyle::Red, menuBar, true, tr("Допуск"));

    GroupBox4 = makeGroup("GroupBox4", tr("Диам. отв. под резьбу в СПД"), {328, 136, 289, 169}, UiStyle::Navy);
    Label30 = makeLabel(GroupBox4, "Label30", tr("Диаметр отв. под резьбу в середине поля допуска"),
                        {16, 40, 218, 28}, UiStyle::sansFont(11), UiStyle::Navy);
    Label30->setWordWrap(true);
    Label30->setGeometry(16, 40, 218, 28);
    Label31 = makeLabel(GroupBox4, "Label31", QStringLiteral("D  ="), {16, 84, 78, 38}, bold32, UiStyle::Navy);
    Label32 = makeLabel(GroupBox4, "Label32", tr("ср"), {40, 105, 30, 16}, bold13, UiStyle::Navy);
    ed_MidlDopRezb = makeEdit(GroupBox4, "ed_MidlDopRezb", {96, 84, 129, 37}, bold24, UiStyle::Navy, menuBar, true,
                              tr("Диаметр отв. под резьбу в середине поля допуска"));
    // The subscripts sit low after the letter D, in front of the "=".
    Label22->raise();
    Label32->raise();
    for (QLineEdit* box : {ed_DiamNom, ed_DopRezb, ed_MidlDopRezb})
        box->setFocusPolicy(Qt::StrongFocus);

    btm_RezbTabl = makeButton(page, "btm_RezbTabl", MainPageTexts::tableButton(), {448, 328, 171, 25}, windowFont);
    Label23 = PageControls::makeCaptionLabel<ClickableLabel>(page, "Label23", MainPageTexts::about(), {512, 360, 97, 16}, bold13, UiStyle::Blue);
    Label23->setCursor(Qt::PointingHandCursor);
    Label23->setToolTip(KeyboardShortcuts::hintWith(MainPageTexts::about(), KeyboardShortcuts::about()));
    Label23->takeKeyboardClicks();

    setTabOrder(cmbx_Rezba, cmbx_ShagRezb);
    setTabOrder(cmbx_ShagRezb, ed_DiamNom);
    setTabOrder(ed_DiamNom, ed_DopRezb);
    setTabOrder(ed_DopRezb, ed_MidlDopRezb);
    setTabOrder(ed_MidlDopRezb, btm_RezbTabl);
    setTabOrder(btm_RezbTabl, Label23);

    // Every choice of a diameter by the user, the one already shown included.
    connect(cmbx_Rezba, &QComboBox::activated, this, &ThreadPage::cmbx_RezbaChange);
    connect(cmbx_ShagRezb, &QComboBox::currentIndexChanged, this, &ThreadPage::cmbx_ShagRezbChange);
    connect(btm_RezbTabl, &QPushButton::clicked, this, &ThreadPage::btm_RezbTablClick);
    connect(Label23, &ClickableLabel::clicked, this, &ThreadPage::aboutRequested);
}

QString ThreadPage::diameterText() const
{
    return cmbx_Rezba ? cmbx_Rezba->currentText() : QString();
}

QString ThreadPage::pitchText() const
{
    return cmbx_ShagRezb ? cmbx_ShagRezb->currentText() : QString();
}

void ThreadPage::ensureControls()
{
    if (controlsMade())
        return;
    createControls();
    FillDiameterList();
    if (m_mainWindowShown)
        FormShow();
    // Made on a page that may already be shown: the controls are shown with it.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->show();
    if (window()->focusWidget() == this)
        focusFirstControl();
}

void ThreadPage::focusFirstControl()
{
    for (QWidget* next = nextInFocusChain(); next != this; next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && isAncestorOf(next) && next->isVisible() && next->isEnabled()) {
            next->setFocus();
            break;
        }
    }
}

void ThreadPage::FillDiameterList()
{
    const QSignalBlocker blocker(cmbx_Rezba);
    cmbx_Rezba->clear();
    for (const thread_calc::DiameterItem& item : thread_calc::DiameterList())
        cmbx_Rezba->addItem(qs(item.text), item.diameter);
    cmbx_Rezba->setCurrentIndex(thread_calc::DefaultDiameterPosition(cmbx_Rezba->count()));
}

void ThreadPage::FillPitchList(double diameter)
{
    {
        const QSignalBlocker blocker(cmbx_ShagRezb);
        cmbx_ShagRezb->clear();
        const std::vector<thread_calc::PitchItem> items = thread_calc::PitchList(diameter);
        for (const thread_calc::PitchItem& item : items)
            cmbx_ShagRezb->addItem(qs(item.text), item.threadIndex);
        cmbx_ShagRezb->setCurrentIndex(thread_calc::DefaultPitchPosition(items));
    }
    ShowThreadHole();
}

void ThreadPage::ShowThreadHole()
{
    const int item = cmbx_ShagRezb->currentIndex();
    if (item < 0)
        return;
    const thread_calc::ThreadHoleTexts texts = thread_calc::ShowThreadHole(cmbx_ShagRezb->itemData(item).toInt());
    if (!texts.kindCaption.empty())
        lb_Rezba->setText(qs(texts.kindCaption));
    ed_DiamNom->setText(qs(texts.holeDiameter));
    ed_DopRezb->setText(qs(texts.holeTolerance));
    ed_MidlDopRezb->setText(qs(texts.midDiameter));
    m_status = qs(texts.status);
    emit statusShown(m_status);
}

void ThreadPage::cmbx_RezbaChange()
{
    const int item = cmbx_Rezba->currentIndex();
    if (item < 0)
        return;
    FillPitchList(cmbx_Rezba->itemData(item).toDouble());
    cmbx_ShagRezb->setFocus();
}

void ThreadPage::cmbx_ShagRezbChange() { ShowThreadHole(); }

void ThreadPage::btm_RezbTablClick()
{
    emit tableRequested();
}

