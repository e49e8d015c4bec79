#pragma once

#include <QDialog>
#include <QString>

// Designation chosen in the field picker; the caller presets it and reads it back.
extern QString PickedDesignation;

class Tfrm_ListOf_Ferrak : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_ListOf_Ferrak(QWidget* parent = nullptr);
};

extern Tfrm_ListOf_Ferrak* frm_ListOf_Ferrak;
