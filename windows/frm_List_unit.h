#pragma once

#include <QDialog>
#include <QString>

#include "BuiltOnFirstShowing.h"

class QToolButton;

// The tolerance fields as a grid of buttons, one column per letter and one row
// per quality; a click picks a field and closes the window (exec() gives Accepted).
class Tfrm_ListOf_Ferrak : public BuiltOnFirstShowing<QDialog> {
    Q_OBJECT
public:
    explicit Tfrm_ListOf_Ferrak(QWidget* parent = nullptr);

    // The designation of the button last clicked.
    QString PickedDesignation() const { return m_picked; }

protected:
    void buildControls() override;
    void showEvent(QShowEvent* event) override;

private:
    // Shared by all the buttons: the caption is the designation picked.
    void SpeedButtonClick(const QToolButton* button);

    QString m_picked;
};
