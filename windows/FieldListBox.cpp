#include "FieldListBox.h"

#include <QApplication>
#include <QMouseEvent>

#include "TypeAheadSearch.h"

FieldListBox::FieldListBox(QWidget* parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

QItemSelectionModel::SelectionFlags FieldListBox::selectionCommand(const QModelIndex& index, const QEvent* event) const
{
    const QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, event);
    if (flags & QItemSelectionModel::Deselect)
        return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    return flags;
}

void FieldListBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit listDoubleClicked();
}

void FieldListBox::keyboardSearch(const QString& search)
{
    const int row = m_search.rowFor(search, model(), currentRow());
    if (row >= 0)
        setCurrentRow(row);
}
