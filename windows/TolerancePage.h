// The tolerance page of the main window: the nominal size, the field chosen from the
// filtered list, the deviations from the table or typed by hand, and the largest,
// smallest and mean size with the radius.
#pragma once

#include <QPointer>
#include <QWidget>
#include <optional>
#include <vector>

#include "Decimal.h"
#include "FieldFilter.h"
#include "KeptOnScreen.h"
#include "LimitCalculation.h"

class ClickableLabel;
class FieldListBox;
class NumberBox;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class Tfrm_FastNamber;
class Tfrm_KeyBoard;
class Tfrm_ListOf_Ferrak;

class TolerancePage : public QWidget {
    Q_OBJECT
public:
    explicit TolerancePage(QWidget* parent = nullptr);

    // Makes the controls, once the page lies in its window (their fonts are the window's).
    void createControls();
    // The field picker, the quick number window and the keypad, which the page opens modally.
    void setDialogs(Tfrm_ListOf_Ferrak* fieldPicker, Tfrm_FastNamber* quickNumbers, Tfrm_KeyBoard* keypad);

    // Builds the field list from the three filter boxes and computes its selected field.
    void RefillFieldList();
    // The nominal size as it stands in Edit2, and the keyboard focus there.
    QString sizeText() const;
    void focusSize();

    // The page's status for the status bar: the old designation, a warning on typed
    // deviations, or blank.
    QString statusText() const { return m_status; }

    // Row of ListBox1 -> FieldIndex.
    const std::vector<int>& ListRowMap() const { return m_listRowMap; }

signals:
    // The old designation of the field, or the note of manual entry, for the status bar.
    void oldDesignationShown(const QString& text);
    // A note for the status bar: a formula copied, the note of the limits shown, or blank.
    void noteShown(const QString& text);
    // Button20: the tolerance table in the column order of the type filter.
    void tableRequested(tolerance::TypeFilterItem columnOrder);
    // Label13: the about window.
    void aboutRequested();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    // The page's shortcuts win over the number boxes' own keys (Ctrl+K deletes to the line's end there).
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void Button2Click();
    void ComboBox1Change();
    void Label1Click();
    void Label2Click();
    void Label3Click();
    void Label5Click();
    void CheckBox1Click();
    void CheckBox2Click();
    void Button1Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void SpeedButton1Click();
    void Button21Click();
    void Edit4DblClick();
    void spbt_keybClick();
    void Label9DblClick();
    void Label4DblClick();
    void TabSheet1MouseMove();
    void Button20Click();

private:
    enum class Formula { Mean, Radius };

    // The character filter of Edit2, Edit3 and Edit4: false discards the character.
    static bool Edit2KeyPress(QChar& key);
    // Program writes of the number boxes: no change event, no typing filter.
    static void setBoxText(NumberBox* box, const QString& text);

    void ComputeFromTable();
    // The table computation, and a blank status for an empty list.
    void computeTable();
    void ComputeManual();
    // Typed deviations with the upper below the lower: both boxes red, and their hints say so.
    void markReversedDeviations(bool reversed);
    // The classes whose deviations at the size are those typed, or the nearest ones.
    void showTypedClasses(const std::optional<number::Decimal>& size, const std::optional<number::Decimal>& upper,
                          const std::optional<number::Decimal>& lower);
    // Reads a number box and colours it: black (Edit2) or navy, red when it does not read.
    std::optional<number::Decimal> ReadNumber(QLineEdit* box);
    void ShowMeanAndRadius(const tolerance::MeanAndRadius& texts);
    // The note of the limits shown (why none, where they are, a rounded JS7) in the
    // status bar; when there are none, in the size box's hint as well.
    void showResultNote(const QString& note, bool noData);

    void wireEvents();
    void applyModeStates();
    void resetFilter(QComboBox* box, int item);
    void copyFormula(Formula formula);
    tolerance::Rounding rounding() const;
    tolerance::DeviationUnit unit() const;
    void negateBox(NumberBox* box);
    // A program write of a number box that the results depend on: written, then recomputed.
    void writeNumberBox(NumberBox* box, const QString& text);
    // Beside an edit of this page, moved only as far as the screen requires.
    void placeBeside(QWidget* window, const QWidget* edit);

    std::vector<int> m_listRowMap;
    QString m_resultNote;
    QString m_status;
    QPointer<Tfrm_ListOf_Ferrak> m_fieldPicker;
    QPointer<Tfrm_FastNamber> m_quickNumbers;
    QPointer<Tfrm_KeyBoard> m_keypad;
    KeptOnScreen m_keptOnScreen;

    ClickableLabel* Label5 = nullptr;
    FieldListBox* ListBox1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    ClickableLabel* Label1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    ClickableLabel* Label2 = nullptr;
    QComboBox* ComboBox4 = nullptr;
    ClickableLabel* Label3 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QLabel* Label15 = nullptr;
    QFrame* Panel1 = nullptr; // the "Точность" panel
    QLabel* Label17 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label19 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QFrame* Bevel1 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button3 = nullptr;
    NumberBox* Edit3 = nullptr;
    QLabel* Label10 = nullptr;
    NumberBox* Edit5 = nullptr;
    ClickableLabel* Label9 = nullptr;
    ClickableLabel* Label4 = nullptr;
    NumberBox* Edit2 = nullptr;
    NumberBox* Edit1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    NumberBox* Edit7 = nullptr;
    NumberBox* Edit8 = nullptr;
    QToolButton* spbt_keyb = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button4 = nullptr;
    NumberBox* Edit4 = nullptr;
    QLabel* Label11 = nullptr;
    NumberBox* Edit6 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QFrame* Bevel2 = nullptr;
    QPushButton* Button20 = nullptr;
    ClickableLabel* Label13 = nullptr;
    QPushButton* Button21 = nullptr; // hidden; shares the quick insertion for the upper deviation
    QLabel* lb_PoleOtkl = nullptr;    // manual mode: the ISO classes of the typed deviations
};
