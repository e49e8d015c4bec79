// The main window's controls, found by their objectNames as a test tool finds them.
// The thread page's controls are null until the page is first opened.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <optional>
#include <vector>

#include "ClickableLabel.h"
#include "FieldListBox.h"
#include "FitsPage.h"
#include "NumberBox.h"
#include "TolerancePage.h"

struct MainWindowControls {
    explicit MainWindowControls(const QWidget& window)
        : StatusBar1(child<QStatusBar>(window, "StatusBar1"))
        , Panel0(child<QLabel>(*StatusBar1, "Panel0"))
        , Panel1(child<QLabel>(*StatusBar1, "Panel1"))
        , Panel2(child<QLabel>(*StatusBar1, "Panel2"))
        , PageControl1(child<QTabWidget>(window, "PageControl1"))
        , TabSheet1(child<TolerancePage>(window, "TabSheet1"))
        , TabSheet2(child<QWidget>(window, "TabSheet2"))
        , TabSheet3(child<FitsPage>(window, "TabSheet3"))
        , ListRowMap(TabSheet1->ListRowMap())
    {
        const QWidget& page = *TabSheet1;
        Label5 = child<ClickableLabel>(page, "Label5");
        ListBox1 = child<FieldListBox>(page, "ListBox1");
        GroupBox1 = child<QGroupBox>(page, "GroupBox1");
        Label1 = child<ClickableLabel>(page, "Label1");
        ComboBox1 = child<QComboBox>(page, "ComboBox1");
        Label2 = child<ClickableLabel>(page, "Label2");
        ComboBox4 = child<QComboBox>(page, "ComboBox4");
        Label3 = child<ClickableLabel>(page, "Label3");
        ComboBox3 = child<QComboBox>(page, "ComboBox3");
        CheckBox2 = child<QCheckBox>(page, "CheckBox2");
        Label15 = child<QLabel>(page, "Label15");
        Panel1Frame = child<QFrame>(page, "Panel1");
        Label17 = child<QLabel>(page, "Label17");
        Label12 = child<QLabel>(page, "Label12");
        Label19 = child<QLabel>(page, "Label19");
        RadioButton1 = child<QRadioButton>(page, "RadioButton1");
        RadioButton2 = child<QRadioButton>(page, "RadioButton2");
        RadioButton3 = child<QRadioButton>(page, "RadioButton3");
        Bevel1 = child<QFrame>(page, "Bevel1");
        Label6 = child<QLabel>(page, "Label6");
        Label7 = child<QLabel>(page, "Label7");
        Label8 = child<QLabel>(page, "Label8");
        Button1 = child<QPushButton>(page, "Button1");
        Button3 = child<QPushButton>(page, "Button3");
        Edit3 = child<NumberBox>(page, "Edit3");
        Label10 = child<QLabel>(page, "Label10");
        Edit5 = child<NumberBox>(page, "Edit5");
        Label9 = child<ClickableLabel>(page, "Label9");
        Label4 = child<ClickableLabel>(page, "Label4");
        Edit2 = child<NumberBox>(page, "Edit2");
        Edit1 = child<NumberBox>(page, "Edit1");
        SpeedButton1 = child<QToolButton>(page, "SpeedButton1");
        Edit7 = child<NumberBox>(page, "Edit7");
        Edit8 = child<NumberBox>(page, "Edit8");
        spbt_keyb = child<QToolButton>(page, "spbt_keyb");
        Button5 = child<QPushButton>(page, "Button5");
        Button4 = child<QPushButton>(page, "Button4");
        Edit4 = child<NumberBox>(page, "Edit4");
        Label11 = child<QLabel>(page, "Label11");
        Edit6 = child<NumberBox>(page, "Edit6");
        CheckBox1 = child<QCheckBox>(page, "CheckBox1");
        Bevel2 = child<QFrame>(page, "Bevel2");
        Button20 = child<QPushButton>(page, "Button20");
        Label13 = child<ClickableLabel>(page, "Label13");
        Button21 = child<QPushButton>(page, "Button21");

        const QWidget& thread = *TabSheet2;
        GroupBox2 = child<QGroupBox>(thread, "GroupBox2");
        Label14 = child<QLabel>(thread, "Label14");
        cmbx_Rezba = child<QComboBox>(thread, "cmbx_Rezba");
        Label16 = child<QLabel>(thread, "Label16");
        cmbx_ShagRezb = child<QComboBox>(thread, "cmbx_ShagRezb");
        Bevel5 = child<QFrame>(thread, "Bevel5");
        lb_Rezba = child<QLabel>(thread, "lb_Rezba");
        GroupBox3 = child<QGroupBox>(thread, "GroupBox3");
        Label18 = child<QLabel>(thread, "Label18");
        Label20 = child<QLabel>(thread, "Label20");
        Label21 = child<QLabel>(thread, "Label21");
        Label22 = child<QLabel>(thread, "Label22");
        ed_DiamNom = child<NumberBox>(thread, "ed_DiamNom");
        ed_DopRezb = child<NumberBox>(thread, "ed_DopRezb");
        GroupBox4 = child<QGroupBox>(thread, "GroupBox4");
        Label30 = child<QLabel>(thread, "Label30");
        Label31 = child<QLabel>(thread, "Label31");
        Label32 = child<QLabel>(thread, "Label32");
        ed_MidlDopRezb = child<NumberBox>(thread, "ed_MidlDopRezb");
        btm_RezbTabl = child<QPushButton>(thread, "btm_RezbTabl");
        Label23 = child<ClickableLabel>(thread, "Label23");
    }

    template <class Widget>
    static Widget* child(const QWidget& parent, const char* name)
    {
        return parent.findChild<Widget*>(QLatin1String(name));
    }

    // Frame
    QStatusBar* StatusBar1;
    QLabel* Panel0;
    QLabel* Panel1;
    QLabel* Panel2;
    QTabWidget* PageControl1;
    TolerancePage* TabSheet1;
    QWidget* TabSheet2;
    FitsPage* TabSheet3;
    // Row of ListBox1 -> FieldIndex.
    const std::vector<int>& ListRowMap;

    // Tolerance page
    ClickableLabel* Label5;
    FieldListBox* ListBox1;
    QGroupBox* GroupBox1;
    ClickableLabel* Label1;
    QComboBox* ComboBox1;
    ClickableLabel* Label2;
    QComboBox* ComboBox4;
    ClickableLabel* Label3;
    QComboBox* ComboBox3;
    QCheckBox* CheckBox2;
    QLabel* Label15;
    QFrame* Panel1Frame; // the "Точность" panel, objectName Panel1
    QLabel* Label17;
    QLabel* Label12;
    QLabel* Label19;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QFrame* Bevel1;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QPushButton* Button1;
    QPushButton* Button3;
    NumberBox* Edit3;
    QLabel* Label10;
    NumberBox* Edit5;
    ClickableLabel* Label9;
    ClickableLabel* Label4;
    NumberBox* Edit2;
    NumberBox* Edit1;
    QToolButton* SpeedButton1;
    NumberBox* Edit7;
    NumberBox* Edit8;
    QToolButton* spbt_keyb;
    QPushButton* Button5;
    QPushButton* Button4;
    NumberBox* Edit4;
    QLabel* Label11;
    NumberBox* Edit6;
    QCheckBox* CheckBox1;
    QFrame* Bevel2;
    QPushButton* Button20;
    ClickableLabel* Label13;
    QPushButton* Button21;

    // Thread page
    QGroupBox* GroupBox2;
    QLabel* Label14;
    QComboBox* cmbx_Rezba;
    QLabel* Label16;
    QComboBox* cmbx_ShagRezb;
    QFrame* Bevel5;
    QLabel* lb_Rezba;
    QGroupBox* GroupBox3;
    QLabel* Label18;
    QLabel* Label20;
    QLabel* Label21;
    QLabel* Label22;
    NumberBox* ed_DiamNom;
    NumberBox* ed_DopRezb;
    QGroupBox* GroupBox4;
    QLabel* Label30;
    QLabel* Label31;
    QLabel* Label32;
    NumberBox* ed_MidlDopRezb;
    QPushButton* btm_RezbTabl;
    ClickableLabel* Label23;
};

// The controls of one main window, looked up once and again when the window changes
// or its thread page has been made since.
class MainWindowControlsCache {
public:
    const MainWindowControls& of(const QWidget& window)
    {
        if (!m_controls || m_window != &window
            || (!m_controls->cmbx_Rezba && !m_controls->TabSheet2->children().isEmpty())) {
            m_controls.reset();
            m_controls.emplace(window);
            m_window = &window;
        }
        return *m_controls;
    }

private:
    std::optional<MainWindowControls> m_controls;
    const QWidget* m_window = nullptr;
};
