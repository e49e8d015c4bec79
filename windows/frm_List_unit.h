#pragma once

#include <QDialog>
#include <QString>
#include <string>
#include <vector>

#include "BuiltOnFirstShowing.h"
#include "GridNavigation.h"
#include "TypeAheadSearch.h"

class QKeyEvent;
class QToolButton;

// The tolerance fields as a grid of buttons, one column per letter and one row
// per quality; a click picks a field and closes the window (exec() gives Accepted).
// By keyboard: the arrow keys move over the grid, Enter or Space picks, typing a
// designation moves to its button, Escape closes without a choice.
class Tfrm_ListOf_Ferrak : public BuiltOnFirstShowing<QDialog> {
    Q_OBJECT
public:
    explicit Tfrm_ListOf_Ferrak(QWidget* parent = nullptr);

    // The designation of the button last clicked.
    QString PickedDesignation() const { return m_picked; }
    // The field the keyboard starts on at the next showing (the field the caller shows);
    // the first button when the grid has no such field.
    void setStartDesignation(const QString& designation) { m_start = designation; }

protected:
    void buildControls() override;
    void showEvent(QShowEvent* event) override;
    // The keys pressed on the grid's buttons.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shared by all the buttons: the caption is the designation picked.
    void SpeedButtonClick(const QToolButton* button);

    // The arrow keys, Enter and type-ahead on the button at `from`; false for other keys.
    bool gridKey(int from, const QKeyEvent* event);
    void focusButton(int index);

    QString m_picked;
    QString m_start;
    std::vector<QToolButton*> m_buttons;            // in the order of the grid's table
    std::vector<tolerance::GridPlace> m_places;     // their places in the grid
    std::vector<std::string> m_typeAheadCaptions;   // blank for the button that cannot pick
    TypeAheadSearch m_typeAhead;
};
