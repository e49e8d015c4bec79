#include "RezbaCells.h"

#include <QAbstractButton>
#include <QMouseEvent>
#include <QPainter>
#include <QTableView>

#include "UiStyle.h"

namespace {

constexpr int TextOffset = 7;
constexpr int SeparatorGrip = 4;
constexpr int MinimumColumnWidth = 8;

QFont fontOf(const QVariant& value) { return value.isValid() ? value.value<QFont>() : UiStyle::sansFont(11, true); }

} // namespace

void DrawBandedCell(QPainter* painter, const QString& text, const QRect& cell, const QColor& background,
                    const QColor& textColour, const QFont& font, int offset)
{
    painter->save();
    painter->setClipRect(cell, Qt::IntersectClip);
    painter->fillRect(cell, background);
    painter->setFont(font);
    painter->setPen(textColour);
    const QFontMetrics metrics(font);
    const int textWidth = metrics.horizontalAdvance(text);
    const int left = cell.left() + cell.width() / 2 - textWidth / 2;
    const int top = cell.top() + offset - 4;
    painter->drawText(QRect(left, top, textWidth + 1, metrics.height()), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      text);
    painter->restore();
}

QColor RezbaCellDelegate::backgroundOf(const QModelIndex& index, bool selected, const QPalette& palette)
{
    if (selected)
        return palette.color(QPalette::Active, QPalette::Highlight);
    const QVariant band = index.data(Qt::BackgroundRole);
    return band.isValid() ? band.value<QColor>() : palette.color(QPalette::Active, QPalette::Base);
}

QColor RezbaCellDelegate::textColourOf(const QModelIndex& index, bool selected, const QPalette& palette)
{
    const QVariant own = index.data(Qt::ForegroundRole);
    if (own.isValid())
        return own.value<QColor>();
    return palette.color(QPalette::Active, selected ? QPalette::HighlightedText : QPalette::Text);
}

// strgrd_RezbaDrawCell: the colours and the bold font, then DrawBandedCell.
void RezbaCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    paintCell(painter, option.rect, index, option.state.testFlag(QStyle::State_Selected), option.palette);
}

void RezbaCellDelegate::paintCell(QPainter* painter, const QRect& rect, const QModelIndex& index, bool selected,
                                  const QPalette& palette)
{
    DrawBandedCell(painter, index.data(Qt::DisplayRole).toString(), rect, backgroundOf(index, selected, palette),
                   textColourOf(index, selected, palette), fontOf(index.data(Qt::FontRole)), TextOffset);
}

RezbaHeaderView::RezbaHeaderView(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent)
{
    setHighlightSections(false);
    setSectionsClickable(false);
}

void RezbaHeaderView::setFixedDepth(int pixels)
{
    m_fixedDepth = pixels;
    if (orientation() == Qt::Vertical)
        setFixedWidth(pixels);
    else
        setFixedHeight(pixels);
    // The table lays out its viewport again after its headers change geometry.
    emit geometriesChanged();
}

QSize RezbaHeaderView::sizeHint() const
{
    if (m_fixedDepth <= 0)
        return QHeaderView::sizeHint();
    return orientation() == Qt::Vertical ? QSize(m_fixedDepth, length()) : QSize(length(), m_fixedDepth);
}

void RezbaHeaderView::paintFixedCell(QPainter* painter, const QRect& cell, const QString& text,
                                     const QColor& textColour, const QFont& font, const QPalette& palette)
{
    DrawBandedCell(painter, text, cell, UiStyle::buttonFace(), textColour, font, TextOffset);
    // Grid lines between the fixed cells, at their right and bottom edges.
    painter->save();
    painter->setPen(palette.color(QPalette::Active, QPalette::Dark));
    painter->drawLine(cell.topRight(), cell.bottomRight());
    painter->drawLine(cell.bottomLeft(), cell.bottomRight());
    painter->restore();
}

void RezbaHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!rect.isValid() || !model())
        return;
    const QVariant colour = model()->headerData(logicalIndex, orientation(), Qt::ForegroundRole);
    paintFixedCell(painter, rect, model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString(),
                   colour.isValid() ? colour.value<QColor>() : palette().color(QPalette::Active, QPalette::ButtonText),
                   fontOf(model()->headerData(logicalIndex, orientation(), Qt::FontRole)), palette());
}

RezbaCornerCell::RezbaCornerCell(QTableView* table, RezbaHeaderView* rowNumbers, QString text)
    : QObject(table)
    , m_table(table)
    , m_rowNumbers(rowNumbers)
    , m_text(std::move(text))
{
    // The table's own corner button, which would select everything when clicked.
    m_button = table->findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (m_button) {
        m_button->setMouseTracking(true);
        m_button->installEventFilter(this);
    }
}

bool RezbaCornerCell::onSeparator(int x) const { return x >= m_button->width() - SeparatorGrip; }

bool RezbaCornerCell::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_button)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Paint: {
        QPainter painter(m_button);
        RezbaHeaderView::paintFixedCell(&painter, m_button->rect(), m_text,
                                        m_table->palette().color(QPalette::Active, QPalette::ButtonText),
                                        UiStyle::sansFont(11, true), m_table->palette());
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int x = mouse->position().toPoint().x();
        m_dragging = mouse->button() == Qt::LeftButton && onSeparator(x);
        m_grabOffset = m_button->width() - x;
        return true;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int x = mouse->position().toPoint().x();
        if (m_dragging)
            m_rowNumbers->setFixedDepth(std::max(MinimumColumnWidth, x + m_grabOffset));
        else if (onSeparator(x))
            m_button->setCursor(Qt::SplitHCursor);
        else
            m_button->unsetCursor();
        return true;
    }
    case QEvent::MouseButtonRelease:
        m_dragging = false;
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}
