#include "MainPageTexts.h"
#include "ClassSearchDialog.h"

#include <QLabel>
#include <QPushButton>

#include "ClassLookup.h"
#include "ManualEntry.h"
#include "NumberBox.h"
#include "NumberText.h"
#include "PageControls.h"
#include "UiStyle.h"

ClassSearchDialog::ClassSearchDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ClassSearchDialog"));
    setWindowTitle(tr("Поле по отклонениям"));
    setFixedSize(264, 160);
    const QFont bold11 = UiStyle::sansFont(11, true);
    const QFont bold13 = UiStyle::sansFont(13, true);

    lb_PoiskRazmer = PageControls::makeLabel(this, "lb_PoiskRazmer", QString(), {8, 8, 248, 16}, bold11, UiStyle::Maroon);
    lb_VerhOtkl = PageControls::makeLabel(this, "lb_VerhOtkl", QString(), {8, 36, 76, 16}, bold11, UiStyle::Maroon);
    ed_VerhOtkl = PageControls::makeNumberBox(this, "ed_VerhOtkl", {88, 32, 96, 24}, bold13, QString(), UiStyle::Navy,
                                              UiStyle::White, false, QString());
    lb_NizhOtkl = PageControls::makeLabel(this, "lb_NizhOtkl", QString(), {8, 66, 76, 16}, bold11, UiStyle::Maroon);
    ed_NizhOtkl = PageControls::makeNumberBox(this, "ed_NizhOtkl", {88, 62, 96, 24}, bold13, QString(), UiStyle::Navy,
                                              UiStyle::White, false, QString());
    lb_PoiskPolya = PageControls::makeLabel(this, "lb_PoiskPolya", QString(), {8, 92, 248, 32}, bold11, UiStyle::Navy);
    lb_PoiskPolya->setWordWrap(true);
    lb_PoiskPolya->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    btm_Vstavit = PageControls::makeButton(this, "btm_Vstavit", tr("Вставить"), {88, 128, 80, 25}, font());
    btm_Otmena = PageControls::makeButton(this, "btm_Otmena", tr("Отмена"), {176, 128, 80, 25}, font());
    btm_Vstavit->setDefault(true);
    for (NumberBox* box : {ed_VerhOtkl, ed_NizhOtkl}) {
        box->setCharFilter(&PageControls::numberKeyFilter);
        connect(box, &QLineEdit::textEdited, this, &ClassSearchDialog::lookUp);
    }
    setTabOrder(ed_VerhOtkl, ed_NizhOtkl);
    setTabOrder(ed_NizhOtkl, btm_Vstavit);
    setTabOrder(btm_Vstavit, btm_Otmena);
    connect(btm_Vstavit, &QPushButton::clicked, this, &QDialog::accept);
    connect(btm_Otmena, &QPushButton::clicked, this, &QDialog::reject);
}

void ClassSearchDialog::ask(const number::Decimal& size, iso286::Kind kind, const QString& upper, const QString& lower)
{
    m_size = size;
    m_kind = kind;
    const bool hole = kind == iso286::Kind::Hole;
    const QString sizeText = QString::fromStdString(number::generalNumberText(size));
    lb_PoiskRazmer->setText(hole ? tr("Ø%1 мм, поле отверстия").arg(sizeText) : tr("Ø%1 мм, поле вала").arg(sizeText));
    lb_VerhOtkl->setText(hole ? tr("ES, мкм") : tr("es, мкм"));
    lb_NizhOtkl->setText(hole ? tr("EI, мкм") : tr("ei, мкм"));
    ed_VerhOtkl->setToolTip(hole ? tr("Верхнее отклонение отверстия ES, мкм") : tr("Верхнее отклонение вала es, мкм"));
    ed_NizhOtkl->setToolTip(hole ? tr("Нижнее отклонение отверстия EI, мкм") : tr("Нижнее отклонение вала ei, мкм"));
    ed_VerhOtkl->setProgramText(upper);
    ed_NizhOtkl->setProgramText(lower);
    lookUp();
    ed_VerhOtkl->setFocus();
    ed_VerhOtkl->selectAll();
}

void ClassSearchDialog::lookUp()
{
    auto read = [](NumberBox* box) {
        const auto value = number::parseNumberText(box->text().toStdString());
        UiStyle::setTextColour(box, value || box->text().isEmpty() ? UiStyle::Navy : UiStyle::Red);
        return value;
    };
    const auto upper = read(ed_VerhOtkl);
    const auto lower = read(ed_NizhOtkl);
    const tolerance::ClassLookupLine line =
        tolerance::classLookupLine(m_size, upper, lower, tolerance::DeviationUnit::Micrometres,
                                   m_kind == iso286::Kind::Hole ? iso286::Search::Holes : iso286::Search::Shafts);
    const bool reversed = tolerance::upperBelowLower(upper, lower);
    lb_PoiskPolya->setText(reversed ? MainPageTexts::upperBelowLower() : QString::fromStdString(line.text));
    UiStyle::setTextColour(lb_PoiskPolya, reversed ? UiStyle::Red : UiStyle::Navy);
    m_found.reset();
    if (!line.exact.empty())
        m_found = line.exact.front();
    btm_Vstavit->setEnabled(m_found.has_value());
}
