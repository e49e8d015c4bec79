#include "frm_Main_Unit_FieldList.h"

#include <QApplication>
#include <QMouseEvent>

#include "TypeAhead.h"

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
    if (search.isEmpty())
        return;
    const bool continues = m_sinceLastKey.isValid() && m_sinceLastKey.elapsed() < QApplication::keyboardInputInterval();
    m_sinceLastKey.start();
    m_typed = continues ? m_typed + search : search;

    std::vector<std::string> rows;
    rows.reserve(std::size_t(count()));
    for (int row = 0; row < count(); ++row)
        rows.push_back(item(row)->text().toStdString());
    // A longer prefix may still match the current row; a new one starts after it.
    const int start = currentRow() + (continues ? 0 : 1);
    const int row = tolerance::typeAheadRow(rows, m_typed.toStdString(), start);
    if (row >= 0)
        setCurrentRow(row);
}
