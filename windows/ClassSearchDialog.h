// A small window of the fits page that names the class of given deviations: the two
// deviations at the page's size, for a hole or a shaft, and the class they are (or the
// nearest ones), which "Вставить" puts into the class box.
#pragma once

#include <QDialog>
#include <optional>

#include "Decimal.h"
#include "ToleranceClass.h"

class NumberBox;
class QLabel;
class QPushButton;

class ClassSearchDialog : public QDialog {
    Q_OBJECT
public:
    explicit ClassSearchDialog(QWidget* parent = nullptr);

    // Sets the question before the window is shown: the size in mm, the kind of class
    // and the deviations in µm the boxes start with (those of the class in the box).
    void ask(const number::Decimal& size, iso286::Kind kind, const QString& upper, const QString& lower);
    // The class the deviations are, when there is one.
    std::optional<iso286::ToleranceClass> found() const { return m_found; }

    QLabel* lb_PoiskRazmer = nullptr;
    QLabel* lb_VerhOtkl = nullptr;
    NumberBox* ed_VerhOtkl = nullptr;
    QLabel* lb_NizhOtkl = nullptr;
    NumberBox* ed_NizhOtkl = nullptr;
    QLabel* lb_PoiskPolya = nullptr;
    QPushButton* btm_Vstavit = nullptr;
    QPushButton* btm_Otmena = nullptr;

private:
    void lookUp();

    number::Decimal m_size;
    iso286::Kind m_kind = iso286::Kind::Hole;
    std::optional<iso286::ToleranceClass> m_found;
};
