// The main window: the tolerance calculator page, the thread hole page and the fits page.
#pragma once

#include <QMainWindow>
#include <optional>
#include <vector>

#include "ClickableLabel.h"
#include "Decimal.h"
#include "LimitCalculation.h"
#include "NumberBox.h"
#include "frm_Main_Unit_FieldList.h"
#include "frm_Main_Unit_Posadki.h"
#include "ThreadTolerancePage.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTabWidget;
class QToolButton;
class QWidget;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    // Frame
    QStatusBar* StatusBar1 = nullptr;
    QLabel* Panel0 = nullptr;
    QLabel* Panel1 = nullptr;
    QLabel* Panel2 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr; // its controls are made when it is first opened
    FitsPage* TabSheet3 = nullptr; // its controls are made when it is first opened
    ThreadTolerancePage* TabSheet4 = nullptr; // its controls are made when it is first opened

    // Tolerance page
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
    QFrame* Panel1Frame = nullptr; // the "Точность" panel, objectName Panel1
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

    // Thread page: null until the page is first opened (ensureThreadPage)
    QGroupBox* GroupBox2 = nullptr;
    QLabel* Label14 = nullptr;
    QComboBox* cmbx_Rezba = nullptr;
    QLabel* Label16 = nullptr;
    QComboBox* cmbx_ShagRezb = nullptr;
    QFrame* Bevel5 = nullptr;
    QLabel* lb_Rezba = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QLabel* Label18 = nullptr;
    QLabel* Label20 = nullptr;
    QLabel* Label21 = nullptr;
    QLabel* Label22 = nullptr;
    NumberBox* ed_DiamNom = nullptr;
    NumberBox* ed_DopRezb = nullptr;
    QGroupBox* GroupBox4 = nullptr;
    QLabel* Label30 = nullptr;
    QLabel* Label31 = nullptr;
    QLabel* Label32 = nullptr;
    NumberBox* ed_MidlDopRezb = nullptr;
    QPushButton* btm_RezbTabl = nullptr;
    ClickableLabel* Label23 = nullptr;

    // Makes the thread page's controls now if the page has not been opened yet.
    void ensureThreadPage();

    // Row of ListBox1 -> FieldIndex.
    std::vector<int> ListRowMap;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private slots:
    void FormShow();
    void Button2Click();
    void ComboBox1Change();
    void Label1Click();
    void Label2Click();
    void Label3Click();
    void Label5Click();
    void CheckBox1Click();
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
    void Label13Click();
    void cmbx_RezbaChange();
    void cmbx_ShagRezbChange();
    void btm_RezbTablClick();
    void PageControl1Change();

private:
    // The character filter of Edit2, Edit3 and Edit4: false discards the character.
    static bool Edit2KeyPress(QChar& key);
    // Program writes of the number boxes: no change event, no typing filter.
    static void setBoxText(NumberBox* box, const QString& text);

    void RefillFieldList();
    void ComputeFromTable();
    void ComputeManual();
    // Reads a number box and colours it: black (Edit2) or navy, red when it does not read.
    std::optional<number::Decimal> ReadNumber(QLineEdit* box);
    void ShowMeanAndRadius(const tolerance::MeanAndRadius& texts);
    void FillDiameterList();
    void FillPitchList(double diameter);
    void ShowThreadHole();

    void FormCreate();
    void createTolerancePage();
    void createThreadPage();
    void wireEvents();
    void applyModeStates();
    void resetFilter(QComboBox* box, int item);
    void copyFormula(bool radius);
    tolerance::Rounding rounding() const;
    void negateBox(NumberBox* box);
    // A program write of a number box that the results depend on: written, then recomputed.
    void writeNumberBox(NumberBox* box, const QString& text);
    // Beside an edit of the tolerance page, moved only as far as the screen requires.
    void placeBeside(QWidget* window, const QWidget* edit) const;

    bool m_shown = false;
};

extern TForm1* Form1;

// Creates the six secondary windows, hidden, in their start-up order.
void createSecondaryWindows(TForm1* mainWindow);
