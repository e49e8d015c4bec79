// The thread tolerance page of the main window: an ISO metric thread of the ISO 261
// plan, a nut class and a bolt class, the limits of both (ISO 965-1, GOST 16093),
// the pair's clearance at the pitch diameter and the drawn zones. Its controls are
// made when the page is first opened; the table of every thread opens from it.
#pragma once

#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "ThreadClass.h"
#include "ThreadPlan.h"

class NumberBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class ThreadSchemeBox;
class ThreadToleranceTable;

class ThreadTolerancePage : public QWidget {
    Q_OBJECT
public:
    explicit ThreadTolerancePage(QWidget* parent = nullptr);

    // The page is being opened: made on the first opening; takes the thread page's
    // thread (the texts of its diameter and pitch items) when it has changed since
    // the last opening. Empty texts: the thread page is not made yet, and its start
    // thread is taken.
    void open(const QString& diameter, const QString& pitch);
    bool isBuilt() const { return cmbx_RezbD != nullptr; }
    // The thread and its classes ("M15×1,5-6H/6g"): the status bar's text while the page is shown.
    QString statusText() const { return m_status; }

    // The thread's choice in the plan (1, 2, 3) on each item of cmbx_RezbD.
    static constexpr int ChoiceRole = Qt::UserRole + 1;

    QLabel* lb_RezbD = nullptr;
    QLabel* lb_RezbM = nullptr;
    QComboBox* cmbx_RezbD = nullptr;
    QLabel* lb_RezbX = nullptr;
    QLabel* lb_RezbP = nullptr;
    QComboBox* cmbx_RezbP = nullptr;
    QLabel* lb_KlassGaiki = nullptr;
    QComboBox* cmbx_KlassGaiki = nullptr;
    QLabel* lb_RezbDrob = nullptr;
    QLabel* lb_KlassBolta = nullptr;
    QComboBox* cmbx_KlassBolta = nullptr;
    QLabel* lb_RezbVid = nullptr;

    QGroupBox* gb_Gaika = nullptr;
    QLabel* lb_GaikaMin = nullptr;
    QLabel* lb_GaikaMax = nullptr;
    QLabel* lb_GaikaD = nullptr;
    NumberBox* ed_GaikaD_min = nullptr;
    QLabel* lb_GaikaD_max = nullptr; // D max is not limited
    QLabel* lb_GaikaD2 = nullptr;
    NumberBox* ed_GaikaD2_min = nullptr;
    NumberBox* ed_GaikaD2_max = nullptr;
    QLabel* lb_GaikaD1 = nullptr;
    NumberBox* ed_GaikaD1_min = nullptr;
    NumberBox* ed_GaikaD1_max = nullptr;
    QLabel* lb_GaikaOtkl = nullptr;

    QGroupBox* gb_Bolt = nullptr;
    QLabel* lb_BoltMin = nullptr;
    QLabel* lb_BoltMax = nullptr;
    QLabel* lb_BoltD = nullptr;
    NumberBox* ed_BoltD_min = nullptr;
    NumberBox* ed_BoltD_max = nullptr;
    QLabel* lb_BoltD2 = nullptr;
    NumberBox* ed_BoltD2_min = nullptr;
    NumberBox* ed_BoltD2_max = nullptr;
    QLabel* lb_BoltD3 = nullptr;
    QLabel* lb_BoltD3_min = nullptr; // the standard gives no d3 minimum
    NumberBox* ed_BoltD3_max = nullptr;
    QLabel* lb_BoltOtkl = nullptr;

    QLabel* lb_RezbZazor = nullptr;
    NumberBox* ed_RezbZazorMin = nullptr;
    NumberBox* ed_RezbZazorMax = nullptr;
    QPushButton* btm_RezbDopTabl = nullptr;
    ThreadSchemeBox* pb_RezbShema = nullptr;

    // The table window, made at its first opening.
    ThreadToleranceTable* tableWindow() const { return m_table; }

signals:
    void statusShown(const QString& text);

private slots:
    void cmbx_RezbDChange();
    void cmbx_RezbPChange();
    void cmbx_KlassChange();
    void btm_RezbDopTablClick();

private:
    void build();
    void buildResults();
    void wireEvents();
    void fillDiameterList();
    void fillPitchList();
    void takeOver(const QString& diameter, const QString& pitch);
    const iso965::PlanThread& currentThread() const;
    void showDiameterChoice();
    void refillClassLists(const iso965::PlanThread& thread);
    // A class box: its class when written as one of its kind and defined at the thread;
    // otherwise it turns red and its hint gives the reason.
    struct ClassReading {
        QString refusal;
        std::optional<iso965::ThreadClass> threadClass;
    };
    ClassReading readClass(QComboBox* box, iso965::ThreadKind kind, const iso965::PlanThread& thread);
    void recompute();

    std::vector<iso965::PlanThread> m_pitchThreads; // the items of cmbx_RezbP
    std::vector<std::string> m_nutClasses;
    std::vector<std::string> m_boltClasses;
    QString m_takenDiameter; // the thread page's thread at the last opening
    QString m_takenPitch;
    QString m_takeOverNote;  // the thread page's thread is not in the plan
    ThreadToleranceTable* m_table = nullptr;
    QString m_status;
};
