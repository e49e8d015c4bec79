#pragma once

#include <QDialog>
#include <QString>

class QToolButton;

// Designation chosen in the field picker; the caller presets it and reads it back.
extern QString PickedDesignation;

// The tolerance fields as a grid of buttons, one column per letter and one row
// per quality; a click picks a field and closes the window.
class Tfrm_ListOf_Ferrak : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_ListOf_Ferrak(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Shared by all the buttons: the caption is the designation picked.
    void SpeedButtonClick(const QToolButton* button);
};

extern Tfrm_ListOf_Ferrak* frm_ListOf_Ferrak;
