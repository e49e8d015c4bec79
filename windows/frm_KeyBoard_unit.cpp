#include "frm_KeyBoard_unit.h"

#include "KeyboardShortcuts.h"
#include "UiStyle.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace {

// Digit keys in calculator order: 33-pixel keys on a 48 x 40 pitch inside Panel5.
constexpr int KeySize = 33;
constexpr int ColumnPitch = 48;
constexpr int RowPitch = 40;
constexpr int PanelMargin = 8;

QRect keyCell(int column, int row, int columns = 1, int rows = 1)
{
    return QRect(PanelMargin + column * ColumnPitch, PanelMargin + row * RowPitch,
                 KeySize + (columns - 1) * ColumnPitch, KeySize + (rows - 1) * RowPitch);
}

QFrame* makePanel(QWidget* parent, const char* name, const QRect& bounds, QFrame::Shadow shadow)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | shadow);
    panel->setLineWidth(1);
    panel->setGeometry(bounds);
    return panel;
}

} // namespace

Tfrm_KeyBoard::Tfrm_KeyBoard(QWidget* parent)
    : BuiltOnFirstShowing(parent)
{
    setObjectName(QStringLiteral("frm_KeyBoard"));
    setWindowTitle(tr("Клавиатура"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(246, 314);
    setFont(UiStyle::sansFont(11, true));
    UiStyle::setTextColour(this, UiStyle::Blue);
}

void Tfrm_KeyBoard::buildControls()
{
    Edit1 = new NumberBox(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(8, 8, 233, 26);
    Edit1->setReadOnly(true);
    Edit1->setFocusPolicy(Qt::NoFocus);
    Edit1->setContextMenuPolicy(Qt::NoContextMenu);
    Edit1->setFont(UiStyle::verdanaFont(16, true));
    Edit1->setText(QStringLiteral("0"));
    UiStyle::setTextColour(Edit1, UiStyle::Maroon);

    Key = new QTabWidget(this);
    Key->setObjectName(QStringLiteral("Key"));
    Key->setGeometry(8, 48, 233, 217);
    Key->setFocusPolicy(Qt::NoFocus);
    Key->tabBar()->setFocusPolicy(Qt::NoFocus);

    // Digits page.
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    Key->addTab(TabSheet1, tr("Цифры"));
    Panel5 = makePanel(TabSheet1, "Panel5", QRect(12, 8, 145, 169), QFrame::Sunken);
    Panel4 = makePanel(TabSheet1, "Panel4", QRect(163, 8, 49, 169), QFrame::Sunken);

    static const struct { const char* name; int column; int row; int columns; } digitKeys[10] = {
        {"spbt_N0", 0, 3, 2}, {"spbt_N1", 0, 2, 1}, {"spbt_N2", 1, 2, 1}, {"spbt_N3", 2, 2, 1},
        {"spbt_N4", 0, 1, 1}, {"spbt_N5", 1, 1, 1}, {"spbt_N6", 2, 1, 1},
        {"spbt_N7", 0, 0, 1}, {"spbt_N8", 1, 0, 1}, {"spbt_N9", 2, 0, 1},
    };
    for (int digit = 0; digit < 10; ++digit) {
        const auto& place = digitKeys[digit];
        m_digitKeys[digit] = makeKey(Panel5, place.name, QString::number(digit),
                                     keyCell(place.column, place.row, place.columns), UiStyle::Blue);
        connect(m_digitKeys[digit], &QToolButton::clicked, this, &Tfrm_KeyBoard::spbt_N1Click);
    }
    spbt_Point = makeKey(Panel5, "spbt_Point", QStringLiteral("."), keyCell(2, 3), UiStyle::Blue);
    connect(spbt_Point, &QToolButton::clicked, this, &Tfrm_KeyBoard::spbt_PointClick);

    spbt_Clear = makeKey(Panel4, "spbt_Clear", QStringLiteral("C"), QRect(PanelMargin, PanelMargin, 33, 73),
                         UiStyle::Red, KeyboardShortcuts::hintWith(tr("Очистить экран"), QKeySequence(Qt::Key_Delete)));
    connect(spbt_Clear, &QToolButton::clicked, this, &Tfrm_KeyBoard::spbt_ClearClick);
    spbt_BS = makeKey(Panel4, "spbt_BS", QStringLiteral("BS"), QRect(PanelMargin, PanelMargin + 2 * RowPitch, 33, 73),
                      UiStyle::Red, KeyboardShortcuts::hintWith(tr("Удалить последний символ"), QKeySequence(Qt::Key_Backspace)));
    connect(spbt_BS, &QToolButton::clicked, this, &Tfrm_KeyBoard::spbt_BSClick);

    // Memory page.
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    Key->addTab(TabSheet2, tr("Память"));
    Panel6 = makePanel(TabSheet2, "Panel6", QRect(0, 0, 227, 188), QFrame::Raised);

    RadioGroup2 = new QGroupBox(tr("Память"), Panel6);
    RadioGroup2->setObjectName(QStringLiteral("RadioGroup2"));
    RadioGroup2->setGeometry(6, 4, 122, 178);
    m_cellButtons = new QButtonGroup(this);
    m_cellButtons->setExclusive(true);
    for (int cell = 1; cell <= KeypadDisplay::CellCount; ++cell) {
        auto* item = new QRadioButton(RadioGroup2);
        item->setGeometry(8, 20 + (cell - 1) * 22, 110, 20);
        item->setFocusPolicy(Qt::NoFocus);
        m_cellButtons->addButton(item, cell);
        m_cellItems[cell - 1] = item;
        showCellCaption(cell);
    }
    m_cellItems[0]->setChecked(true);

    spbt_MS = makeKey(Panel6, "spbt_MS", QStringLiteral("x->M"), QRect(134, 10, 86, 33), UiStyle::Green,
                      tr("Занести число в память"));
    spbt_MR = makeKey(Panel6, "spbt_MR", QStringLiteral("M->x"), QRect(134, 52, 86, 33), UiStyle::Purple,
                      tr("Отобразить число из памяти на экране"));
    spbt_MC = makeKey(Panel6, "spbt_MC", QStringLiteral("MC"), QRect(134, 100, 86, 33), UiStyle::Red,
                      tr("Стереть ячейку памяти"));
    spbt_MC_All = makeKey(Panel6, "spbt_MC_All", QStringLiteral("MC-All"), QRect(134, 142, 86, 33), UiStyle::Red,
                          tr("Стереть все ячейки памяти"));
    connect(spbt_MS, &QToolButton::clicked, this, &Tfrm_KeyBoard::spbt_MSClick);
    connect(spbt_MR, &QToolButton::clicked, this, &Tfrm_KeyBoard::spbt_MRClick);
    connect(spbt_MC, &QToolButton::clicked, this, &Tfrm_KeyBoard::spbt_MCClick);
    connect(spbt_MC_All, &QToolButton::clicked, this, &Tfrm_KeyBoard::spbt_MC_AllClick);

    // The memory page by keyboard: its tab, its cells (one stop, the arrow keys move between
    // them) and its four keys are Tab stops, Space presses a key. The digit keys need no stop:
    // the keyboard's own keys press them.
    Key->tabBar()->setFocusPolicy(Qt::TabFocus);
    for (QRadioButton* item : m_cellItems)
        item->setFocusPolicy(Qt::TabFocus);
    for (QToolButton* memoryKey : {spbt_MS, spbt_MR, spbt_MC, spbt_MC_All})
        memoryKey->setFocusPolicy(Qt::TabFocus);

    Key->setCurrentWidget(TabSheet1);

    SpeedButton2 = makeKey(this, "SpeedButton2", QStringLiteral("Enter"), QRect(128, 272, 113, 33), UiStyle::Green,
                           KeyboardShortcuts::hintWith(tr("Вставить число "), QKeySequence(Qt::Key_Return)));
    connect(SpeedButton2, &QToolButton::clicked, this, &Tfrm_KeyBoard::SpeedButton2Click);
}

QToolButton* Tfrm_KeyBoard::makeKey(QWidget* parent, const char* name, const QString& caption,
                                     const QRect& bounds, const QColor& colour, const QString& hint)
{
    auto* key = new QToolButton(parent);
    key->setObjectName(QString::fromLatin1(name));
    key->setText(caption);
    key->setGeometry(bounds);
    key->setFont(UiStyle::sansFont(16, true));
    UiStyle::setTextColour(key, colour);
    key->setCursor(Qt::PointingHandCursor);
    key->setFocusPolicy(Qt::NoFocus);
    if (!hint.isEmpty())
        key->setToolTip(hint);
    return key;
}

QString Tfrm_KeyBoard::displayText() const { return QString::fromStdString(m_state.text()); }

void Tfrm_KeyBoard::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

QToolButton* Tfrm_KeyBoard::keyFor(const QKeyEvent* event) const
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier)
        return nullptr;
    switch (event->key()) {
    case Qt::Key_Comma:
    case Qt::Key_Period:
        return spbt_Point;
    case Qt::Key_Backspace:
        return spbt_BS;
    case Qt::Key_Delete:
        return spbt_Clear;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return SpeedButton2;
    default:
        break;
    }
    if (event->key() >= Qt::Key_0 && event->key() <= Qt::Key_9)
        return m_digitKeys[std::size_t(event->key() - Qt::Key_0)];
    return nullptr;
}

void Tfrm_KeyBoard::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        QDialog::keyPressEvent(event); // closes the keypad: the size stays as it was
        return;
    }
    // The display cannot be typed into: other keys do nothing.
    event->accept();
    if (QToolButton* key = keyFor(event))
        key->click();
}

void Tfrm_KeyBoard::FormShow()
{
    m_state.reset();
    setResult(QDialog::Rejected); // an Enter of an earlier showing does not carry over
    showDisplay();
}

void Tfrm_KeyBoard::spbt_N1Click()
{
    for (int digit = 0; digit < 10; ++digit) {
        if (sender() == m_digitKeys[digit]) {
            AppendDigit(QChar(u'0' + digit));
            return;
        }
    }
}

void Tfrm_KeyBoard::AppendDigit(QChar digit)
{
    m_state.appendDigit(digit.toLatin1());
    showDisplay();
}

void Tfrm_KeyBoard::spbt_PointClick()
{
    m_state.enterPoint();
    showDisplay();
}

void Tfrm_KeyBoard::spbt_ClearClick()
{
    m_state.reset();
    showDisplay();
}

void Tfrm_KeyBoard::spbt_BSClick()
{
    m_state.backspace();
    showDisplay();
}

void Tfrm_KeyBoard::spbt_MSClick()
{
    const int cell = selectedCell();
    if (!m_state.store(cell))
        return;
    showCellCaption(cell);
    showDisplay();
}

void Tfrm_KeyBoard::spbt_MRClick()
{
    m_state.recall(selectedCell());
    showDisplay();
}

void Tfrm_KeyBoard::spbt_MCClick()
{
    const int cell = selectedCell();
    m_state.clearCell(cell);
    showCellCaption(cell);
}

void Tfrm_KeyBoard::spbt_MC_AllClick()
{
    m_state.clearAllCells();
    for (int cell = 1; cell <= KeypadDisplay::CellCount; ++cell)
        showCellCaption(cell);
}

void Tfrm_KeyBoard::SpeedButton2Click()
{
    m_state.finish();
    showDisplay();
    accept();
}

int Tfrm_KeyBoard::selectedCell() const
{
    const int cell = m_cellButtons->checkedId();
    return cell >= 1 ? cell : 1;
}

void Tfrm_KeyBoard::showDisplay() { Edit1->setText(QString::fromStdString(m_state.text())); }

void Tfrm_KeyBoard::showCellCaption(int cell)
{
    m_cellItems[cell - 1]->setText(QString::fromStdString(m_state.cellCaption(cell)));
}
