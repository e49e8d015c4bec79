#include "RowHeightDelegate.h"

#include <QAbstractItemView>
#include <algorithm>

RowHeightDelegate::RowHeightDelegate(QAbstractItemDelegate* wrapped, int height, Rule rule, QObject* parent)
    : QAbstractItemDelegate(parent)
    , m_inner(wrapped)
    , m_height(height)
    , m_rule(rule)
{
}

void RowHeightDelegate::apply(QAbstractItemView* view, int height, Rule rule)
{
    view->setItemDelegate(new RowHeightDelegate(view->itemDelegate(), height, rule, view));
}

QAbstractItemDelegate* RowHeightDelegate::inner() const
{
    return m_inner ? m_inner.data() : &m_fallback;
}

void RowHeightDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    inner()->paint(painter, option, index);
}

QSize RowHeightDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = inner()->sizeHint(option, index);
    size.setHeight(m_rule == Rule::Exactly ? m_height : std::max(size.height(), m_height));
    return size;
}

bool RowHeightDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                    const QModelIndex& index)
{
    return inner()->editorEvent(event, model, option, index);
}

bool RowHeightDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                  const QModelIndex& index)
{
    return inner()->helpEvent(event, view, option, index);
}
