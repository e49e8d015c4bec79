#pragma once

#include "NumberBox.h"
#include "KeypadDisplay.h"

#include <QDialog>
#include <QString>
#include <array>

#include "BuiltOnFirstShowing.h"

class QButtonGroup;
class QFrame;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QTabWidget;
class QToolButton;
class QWidget;

// On-screen keypad: composes a decimal number by clicks or keys, with seven memory
// cells that last for the whole run. The caller places it before every showing.
class Tfrm_KeyBoard : public BuiltOnFirstShowing<QDialog> {
    Q_OBJECT
public:
    explicit Tfrm_KeyBoard(QWidget* parent = nullptr);
    // The display text handed to the caller when exec() gives Accepted (the Enter key).
    QString displayText() const;

protected:
    void buildControls() override;
    void showEvent(QShowEvent* event) override;
    // The physical keyboard presses the keys on screen: digits, comma or point,
    // Backspace, Delete (the clear key) and Enter; Escape closes the keypad unused.
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void FormShow();
    void spbt_N1Click();
    void spbt_PointClick();
    void spbt_ClearClick();
    void spbt_BSClick();
    void spbt_MSClick();
    void spbt_MRClick();
    void spbt_MCClick();
    void spbt_MC_AllClick();
    void SpeedButton2Click();

private:
    void AppendDigit(QChar digit);
    int selectedCell() const;
    void showDisplay();
    void showCellCaption(int cell);
    // The key on screen that a key of the physical keyboard presses, or null.
    QToolButton* keyFor(const QKeyEvent* event) const;
    QToolButton* makeKey(QWidget* parent, const char* name, const QString& caption,
                         const QRect& bounds, const QColor& colour, const QString& hint = {});

    KeypadDisplay m_state;

    NumberBox* Edit1 = nullptr;
    QTabWidget* Key = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QFrame* Panel5 = nullptr;
    QFrame* Panel4 = nullptr;
    QFrame* Panel6 = nullptr;
    std::array<QToolButton*, 10> m_digitKeys{}; // spbt_N0 ... spbt_N9
    QToolButton* spbt_Point = nullptr;
    QToolButton* spbt_Clear = nullptr;
    QToolButton* spbt_BS = nullptr;
    QGroupBox* RadioGroup2 = nullptr;
    QButtonGroup* m_cellButtons = nullptr;
    std::array<QRadioButton*, KeypadDisplay::CellCount> m_cellItems{};
    QToolButton* spbt_MS = nullptr;
    QToolButton* spbt_MR = nullptr;
    QToolButton* spbt_MC = nullptr;
    QToolButton* spbt_MC_All = nullptr;
    QToolButton* SpeedButton2 = nullptr;
};
