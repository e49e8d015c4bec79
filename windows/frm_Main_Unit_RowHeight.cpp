#include "frm_Main_Unit_RowHeight.h"

#include <QAbstractItemView>
#include <algorithm>

RowHeightDelegate::RowHeightDelegate(QAbstractItemDelegate* inner, int height, Rule rule, QObject* parent)
    : QAbstractItemDelegate(parent)
    , m_inner(inner)
    , m_height(height)
    , m_rule(rule)
{
}

void RowHeightDelegate::apply(QAbstractItemView* view, int height, Rule rule)
{
    view->setItemDelegate(new RowHeightDelegate(view->itemDelegate(), height, rule, view));
}

void RowHeightDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (m_inner)
        m_inner->paint(painter, option, index);
}

QSize RowHeightDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = m_inner ? m_inner->sizeHint(option, index) : QSize(0, m_height);
    size.setHeight(m_rule == Rule::Exactly ? m_height : std::max(size.height(), m_height));
    return size;
}

bool RowHeightDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                    const QModelIndex& index)
{
    return m_inner && m_inner->editorEvent(event, model, option, index);
}

bool RowHeightDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                  const QModelIndex& index)
{
    return m_inner && m_inner->helpEvent(event, view, option, index);
}
