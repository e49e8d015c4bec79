#include "frm_FastNamber_Unit.h"

#include "CaptionFit.h"
#include "ClickableLabel.h"
#include "NumberText.h"
#include "UiStyle.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

namespace {

struct ValueLabel {
    int number;          // LabelN
    const char* caption;
    int column;          // 0 ... 2
    int row;             // 0 ... 6
};

// A value's caption with the interface's decimal separator: "0,10" or "0.10".
QString captionText(const char* value)
{
    return QString::fromStdString(number::fixedNumberText(*number::parseNumberText(value), 2, 15));
}

// Three columns of values, 0,10 to 1,20, in rising order down each column.
constexpr ValueLabel ValueLabels[] = {
    {1, "0,10", 0, 0},  {19, "0,12", 0, 1}, {2, "0,15", 0, 2},  {20, "0,18", 0, 3},
    {3, "0,20", 0, 4},  {4, "0,25", 0, 5},  {5, "0,30", 0, 6},
    {16, "0,35", 1, 0}, {6, "0,40", 1, 1},  {7, "0,45", 1, 2},  {8, "0,50", 1, 3},
    {9, "0,55", 1, 4},  {10, "0,60", 1, 5}, {17, "0,65", 1, 6},
    {11, "0,70", 2, 0}, {12, "0,80", 2, 1}, {13, "0,90", 2, 2}, {14, "1,00", 2, 3},
    {15, "1,10", 2, 4}, {18, "1,20", 2, 5},
};

constexpr int ColumnX[] = {16, 72, 128};
constexpr int FirstRowY = 8;
constexpr int RowPitch = 24;

QFrame* makeBevel(QWidget* parent, const char* name, int x)
{
    auto* bevel = new QFrame(parent);
    bevel->setObjectName(QString::fromLatin1(name));
    bevel->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    bevel->setGeometry(x, 8, 2, 137);
    return bevel;
}

} // namespace

Tfrm_FastNamber::Tfrm_FastNamber(QWidget* parent)
    : BuiltOnFirstShowing(parent)
{
    setObjectName(QStringLiteral("frm_FastNamber"));
    setWindowTitle(tr("быстрая вставка"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(169, 177);
    setFont(UiStyle::sansFont(11));
}

void Tfrm_FastNamber::buildControls()
{
    // The client area keeps a 1-pixel border around the panel.
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);
    Panel1->setGeometry(1, 1, 167, 175);

    Bevel2 = makeBevel(Panel1, "Bevel2", 56);
    Bevel3 = makeBevel(Panel1, "Bevel3", 112);

    static constexpr ClickHandler clickHandlers[LabelCount] = {
        &Tfrm_FastNamber::Label1Click,  &Tfrm_FastNamber::Label2Click,  &Tfrm_FastNamber::Label3Click,
        &Tfrm_FastNamber::Label4Click,  &Tfrm_FastNamber::Label5Click,  &Tfrm_FastNamber::Label6Click,
        &Tfrm_FastNamber::Label7Click,  &Tfrm_FastNamber::Label8Click,  &Tfrm_FastNamber::Label9Click,
        &Tfrm_FastNamber::Label10Click, &Tfrm_FastNamber::Label11Click, &Tfrm_FastNamber::Label12Click,
        &Tfrm_FastNamber::Label13Click, &Tfrm_FastNamber::Label14Click, &Tfrm_FastNamber::Label15Click,
        &Tfrm_FastNamber::Label16Click, &Tfrm_FastNamber::Label17Click, &Tfrm_FastNamber::Label18Click,
        &Tfrm_FastNamber::Label19Click, &Tfrm_FastNamber::Label20Click,
    };
    const QFont valueFont = UiStyle::sansFont(13, true);
    for (const ValueLabel& value : ValueLabels) {
        auto* label = new ClickableLabel(captionText(value.caption), Panel1);
        connect(label, &ClickableLabel::clicked, this, clickHandlers[value.number - 1]);
        label->setObjectName(QStringLiteral("Label%1").arg(value.number));
        label->setFont(valueFont);
        UiStyle::setTextColour(label, UiStyle::Maroon);
        label->move(ColumnX[value.column], FirstRowY + value.row * RowPitch);
        CaptionFit::fitWhenShown(label, QSize(0, 0));
        label->installEventFilter(this);
        label->takeKeyboardClicks(); // Tab goes down the columns, in the order of the values
        m_labels[value.number - 1] = label;
    }
}

QString Tfrm_FastNamber::valueText(const QString& caption)
{
    return caption.endsWith(QLatin1Char('0')) ? caption.chopped(1) : caption;
}

void Tfrm_FastNamber::Label1Click() { chooseValue(m_labels[0]); }
void Tfrm_FastNamber::Label2Click() { chooseValue(m_labels[1]); }
void Tfrm_FastNamber::Label3Click() { chooseValue(m_labels[2]); }
void Tfrm_FastNamber::Label4Click() { chooseValue(m_labels[3]); }
void Tfrm_FastNamber::Label5Click() { chooseValue(m_labels[4]); }
void Tfrm_FastNamber::Label6Click() { chooseValue(m_labels[5]); }
void Tfrm_FastNamber::Label7Click() { chooseValue(m_labels[6]); }
void Tfrm_FastNamber::Label8Click() { chooseValue(m_labels[7]); }
void Tfrm_FastNamber::Label9Click() { chooseValue(m_labels[8]); }
void Tfrm_FastNamber::Label10Click() { chooseValue(m_labels[9]); }
void Tfrm_FastNamber::Label11Click() { chooseValue(m_labels[10]); }
void Tfrm_FastNamber::Label12Click() { chooseValue(m_labels[11]); }
void Tfrm_FastNamber::Label13Click() { chooseValue(m_labels[12]); }
void Tfrm_FastNamber::Label14Click() { chooseValue(m_labels[13]); }
void Tfrm_FastNamber::Label15Click() { chooseValue(m_labels[14]); }
void Tfrm_FastNamber::Label16Click() { chooseValue(m_labels[15]); }
void Tfrm_FastNamber::Label17Click() { chooseValue(m_labels[16]); }
void Tfrm_FastNamber::Label18Click() { chooseValue(m_labels[17]); }
void Tfrm_FastNamber::Label19Click() { chooseValue(m_labels[18]); }
void Tfrm_FastNamber::Label20Click() { chooseValue(m_labels[19]); }

void Tfrm_FastNamber::chooseValue(const QLabel* label)
{
    m_quickValue = valueText(label->text());
    accept();
}

void Tfrm_FastNamber::Label20MouseEnter(QLabel* label) { UiStyle::setTextColour(label, UiStyle::Red); }

void Tfrm_FastNamber::Label20MouseLeave(QLabel* label) { UiStyle::setTextColour(label, UiStyle::Maroon); }

// The pointer over a value lights it; its clicks come through the label's own signal.
bool Tfrm_FastNamber::eventFilter(QObject* watched, QEvent* event)
{
    for (int index = 0; index < LabelCount; ++index) {
        QLabel* label = m_labels[index];
        if (watched != label)
            continue;
        switch (event->type()) {
        case QEvent::Enter:
            Label20MouseEnter(label);
            break;
        case QEvent::Leave:
            Label20MouseLeave(label);
            break;
        default:
            break;
        }
        break;
    }
    return QDialog::eventFilter(watched, event);
}
