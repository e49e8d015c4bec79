#include "NumberBox.h"

#include <QHelpEvent>
#include <QtMath>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QToolTip>
#include <QValidator>
#include <algorithm>

namespace {

// The gap QLineEdit keeps on each side between its contents rectangle and its text.
constexpr int TextSideGap = 2;

// Filters what the user pastes or drops. Only the characters the edit adds pass the
// filter; what the box already held (the program's own texts) is left alone.
class AddedTextFilter : public QValidator {
public:
    AddedTextFilter(NumberBox* box, NumberBox::CharFilter filter)
        : QValidator(box)
        , m_box(box)
        , m_filter(filter)
        , m_lastText(box->text())
    {
    }
    State validate(QString& input, int& pos) const override
    {
        if (input == m_lastText || m_box->isProgramWrite()) {
            m_lastText = input;
            return Acceptable;
        }
        const qsizetype limit = std::min(input.size(), m_lastText.size());
        qsizetype prefix = 0;
        while (prefix < limit && input[prefix] == m_lastText[prefix])
            ++prefix;
        qsizetype suffix = 0;
        while (suffix < limit - prefix && input[input.size() - 1 - suffix] == m_lastText[m_lastText.size() - 1 - suffix])
            ++suffix;
        const qsizetype addedEnd = input.size() - suffix;
        QString kept = input.left(prefix);
        int newPos = pos;
        for (qsizetype i = prefix; i < addedEnd; ++i) {
            QChar c = input[i];
            if (m_filter(c))
                kept += c;
            else if (i < pos)
                --newPos;
        }
        kept += input.right(suffix);
        input = kept;
        pos = std::clamp(newPos, 0, int(input.size()));
        m_lastText = input;
        return Acceptable;
    }

private:
    NumberBox* m_box;
    NumberBox::CharFilter m_filter;
    mutable QString m_lastText;
};

} // namespace

NumberBox::NumberBox(QWidget* parent)
    : QLineEdit(parent)
    , m_described(font())
{
    connect(this, &QLineEdit::textChanged, this, &NumberBox::fitText);
}

void NumberBox::setCharFilter(CharFilter filter)
{
    m_charFilter = filter;
    setValidator(filter ? new AddedTextFilter(this, filter) : nullptr);
}

void NumberBox::setProgramText(const QString& text)
{
    m_programWrite = true;
    setText(text);
    m_programWrite = false;
}

QRect NumberBox::textArea() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    QRect area = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const QMargins margins = textMargins();
    area.adjust(margins.left() + TextSideGap, margins.top(), -margins.right() - TextSideGap, -margins.bottom());
    return area;
}

// Whether the text's own width fits. QLineEdit also adds the face's worst bearings
// (almost an em for DejaVu Sans) and scrolls a text that is no wider than the box
// so that its cursor stays in view; outside editing the box draws its text itself.
bool NumberBox::fits(const QFont& font) const
{
    return qCeil(QFontMetricsF(font).horizontalAdvance(text())) + 1 <= textArea().width();
}

void NumberBox::applyFont(const QFont& font)
{
    if (QLineEdit::font() == font)
        return;
    m_applying = true;
    setFont(font);
    m_applying = false;
}

void NumberBox::fitText()
{
    const bool editing = hasFocus() && !isReadOnly();
    m_cut = false;
    if (editing || fits(m_described)) {
        applyFont(m_described);
        return;
    }
    QFont smaller = m_described;
    const int described = QFontInfo(m_described).pixelSize();
    for (int size = described - 1; size >= FloorPixelSize; --size) {
        smaller.setPixelSize(size);
        if (fits(smaller)) {
            applyFont(smaller);
            return;
        }
    }
    smaller.setPixelSize(std::min(described, FloorPixelSize));
    applyFont(smaller);
    m_cut = true;
    update();
}

void NumberBox::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange && !m_applying) {
        m_described = font();
        fitText();
    } else if (event->type() == QEvent::ReadOnlyChange || event->type() == QEvent::StyleChange) {
        fitText();
    }
}

void NumberBox::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    fitText();
}

void NumberBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    fitText();
}

void NumberBox::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    fitText(); // and the text is drawn from its first character again
}

bool NumberBox::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && m_cut) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        return true;
    }
    return QLineEdit::event(event);
}

void NumberBox::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    const bool character = typed.size() == 1 && typed.front().isPrint()
                           && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (m_charFilter && character && !isReadOnly()) {
        QChar c = typed.front();
        if (!m_charFilter(c)) {
            event->accept(); // dropped before it reaches the text: nothing changes
            return;
        }
        if (c != typed.front()) {
            insert(QString(c));
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void NumberBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A box whose double click opens something does not also select a word.
    if (!isSignalConnected(QMetaMethod::fromSignal(&NumberBox::doubleClicked))) {
        QLineEdit::mouseDoubleClickEvent(event);
        return;
    }
    emit doubleClicked();
    event->accept();
}

// With the focus the box is an ordinary edit. Without it, the text is drawn from its
// first character where QLineEdit would draw it unscrolled; beyond the floor size
// it ends in an ellipsis where it is cut.
void NumberBox::paintEvent(QPaintEvent* event)
{
    if (hasFocus()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame option;
    initStyleOption(&option);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
    const QRect area = textArea();
    const QFontMetrics metrics(font());
    const int top = area.y() + (area.height() - metrics.height() + 1) / 2;
    painter.setClipRect(area);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::Text));
    const QString shown = m_cut ? metrics.elidedText(text(), Qt::ElideRight, area.width()) : text();
    painter.drawText(QPoint(area.x(), top + metrics.ascent()), shown);
}
