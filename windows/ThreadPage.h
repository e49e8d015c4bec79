// The thread page of the main window: a metric thread chosen by diameter and pitch,
// and the hole drilled before the thread is cut, with its tolerance and its diameter
// at the middle of the tolerance. Its controls are made when the page is first opened.
#pragma once

#include <QWidget>

class ClickableLabel;
class NumberBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

class ThreadPage : public QWidget {
    Q_OBJECT
public:
    explicit ThreadPage(QWidget* parent = nullptr);

    // Makes the controls now if the page has not been opened yet.
    void ensureControls();
    bool controlsMade() const { return cmbx_Rezba != nullptr; }
    // The thread shown, as its two lists write it; empty before the page is first opened.
    QString diameterText() const;
    QString pitchText() const;
    // The main window is shown for the first time: the pitches of the selected diameter
    // are listed, now or when the page is made.
    void FormShow();

    // The thread shown and its hole in one line: the status bar's text while the page is shown.
    QString statusText() const { return m_status; }

signals:
    void statusShown(const QString& text);
    // btm_RezbTabl: the thread table window.
    void tableRequested();
    // Label23: the about window.
    void aboutRequested();

private slots:
    void cmbx_RezbaChange();
    void cmbx_ShagRezbChange();
    void btm_RezbTablClick();

private:
    void createControls();
    void FillDiameterList();
    void FillPitchList(double diameter);
    void ShowThreadHole();
    // Opened with the focus on the page before it had controls: the focus goes to the
    // page's first control in the focus chain, as the tab widget gives it on a made page.
    void focusFirstControl();

    bool m_mainWindowShown = false;
    QString m_status;

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
};
