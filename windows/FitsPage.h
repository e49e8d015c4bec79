// The fits page of the main window: a nominal size, a hole class and a shaft class
// of the whole ISO system, the limits of both, the clearances or interferences of
// the fit and its drawn diagram. Its controls are made when the page is first opened.
#pragma once

#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "ClassBox.h"
#include "Decimal.h"
#include "Fit.h"

class ClassSearchDialog;
class FitSchemeBox;
class NumberBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;

class FitsPage : public QWidget {
    Q_OBJECT
public:
    explicit FitsPage(QWidget* parent = nullptr);

    // The page is being opened: made on the first opening; takes the tolerance
    // page's size when it reads, lies in the system and has changed since the last opening.
    void open(const QString& toleranceSize);
    bool isBuilt() const { return ed_PosRazmer != nullptr; }
    // The fit in one line, or why there is none: the status bar's text.
    QString statusText() const { return m_status; }

    // The rows of lbx_Posadki: a fit's kind at the size ("натяг", "—" where it is not
    // defined), and the fit's index in iso286::preferredFits(); headings carry neither.
    static constexpr int KindRole = Qt::UserRole + 1;
    static constexpr int FitRole = Qt::UserRole + 2;

    QLabel* lb_PosRazmer = nullptr;
    NumberBox* ed_PosRazmer = nullptr;
    QLabel* lb_Otverstie = nullptr;
    ClassBox* cmbx_Otverstie = nullptr;
    QLabel* lb_Drob = nullptr;
    QLabel* lb_Val = nullptr;
    ClassBox* cmbx_Val = nullptr;
    QLabel* lb_PosVid = nullptr;
    QLabel* lb_Posadki = nullptr;
    QListWidget* lbx_Posadki = nullptr;

    QGroupBox* gb_Otverstie = nullptr;
    QLabel* lb_OtvES = nullptr;
    NumberBox* ed_OtvES = nullptr;
    QLabel* lb_OtvEI = nullptr;
    NumberBox* ed_OtvEI = nullptr;
    QLabel* lb_OtvMax = nullptr;
    NumberBox* ed_OtvMax = nullptr;
    QLabel* lb_OtvMin = nullptr;
    NumberBox* ed_OtvMin = nullptr;
    QGroupBox* gb_Val = nullptr;
    QLabel* lb_ValEs = nullptr;
    NumberBox* ed_ValEs = nullptr;
    QLabel* lb_ValEi = nullptr;
    NumberBox* ed_ValEi = nullptr;
    QLabel* lb_ValMax = nullptr;
    NumberBox* ed_ValMax = nullptr;
    QLabel* lb_ValMin = nullptr;
    NumberBox* ed_ValMin = nullptr;

    QLabel* lb_PosMkm = nullptr;
    QLabel* lb_Pos1 = nullptr;
    NumberBox* ed_Pos1 = nullptr;
    QLabel* lb_Pos2 = nullptr;
    NumberBox* ed_Pos2 = nullptr;
    QLabel* lb_PosSred = nullptr;
    NumberBox* ed_PosSred = nullptr;
    QLabel* lb_PosDopusk = nullptr;
    NumberBox* ed_PosDopusk = nullptr;
    FitSchemeBox* pb_Shema = nullptr;

signals:
    // The page's status for the status bar.
    void statusShown(const QString& text);
    // A passing note for the status bar: the diagram copied.
    void noteShown(const QString& text);

private slots:
    void ed_PosRazmerChange();
    void cmbx_OtverstieChange();
    void cmbx_ValChange();
    void lbx_PosadkiClick();
    // The class box's "Найти поле по отклонениям…": the class of typed deviations put into it.
    void findClass(ClassBox* box);

private:
    void build();
    void wireEvents();
    // Reads the size and the classes, fills the class lists and every result.
    void recompute();
    void refillClassLists(const number::Decimal& size);
    void showPreferredKinds(const std::optional<number::Decimal>& size);
    // One class's deviations and sizes, or "нет данных" without a class.
    void showClass(const std::optional<iso286::Limits>& limits, NumberBox* upper, NumberBox* lower, NumberBox* largest,
                   NumberBox* smallest);
    void showFit(const iso286::Fit& fit);
    void showNoFit(const QString& why);
    void showStatus(const QString& text);
    // A class box: its class when written as one of its kind and defined at the size;
    // otherwise it turns red and its hint gives the reason.
    struct ClassReading {
        QString refusal;                      // why the box is red; empty when it is not
        std::optional<iso286::Limits> limits; // a class of the box's kind defined at the size
    };
    ClassReading readClass(QComboBox* box, iso286::Kind kind, const std::optional<number::Decimal>& size);
    void markClassBox(QComboBox* box, const QString& refusal, const QString& hint);
    void selectTypedClass(QComboBox* box, const iso286::ToleranceClass& parsed);

    QString m_toleranceSize; // the tolerance page's size at the last opening
    QString m_status;
    std::optional<number::Decimal> m_size; // the size read at the last recomputation, when in the system
    ClassSearchDialog* m_classSearch = nullptr;
};
