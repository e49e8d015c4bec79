#include "FitsPage.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <algorithm>

#include "ClassBox.h"
#include "ClassList.h"
#include "ClassLookup.h"
#include "ClassSearchDialog.h"
#include "FitTexts.h"
#include "KeyboardShortcuts.h"
#include "LimitCalculation.h"
#include "NumberBox.h"
#include "NumberText.h"
#include "PageControls.h"
#include "TypeAhead.h"
#include "MainPageTexts.h"
#include "UiStyle.h"
#include "RowHeightDelegate.h"
#include "FitSchemeBox.h"

using number::Decimal;

namespace {

const char* const SizeHint = QT_TRANSLATE_NOOP("FitsPage", "Номинальный размер, мм: больше 0 и до 3150");
const char* const HoleHint = QT_TRANSLATE_NOOP("FitsPage", "Поле допуска отверстия: H7, F8, JS9 …");
const char* const ShaftHint = QT_TRANSLATE_NOOP("FitsPage", "Поле допуска вала: g6, p6, js9 …");
const char* const UnreadableSize = QT_TRANSLATE_NOOP("FitsPage", "Размер не читается как число");
const char* const FitCopiedText = QT_TRANSLATE_NOOP("FitsPage", "Схема и посадка скопированы");
constexpr int KindRole = FitsPage::KindRole;
constexpr int FitRole = FitsPage::FitRole;
constexpr int KindColourRole = FitsPage::FitRole + 1;

QString qs(const std::string& s) { return QString::fromStdString(s); }

// A preferred fit's row: its name, and its kind at the size on the right, in the kind's colour.
class PreferredFitDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        const QString kind = index.data(KindRole).toString();
        if (kind.isEmpty())
            return;
        painter->save();
        painter->setFont(UiStyle::sansFont(10));
        const bool selected = option.state & QStyle::State_Selected;
        painter->setPen(selected ? option.palette.color(QPalette::HighlightedText)
                                 : index.data(KindColourRole).value<QColor>());
        painter->drawText(option.rect.adjusted(0, 0, -3, 0), Qt::AlignRight | Qt::AlignVCenter, kind);
        painter->restore();
    }
};

// The page's captions keep the bounds they are given; none sizes itself to its text.
QLabel* makeCaption(QWidget* parent, const char* name, const QString& text, QRect bounds, const QFont& font,
                    const QColor& colour)
{
    return PageControls::makeLabel(parent, name, text, bounds, font, colour);
}

NumberBox* makeResultBox(QWidget* parent, const char* name, QRect bounds, const QFont& font, const QString& hint)
{
    return PageControls::makeNumberBox(parent, name, bounds, font, QString(), UiStyle::Navy, UiStyle::buttonFace(), true, hint);
}

ClassBox* makeClassBox(QWidget* parent, const char* name, iso286::Kind kind, QRect bounds, const QString& hint)
{
    auto* box = new ClassBox(kind, parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(bounds);
    box->setFont(UiStyle::sansFont(16, true));
    UiStyle::setTextColour(box, UiStyle::Navy);
    box->setToolTip(hint);
    return box;
}

QColor kindColour(iso286::FitKind kind)
{
    switch (kind) {
    case iso286::FitKind::Clearance:
        return UiStyle::ClearanceColour;
    case iso286::FitKind::Interference:
        return UiStyle::InterferenceColour;
    case iso286::FitKind::Transition:
        break;
    }
    return UiStyle::Navy;
}

QString shortKindText(iso286::FitKind kind)
{
    switch (kind) {
    case iso286::FitKind::Clearance:
        return FitsPage::tr("зазор");
    case iso286::FitKind::Interference:
        return FitsPage::tr("натяг");
    case iso286::FitKind::Transition:
        break;
    }
    return FitsPage::tr("переходная");
}

} // namespace

FitsPage::FitsPage(QWidget* parent)
    : QWidget(parent)
{
}

void FitsPage::open(const QString& toleranceSize)
{
    const bool first = !isBuilt();
    if (first)
        build();
    // A size the user typed here stays until the tolerance page's size changes.
    const bool changed = first || toleranceSize != m_toleranceSize;
    m_toleranceSize = toleranceSize;
    const auto size = number::parseNumberText(toleranceSize.toStdString());
    if (changed && size && iso286::sizeInRange(*size) && toleranceSize != ed_PosRazmer->text())
        ed_PosRazmer->setProgramText(toleranceSize);
    else if (!first)
        return; // nothing changed since the page was last shown
    recompute();
}

void FitsPage::build()
{
    const QFont bold11 = UiStyle::sansFont(11, true);
    const QFont bold13 = UiStyle::sansFont(13, true);

    lb_PosRazmer = makeCaption(this, "lb_PosRazmer", tr("Размер, мм"), {8, 8, 121, 14}, bold11, UiStyle::Maroon);
    ed_PosRazmer = PageControls::makeNumberBox(this, "ed_PosRazmer", {8, 24, 121, 31}, UiStyle::verdanaFont(20), QString(),
                                               UiStyle::Black, UiStyle::White, false, tr(SizeHint));
    ed_PosRazmer->setCharFilter(&PageControls::numberKeyFilter);

    lb_Otverstie = makeCaption(this, "lb_Otverstie", tr("Отверстие"), {140, 8, 100, 14}, bold11, UiStyle::Maroon);
    cmbx_Otverstie = makeClassBox(this, "cmbx_Otverstie", iso286::Kind::Hole, {140, 24, 110, 31}, tr(HoleHint));
    lb_Drob = makeCaption(this, "lb_Drob", QStringLiteral("/"), {252, 22, 10, 34}, UiStyle::sansFont(24, true), UiStyle::Black);
    lb_Val = makeCaption(this, "lb_Val", tr("Вал"), {264, 8, 100, 14}, bold11, UiStyle::Maroon);
    cmbx_Val = makeClassBox(this, "cmbx_Val", iso286::Kind::Shaft, {264, 24, 116, 31}, tr(ShaftHint));

    lb_Posadki = makeCaption(this, "lb_Posadki", tr("Предпочтительные"), {8, 66, 128, 14}, bold11, UiStyle::Maroon);
    lbx_Posadki = new QListWidget(this);
    lbx_Posadki->setObjectName(QStringLiteral("lbx_Posadki"));
    lbx_Posadki->setGeometry(8, 82, 128, 294);
    lbx_Posadki->setFont(bold11);
    UiStyle::setTextColour(lbx_Posadki, UiStyle::Navy);
    lbx_Posadki->setItemDelegate(new PreferredFitDelegate(lbx_Posadki));
    RowHeightDelegate::apply(lbx_Posadki, 13, RowHeightDelegate::Rule::Exactly);
    lbx_Posadki->setToolTip(tr("Щелчок выбирает оба поля посадки"));
    iso286::FitSystem section = iso286::FitSystem::NonSystem;
    const auto& fits = iso286::preferredFits();
    for (std::size_t i = 0; i < fits.size(); ++i) {
        if (fits[i].system != section) {
            section = fits[i].system;
            auto* heading = new QListWidgetItem(qs(iso286::fitSystemText(section)), lbx_Posadki);
            heading->setFlags(Qt::NoItemFlags);
            heading->setFont(UiStyle::sansFont(10));
            heading->setForeground(UiStyle::Maroon);
        }
        auto* item = new QListWidgetItem(qs(fits[i].name()), lbx_Posadki);
        item->setData(FitRole, int(i));
    }

    gb_Otverstie = PageControls::makeGroupBox(this, "gb_Otverstie", tr("Отверстие"), {140, 64, 118, 118}, bold11,
                                              UiStyle::HoleColour);
    gb_Val = PageControls::makeGroupBox(this, "gb_Val", tr("Вал"), {262, 64, 118, 118}, bold11, UiStyle::ShaftColour);
    struct Row {
        QLabel** caption;
        NumberBox** box;
        const char* captionName;
        const char* boxName;
        const char* text;
        const char* hint;
    };
    const Row holeRows[] = {
        {&lb_OtvES, &ed_OtvES, "lb_OtvES", "ed_OtvES", "ES", QT_TRANSLATE_NOOP("FitsPage", "Верхнее отклонение отверстия ES, мкм")},
        {&lb_OtvEI, &ed_OtvEI, "lb_OtvEI", "ed_OtvEI", "EI", QT_TRANSLATE_NOOP("FitsPage", "Нижнее отклонение отверстия EI, мкм")},
        {&lb_OtvMax, &ed_OtvMax, "lb_OtvMax", "ed_OtvMax", "Dmax", QT_TRANSLATE_NOOP("FitsPage", "Наибольший предельный размер отверстия Dmax, мм")},
        {&lb_OtvMin, &ed_OtvMin, "lb_OtvMin", "ed_OtvMin", "Dmin", QT_TRANSLATE_NOOP("FitsPage", "Наименьший предельный размер отверстия Dmin, мм")},
    };
    const Row shaftRows[] = {
        {&lb_ValEs, &ed_ValEs, "lb_ValEs", "ed_ValEs", "es", QT_TRANSLATE_NOOP("FitsPage", "Верхнее отклонение вала es, мкм")},
        {&lb_ValEi, &ed_ValEi, "lb_ValEi", "ed_ValEi", "ei", QT_TRANSLATE_NOOP("FitsPage", "Нижнее отклонение вала ei, мкм")},
        {&lb_ValMax, &ed_ValMax, "lb_ValMax", "ed_ValMax", "dmax", QT_TRANSLATE_NOOP("FitsPage", "Наибольший предельный размер вала dmax, мм")},
        {&lb_ValMin, &ed_ValMin, "lb_ValMin", "ed_ValMin", "dmin", QT_TRANSLATE_NOOP("FitsPage", "Наименьший предельный размер вала dmin, мм")},
    };
    auto makeRows = [&](QGroupBox* group, const Row (&rows)[4]) {
        for (int i = 0; i < 4; ++i) {
            const int y = 18 + 24 * i;
            *rows[i].caption = makeCaption(group, rows[i].captionName, QString::fromUtf8(rows[i].text), {6, y + 4, 38, 14},
                                           bold11, UiStyle::Maroon);
            *rows[i].box = makeResultBox(group, rows[i].boxName, {42, y, 70, 22}, bold13, tr(rows[i].hint));
        }
    };
    makeRows(gb_Otverstie, holeRows);
    makeRows(gb_Val, shaftRows);

    lb_PosMkm = makeCaption(this, "lb_PosMkm", tr("Отклонения, зазоры и натяги в мкм, размеры в мм"),
                            {140, 184, 240, 28}, UiStyle::sansFont(10), UiStyle::Navy);
    lb_PosMkm->setWordWrap(true);
    const Row fitRows[] = {
        {&lb_Pos1, &ed_Pos1, "lb_Pos1", "ed_Pos1", "", ""},
        {&lb_Pos2, &ed_Pos2, "lb_Pos2", "ed_Pos2", "", ""},
        {&lb_PosSred, &ed_PosSred, "lb_PosSred", "ed_PosSred", "", ""},
        {&lb_PosDopusk, &ed_PosDopusk, "lb_PosDopusk", "ed_PosDopusk", "", ""},
    };
    for (int i = 0; i < 4; ++i) {
        const int y = 214 + 27 * i;
        *fitRows[i].caption = makeCaption(this, fitRows[i].captionName, QString(), {140, y + 5, 164, 14}, bold11, UiStyle::Maroon);
        *fitRows[i].box = makeResultBox(this, fitRows[i].boxName, {304, y, 76, 24}, bold13, tr(fitRows[i].hint));
    }
    lb_PosVid = makeCaption(this, "lb_PosVid", QString(), {140, 324, 240, 52}, bold11, UiStyle::Maroon);
    lb_PosVid->setWordWrap(true);
    lb_PosVid->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    pb_Shema = new FitSchemeBox(this);
    pb_Shema->setObjectName(QStringLiteral("pb_Shema"));
    pb_Shema->setGeometry(388, 8, 240, 368);

    {
        const QSignalBlocker holeBlocker(cmbx_Otverstie);
        const QSignalBlocker shaftBlocker(cmbx_Val);
        cmbx_Otverstie->setEditText(QStringLiteral("H7"));
        cmbx_Val->setEditText(QStringLiteral("g6"));
    }
    setTabOrder(ed_PosRazmer, cmbx_Otverstie);
    setTabOrder(cmbx_Otverstie, cmbx_Val);
    setTabOrder(cmbx_Val, lbx_Posadki);
    // The diagram copies by a key too, named in its hint.
    pb_Shema->setToolTip(KeyboardShortcuts::hintWith(pb_Shema->toolTip(), KeyboardShortcuts::copyDiagram()));
    auto* copyDiagram = new QShortcut(KeyboardShortcuts::copyDiagram(), this);
    copyDiagram->setContext(Qt::WidgetWithChildrenShortcut);
    connect(copyDiagram, &QShortcut::activated, pb_Shema, &FitSchemeBox::copyToClipboard);
    wireEvents();
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->show();
    // Opened with the focus on the page before it had controls: the focus goes to its first control.
    if (QWidget* focus = window()->focusWidget(); focus == this || focus == nullptr)
        ed_PosRazmer->setFocus();
}

void FitsPage::wireEvents()
{
    connect(ed_PosRazmer, &QLineEdit::textEdited, this, &FitsPage::ed_PosRazmerChange);
    connect(cmbx_Otverstie->lineEdit(), &QLineEdit::textEdited, this, &FitsPage::cmbx_OtverstieChange);
    connect(cmbx_Otverstie, &ClassBox::classActivated, this, &FitsPage::cmbx_OtverstieChange);
    connect(cmbx_Val->lineEdit(), &QLineEdit::textEdited, this, &FitsPage::cmbx_ValChange);
    connect(cmbx_Val, &ClassBox::classActivated, this, &FitsPage::cmbx_ValChange);
    for (ClassBox* box : {cmbx_Otverstie, cmbx_Val})
        connect(box, &ClassBox::findRequested, this, [this, box] { findClass(box); });
    connect(lbx_Posadki, &QListWidget::itemClicked, this, &FitsPage::lbx_PosadkiClick);
    connect(lbx_Posadki, &QListWidget::itemActivated, this, &FitsPage::lbx_PosadkiClick);
    connect(pb_Shema, &FitSchemeBox::copied, this, [this] { emit noteShown(tr(FitCopiedText)); });
}

void FitsPage::ed_PosRazmerChange() { recompute(); }
void FitsPage::cmbx_OtverstieChange() { recompute(); }
void FitsPage::cmbx_ValChange() { recompute(); }

void FitsPage::lbx_PosadkiClick()
{
    const QListWidgetItem* item = lbx_Posadki->currentItem();
    if (!item || !item->data(FitRole).isValid())
        return;
    const iso286::PreferredFit& fit = iso286::preferredFits()[std::size_t(item->data(FitRole).toInt())];
    const QSignalBlocker holeBlocker(cmbx_Otverstie);
    const QSignalBlocker shaftBlocker(cmbx_Val);
    cmbx_Otverstie->setEditText(qs(fit.hole.name()));
    cmbx_Val->setEditText(qs(fit.shaft.name()));
    recompute();
}

void FitsPage::refillClassLists(const Decimal& size)
{
    const iso286::ClassesAtSize classes = iso286::classesAt(size);
    auto refill = [](ClassBox* box, const std::vector<iso286::Limits>& list) {
        static const std::vector<iso286::ToleranceClass> holes = tolerance::commonClasses(iso286::Kind::Hole);
        static const std::vector<iso286::ToleranceClass> shafts = tolerance::commonClasses(iso286::Kind::Shaft);
        const std::vector<iso286::ToleranceClass>& common = box->kind() == iso286::Kind::Hole ? holes : shafts;
        QStringList commonNames;
        QStringList allNames;
        allNames.reserve(qsizetype(list.size()));
        for (const iso286::Limits& limits : list) {
            const QString name = qs(limits.toleranceClass.name());
            allNames << name;
            if (std::find(common.begin(), common.end(), limits.toleranceClass) != common.end())
                commonNames << name;
        }
        box->setClasses(commonNames, allNames);
    };
    refill(cmbx_Otverstie, classes.holes);
    refill(cmbx_Val, classes.shafts);
}

void FitsPage::markClassBox(QComboBox* box, const QString& refusal, const QString& hint)
{
    UiStyle::setTextColour(box, refusal.isEmpty() ? UiStyle::Navy : UiStyle::Red);
    box->setToolTip(refusal.isEmpty() ? hint : refusal);
}

void FitsPage::selectTypedClass(QComboBox* box, const iso286::ToleranceClass& parsed)
{
    const QString name = qs(parsed.name());
    const int item = box->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    const QSignalBlocker blocker(box);
    QLineEdit* edit = box->lineEdit();
    const QString typed = edit->text();
    const int cursor = edit->cursorPosition();
    if (item >= 0 && item != box->currentIndex())
        box->setCurrentIndex(item);
    // A class typed in Cyrillic look-alike letters is shown as it is written in Latin ones,
    // letter for letter, so the cursor stays where the user typed.
    if (edit->text() != name)
        edit->setText(name);
    if (name.size() == typed.size())
        edit->setCursorPosition(cursor);
}

FitsPage::ClassReading FitsPage::readClass(QComboBox* box, iso286::Kind kind, const std::optional<Decimal>& size)
{
    const QString hint = kind == iso286::Kind::Hole ? tr(HoleHint) : tr(ShaftHint);
    const QString text = box->currentText();
    ClassReading reading;
    // "Js6" in the shaft box is js6: the box says which kind it takes.
    const std::optional<iso286::ToleranceClass> parsed = iso286::parseClassOfKind(text.toStdString(), kind);
    std::optional<iso286::Limits> limits;
    if (!parsed)
        reading.refusal = text.isEmpty() ? tr("Поле допуска не указано")
                                         : tr("«%1» не поле допуска (пример: H7, p6)").arg(text);
    else if (parsed->kind != kind)
        reading.refusal = (kind == iso286::Kind::Hole ? tr("%1 — поле вала, а не отверстия")
                                                      : tr("%1 — поле отверстия, а не вала"))
                              .arg(qs(parsed->name()));
    else if (size) { // without a size a class cannot be judged
        limits = iso286::limitsOf(*size, *parsed);
        if (!limits->defined)
            reading.refusal = qs(iso286::reasonText(limits->refusal));
    }
    const QString js7 = limits ? qs(iso286::js7Note(*limits)) : QString();
    markClassBox(box, reading.refusal, js7.isEmpty() ? hint : hint + QLatin1Char('\n') + js7);
    if (limits && limits->defined) {
        selectTypedClass(box, *parsed);
        reading.limits = std::move(limits);
    }
    return reading;
}

void FitsPage::showPreferredKinds(const std::optional<Decimal>& size)
{
    const auto& fits = iso286::preferredFits();
    const QString hole = cmbx_Otverstie->currentText();
    const QString shaft = cmbx_Val->currentText();
    int chosen = -1;
    for (int row = 0; row < lbx_Posadki->count(); ++row) {
        QListWidgetItem* item = lbx_Posadki->item(row);
        if (!item->data(FitRole).isValid())
            continue;
        const iso286::PreferredFit& preferred = fits[std::size_t(item->data(FitRole).toInt())];
        QString kind;
        QString hint;
        QColor colour = UiStyle::Maroon;
        if (size) {
            const iso286::Fit fit = iso286::fitOf(*size, preferred.hole, preferred.shaft);
            kind = fit.defined ? shortKindText(fit.kind) : QStringLiteral("—");
            hint = qs(fit.defined ? iso286::fitKindSentence(fit) : iso286::reasonText(fit.refusal));
            if (fit.defined)
                colour = kindColour(fit.kind);
        }
        item->setToolTip(hint);
        item->setData(KindRole, kind);
        item->setData(KindColourRole, colour);
        if (chosen < 0 && qs(preferred.hole.name()) == hole && qs(preferred.shaft.name()) == shaft)
            chosen = row;
    }
    const QSignalBlocker blocker(lbx_Posadki);
    if (chosen >= 0)
        lbx_Posadki->setCurrentRow(chosen);
    else
        lbx_Posadki->setCurrentRow(-1);
}

namespace {

void showDeviation(NumberBox* box, const Decimal& value)
{
    UiStyle::setTextColour(box, value > Decimal{} ? UiStyle::Maroon : UiStyle::Navy);
    box->setProgramText(qs(iso286::deviationText(value)));
}

void showNumber(NumberBox* box, const Decimal& value)
{
    UiStyle::setTextColour(box, UiStyle::Navy);
    box->setProgramText(qs(number::generalNumberText(value)));
}

void showNoNumber(NumberBox* box)
{
    UiStyle::setTextColour(box, UiStyle::Navy);
    box->setProgramText(MainPageTexts::noData());
}

} // namespace

void FitsPage::showClass(const std::optional<iso286::Limits>& limits, NumberBox* upper, NumberBox* lower,
                         NumberBox* largest, NumberBox* smallest)
{
    if (!limits) {
        for (NumberBox* box : {upper, lower, largest, smallest})
            showNoNumber(box);
        return;
    }
    showDeviation(upper, limits->upper);
    showDeviation(lower, limits->lower);
    showNumber(largest, limits->largest);
    showNumber(smallest, limits->smallest);
}

void FitsPage::showNoFit(const QString& why)
{
    for (NumberBox* box : {ed_Pos1, ed_Pos2, ed_PosSred, ed_PosDopusk})
        showNoNumber(box);
    lb_Pos1->setText(tr("Smax или Nmax"));
    lb_Pos2->setText(tr("Smin или Nmin"));
    lb_PosSred->setText(tr("Sm или Nm"));
    lb_PosDopusk->setText(tr("Допуск посадки"));
    for (const auto& [caption, box] : {std::pair{lb_Pos1, ed_Pos1}, std::pair{lb_Pos2, ed_Pos2},
                                       std::pair{lb_PosSred, ed_PosSred}, std::pair{lb_PosDopusk, ed_PosDopusk}})
        box->setToolTip(caption->text() + tr(", мкм"));
    UiStyle::setTextColour(lb_PosVid, UiStyle::Red);
    lb_PosVid->setText(why);
}

void FitsPage::showFit(const iso286::Fit& fit)
{
    const iso286::FitFigures figures = iso286::fitFigures(fit);
    const std::pair<QLabel*, NumberBox*> rows[] = {{lb_Pos1, ed_Pos1}, {lb_Pos2, ed_Pos2}, {lb_PosSred, ed_PosSred},
                                                   {lb_PosDopusk, ed_PosDopusk}};
    const iso286::FitFigure* values[] = {&figures.first, &figures.second, &figures.mean, &figures.tolerance};
    for (int i = 0; i < 4; ++i) {
        rows[i].first->setText(qs(values[i]->caption));
        rows[i].second->setToolTip(qs(values[i]->caption) + tr(", мкм"));
        showNumber(rows[i].second, values[i]->value);
    }
    UiStyle::setTextColour(lb_PosVid, UiStyle::Maroon);
    lb_PosVid->setText(qs(iso286::fitKindSentence(fit)));
}

void FitsPage::showStatus(const QString& text)
{
    m_status = text;
    emit statusShown(text);
}

void FitsPage::recompute()
{
    const QString sizeText = ed_PosRazmer->text();
    const std::optional<Decimal> read = number::parseNumberText(sizeText.toStdString());
    std::optional<Decimal> size;
    QString sizeProblem;
    if (!read)
        sizeProblem = sizeText.isEmpty() ? tr("Размер не указан") : tr(UnreadableSize);
    else if (!iso286::sizeInRange(*read))
        sizeProblem = qs(iso286::reasonText(iso286::sizeRefusal(*read)));
    else
        size = read;
    UiStyle::setTextColour(ed_PosRazmer, size ? UiStyle::Black : UiStyle::Red);
    ed_PosRazmer->setToolTip(size ? tr(SizeHint) : sizeProblem);
    if (size)
        refillClassLists(*size);
    m_size = size;
    for (ClassBox* box : {cmbx_Otverstie, cmbx_Val})
        box->setFindEnabled(size.has_value());

    const ClassReading hole = readClass(cmbx_Otverstie, iso286::Kind::Hole, size);
    const ClassReading shaft = readClass(cmbx_Val, iso286::Kind::Shaft, size);
    showPreferredKinds(size);

    iso286::DiagramInput input;
    input.size = size;
    input.hole = hole.limits;
    input.shaft = shaft.limits;
    // Each class shows its own limits when it is one at the size; the fit needs both.
    showClass(hole.limits, ed_OtvES, ed_OtvEI, ed_OtvMax, ed_OtvMin);
    showClass(shaft.limits, ed_ValEs, ed_ValEi, ed_ValMax, ed_ValMin);
    QString summary;
    QString copyLine;
    if (!size) {
        input.refusals.push_back(sizeProblem.toStdString());
        showNoFit(sizeProblem);
    } else if (hole.limits && shaft.limits) {
        const iso286::Fit fit = iso286::fitOf(*hole.limits, *shaft.limits);
        showFit(fit);
        summary = qs(iso286::fitSummary(fit));
        copyLine = qs(iso286::fitCopyLine(fit));
    } else {
        for (const ClassReading* reading : {&hole, &shaft})
            if (!reading->refusal.isEmpty())
                input.refusals.push_back(reading->refusal.toStdString());
        showNoFit(qs(input.refusals.front()));
    }
    showStatus(summary.isEmpty() ? lb_PosVid->text() : summary);
    pb_Shema->setDiagram(std::move(input), copyLine);
}

void FitsPage::findClass(ClassBox* box)
{
    if (!m_size)
        return;
    if (!m_classSearch)
        m_classSearch = new ClassSearchDialog(this);
    const bool hole = box == cmbx_Otverstie;
    // The boxes start with the deviations of the class in the box, when it is one.
    const NumberBox* upper = hole ? ed_OtvES : ed_ValEs;
    const NumberBox* lower = hole ? ed_OtvEI : ed_ValEi;
    const bool shown = upper->text() != MainPageTexts::noData();
    m_classSearch->ask(*m_size, box->kind(), shown ? upper->text() : QString(), shown ? lower->text() : QString());
    if (m_classSearch->exec() != QDialog::Accepted || !m_classSearch->found())
        return;
    {
        const QSignalBlocker blocker(box);
        box->setEditText(qs(m_classSearch->found()->name()));
    }
    recompute();
}
