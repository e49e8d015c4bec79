// Row heights of the main window's lists, set through their item delegates
// rather than style sheets: a style sheet puts its widget under a second,
// much slower style for every size query and paint.
#pragma once

#include <QAbstractItemDelegate>
#include <QPointer>
#include <QStyledItemDelegate>

class QAbstractItemView;

// Paints with the view's own delegate and gives every row the height asked
// for: exactly (a list of fixed-height rows) or at least (a drop-down whose
// rows must not be cramped).
class RowHeightDelegate : public QAbstractItemDelegate {
public:
    enum class Rule { Exactly, AtLeast };

    // Installs itself on the view, wrapping the delegate the view had.
    static void apply(QAbstractItemView* view, int height, Rule rule);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    RowHeightDelegate(QAbstractItemDelegate* wrapped, int height, Rule rule, QObject* parent);

    // The view's own delegate; should it ever go, a plain one paints instead.
    QAbstractItemDelegate* inner() const;

    QPointer<QAbstractItemDelegate> m_inner;
    mutable QStyledItemDelegate m_fallback;
    int m_height;
    Rule m_rule;
};
