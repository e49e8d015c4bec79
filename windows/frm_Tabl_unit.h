#pragma once

#include <QDialog>

class Tfrm_Table : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_Table(QWidget* parent = nullptr);
    // The main window's type filter, read at every painting for the column order.
    void setTypeFilter(const class QComboBox* typeFilter) { m_typeFilter = typeFilter; }

private:
    const class QComboBox* m_typeFilter = nullptr;
};

extern Tfrm_Table* frm_Table;
