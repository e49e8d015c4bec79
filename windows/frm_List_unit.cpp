#include "frm_List_unit.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QToolButton>
#include <algorithm>
#include <array>

#include "UiStyle.h"
#include "WindowPlacement.h"

namespace {

// Letter columns, left to right: b d g f F h H Js k/K N R S U.
constexpr int LetterColumns = 13;
// Quality rows, top to bottom: 6 7 8 9 11 12 13 14 15 16 (there is no quality 10).
constexpr int QualityRows = 10;

// Button places: columns 48 px apart from x = 88, rows 48 px apart from y = 64.
constexpr int FirstButtonX = 88;
constexpr int FirstButtonY = 64;
constexpr int Pitch = 48;
constexpr int ButtonWidth = 41;
constexpr int ButtonHeight = 33;

// The ruled table around the buttons.
constexpr int HeaderTop = 24;
constexpr int GridLeft = FirstButtonX - 4;
constexpr int GridTop = FirstButtonY - 8;
constexpr int RowHeaderLeft = 36;
constexpr int GridRight = GridLeft + LetterColumns * Pitch;
constexpr int GridBottom = GridTop + QualityRows * Pitch;

struct PickerButton {
    int number;          // SpeedButton<number>
    const char* caption; // the designation it picks
    int column;
    int row;
};

constexpr std::array<PickerButton, 41> Buttons{{
    {1, "g6", 2, 0}, {8, "h6", 5, 0}, {7, "H6", 6, 0}, {9, "Js6", 7, 0}, {2, "k6", 8, 0}, {3, "n6", 9, 0}, {4, "r6", 10, 0},
    {5, "f7", 3, 1}, {10, "h7", 5, 1}, {11, "H7", 6, 1}, {13, "Js7", 7, 1}, {41, "K7", 8, 1}, {12, "s7", 11, 1},
    {43, "f8", 3, 2}, {6, "F8", 4, 2}, {14, "h8", 5, 2}, {15, "H8", 6, 2}, {42, "u8", 12, 2},
    {44, "d9", 1, 3}, {45, "f9", 3, 3}, {17, "h9", 5, 3}, {18, "H9", 6, 3},
    {20, "d11", 1, 4}, {23, "h11", 5, 4}, {24, "H11", 6, 4},
    {21, "b12", 0, 5}, {26, "h12", 5, 5}, {27, "H12", 6, 5}, {28, "Js12", 7, 5},
    {29, "h13", 5, 6}, {30, "H13", 6, 6}, {31, "Js13", 7, 6},
    {32, "h14", 5, 7}, {33, "H14", 6, 7}, {34, "Js14", 7, 7},
    {35, "h15", 5, 8}, {36, "H15", 6, 8}, {37, "Js15", 7, 8},
    {38, "h16", 5, 9}, {39, "H16", 6, 9}, {40, "Js16", 7, 9},
}};

struct ColumnHeader {
    const char* caption;
    int firstColumn;
    int lastColumn;
};

// "F" stands over f and F, "H" over h and H, "K" over the column of K7 and k6.
constexpr std::array<ColumnHeader, 11> ColumnHeaders{{
    {"b", 0, 0}, {"d", 1, 1}, {"g", 2, 2}, {"F", 3, 4}, {"H", 5, 6}, {"Js", 7, 7},
    {"K", 8, 8}, {"N", 9, 9}, {"R", 10, 10}, {"S", 11, 11}, {"U", 12, 12},
}};

constexpr std::array<const char*, QualityRows> RowHeaders{"6", "7", "8", "9", "11", "12", "13", "14", "15", "16"};

// The field the catalogue does not hold: its button stays in the grid but cannot be picked.
constexpr const char* MissingField = "H6";

// A flat button of the grid that shows the keyboard's place by a frame in the highlight
// colour: a flat button has no focus frame of its own.
class GridButton : public QToolButton {
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QToolButton::paintEvent(event);
        if (!hasFocus())
            return;
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Active, QPalette::Highlight), 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};

QColor captionColour(const QString& designation)
{
    QString letter = designation;
    while (!letter.isEmpty() && letter.back().isDigit())
        letter.chop(1);
    return UiStyle::fieldColour(Data_Unit::LetterColour(letter.toStdString()));
}

QLabel* addLabel(QWidget* parent, const QString& text, const QRect& place, const QFont& font)
{
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(place);
    return label;
}

// A thin etched line, as a lowered bevel.
void addLine(QWidget* parent, Qt::Orientation orientation, int from, int to, int at)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(orientation == Qt::Horizontal ? QFrame::HLine : QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setLineWidth(1);
    if (orientation == Qt::Horizontal)
        line->setGeometry(from, at - 1, to - from, 2);
    else
        line->setGeometry(at - 1, from, 2, to - from);
}

} // namespace

Tfrm_ListOf_Ferrak::Tfrm_ListOf_Ferrak(QWidget* parent)
    : BuiltOnFirstShowing(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frm_ListOf_Ferrak"));
    setWindowTitle(tr("Поля допусков (список полей)"));
    setFont(UiStyle::sansFont(11));
    setFixedSize(711, 542);
}

void Tfrm_ListOf_Ferrak::buildControls()
{
    const QFont titleFont = UiStyle::sansFont(13, true);
    const QFont headerFont = UiStyle::sansFont(24, true);

    QLabel* letterTitle = addLabel(this, tr("Буква"), QRect(GridLeft, 4, GridRight - GridLeft, 18), titleFont);
    letterTitle->setObjectName(QStringLiteral("letterTitle"));
    QLabel* qualityTitle = addLabel(this, tr("К в а л и т е т"), QRect(8, GridTop, 20, GridBottom - GridTop), titleFont);
    qualityTitle->setObjectName(QStringLiteral("qualityTitle"));
    qualityTitle->setWordWrap(true);

    for (const ColumnHeader& header : ColumnHeaders) {
        const int left = GridLeft + header.firstColumn * Pitch;
        const int right = GridLeft + (header.lastColumn + 1) * Pitch;
        addLabel(this, QString::fromLatin1(header.caption), QRect(left, HeaderTop, right - left, GridTop - HeaderTop), headerFont);
    }
    for (int row = 0; row < QualityRows; ++row) {
        addLabel(this, QString::fromLatin1(RowHeaders[row]),
                 QRect(RowHeaderLeft, GridTop + row * Pitch, GridLeft - RowHeaderLeft, Pitch), headerFont);
    }

    // Lines between the rows (the first under the letter headers) and between the
    // columns (the first between the quality headers and b); the lines that split
    // f from F and h from H begin below the header row.
    for (int row = 0; row < QualityRows; ++row)
        addLine(this, Qt::Horizontal, RowHeaderLeft, GridRight, GridTop + row * Pitch);
    for (int column = 0; column < LetterColumns; ++column) {
        const bool underSharedHeader = column == 4 || column == 6;
        addLine(this, Qt::Vertical, underSharedHeader ? GridTop : HeaderTop, GridBottom, GridLeft + column * Pitch);
    }

    const QFont buttonFont = UiStyle::sansFont(13, true);
    for (const PickerButton& entry : Buttons) {
        auto* button = new GridButton(this);
        const QString caption = QString::fromLatin1(entry.caption);
        button->setObjectName(QStringLiteral("SpeedButton%1").arg(entry.number));
        button->setText(caption);
        button->setFont(buttonFont);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::TabFocus);
        button->installEventFilter(this);
        button->setGeometry(FirstButtonX + entry.column * Pitch, FirstButtonY + entry.row * Pitch, ButtonWidth, ButtonHeight);
        const QColor colour = captionColour(caption);
        UiStyle::setTextColour(button, colour);
        if (caption == QLatin1String(MissingField)) {
            // Still in its letter's colour, but faded like any disabled caption.
            QPalette faded = button->palette();
            const QColor face = UiStyle::buttonFace();
            faded.setColor(QPalette::Disabled, QPalette::ButtonText,
                           QColor((colour.red() + 2 * face.red()) / 3, (colour.green() + 2 * face.green()) / 3,
                                  (colour.blue() + 2 * face.blue()) / 3));
            button->setPalette(faded);
            button->setEnabled(false);
            button->setToolTip(tr("Поля %1 нет в таблице").arg(caption));
        }
        connect(button, &QToolButton::clicked, this, [this, button] { SpeedButtonClick(button); });
        const bool usable = button->isEnabled();
        m_buttons.push_back(button);
        m_places.push_back({entry.column, entry.row, usable});
        m_typeAheadCaptions.push_back(usable ? caption.toStdString() : std::string());
    }
}

void Tfrm_ListOf_Ferrak::SpeedButtonClick(const QToolButton* button)
{
    m_picked = button->text();
    accept();
}

void Tfrm_ListOf_Ferrak::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    WindowPlacement::centreOverOwner(this);
    int start = 0;
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        if (m_places[i].usable && m_buttons[i]->text() == m_start)
            start = int(i);
    focusButton(start);
}

void Tfrm_ListOf_Ferrak::focusButton(int index)
{
    if (index >= 0 && std::size_t(index) < m_buttons.size())
        m_buttons[std::size_t(index)]->setFocus(Qt::OtherFocusReason);
}

bool Tfrm_ListOf_Ferrak::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto found = std::find(m_buttons.begin(), m_buttons.end(), watched);
        if (found != m_buttons.end() && gridKey(int(found - m_buttons.begin()), static_cast<QKeyEvent*>(event)))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool Tfrm_ListOf_Ferrak::gridKey(int from, const QKeyEvent* event)
{
    if (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier))
        return false;
    using tolerance::GridStep;
    switch (event->key()) {
    case Qt::Key_Left:
        focusButton(tolerance::gridNeighbour(m_places, from, GridStep::Left));
        return true;
    case Qt::Key_Right:
        focusButton(tolerance::gridNeighbour(m_places, from, GridStep::Right));
        return true;
    case Qt::Key_Up:
        focusButton(tolerance::gridNeighbour(m_places, from, GridStep::Up));
        return true;
    case Qt::Key_Down:
        focusButton(tolerance::gridNeighbour(m_places, from, GridStep::Down));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_buttons[std::size_t(from)]->click();
        return true;
    default:
        break;
    }
    const QString typed = event->text();
    if (typed.isEmpty() || !typed.front().isLetterOrNumber())
        return false;
    const int row = m_typeAhead.rowFor(typed, m_typeAheadCaptions, from);
    focusButton(row);
    return true;
}
