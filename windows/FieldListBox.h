// The field list of the tolerance page: always one selected row, and type-ahead
// that tells a hole from a shaft by the case typed.
#pragma once

#include <QListWidget>

#include "TypeAheadSearch.h"

class FieldListBox : public QListWidget {
    Q_OBJECT
public:
    explicit FieldListBox(QWidget* parent = nullptr);

    void keyboardSearch(const QString& search) override;

signals:
    // A double click anywhere on the list, on a row or below the last one.
    void listDoubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Ctrl+click on the selected row would leave the list without a field.
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;

private:
    TypeAheadSearch m_search;
};
