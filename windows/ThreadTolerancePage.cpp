#include "ThreadTolerancePage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStringListModel>

#include "KeyboardShortcuts.h"
#include "LimitCalculation.h"
#include "NumberBox.h"
#include "PageControls.h"
#include "Designation.h"
#include "ThreadLimitTexts.h"
#include "ThreadLimits.h"
#include "ThreadSchemeBox.h"
#include "ThreadSelection.h"
#include "ThreadToleranceTable.h"
#include "MainPageTexts.h"
#include "UiStyle.h"

using iso965::PlanThread;
using iso965::ThreadKind;
using thread_texts::Limit;

namespace {

const char* const NutHint = QT_TRANSLATE_NOOP("ThreadTolerancePage", "Поле допуска гайки: 6H, 4H5H, 7G …");
const char* const BoltHint = QT_TRANSLATE_NOOP("ThreadTolerancePage", "Поле допуска болта: 6g, 5g6g, 8e …");
const char* const DiameterHint = QT_TRANSLATE_NOOP("ThreadTolerancePage", "Номинальный диаметр резьбы, мм; жирным — первый ряд, курсивом — третий");

QString qs(const std::string& s) { return QString::fromStdString(s); }

// The page's captions keep the bounds they are given; none sizes itself to its text.
QLabel* makeCaption(QWidget* parent, const char* name, const QString& text, QRect bounds, const QFont& font,
                    const QColor& colour)
{
    return PageControls::makeLabel(parent, name, text, bounds, font, colour);
}

NumberBox* makeResultBox(QWidget* parent, const char* name, QRect bounds)
{
    return PageControls::makeNumberBox(parent, name, bounds, UiStyle::sansFont(13, true), QString(), UiStyle::Navy,
                                       UiStyle::buttonFace(), true, QString());
}

QComboBox* makeList(QWidget* parent, const char* name, QRect bounds, const QString& hint)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(bounds);
    box->setFont(UiStyle::sansFont(16, true));
    box->setMaxVisibleItems(20);
    box->setToolTip(hint);
    return box;
}

QComboBox* makeClassBox(QWidget* parent, const char* name, QRect bounds, const QString& hint)
{
    QComboBox* box = makeList(parent, name, bounds, hint);
    box->setModel(new QStringListModel(box));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr); // the typed text is read as it stands, never completed to a guess
    UiStyle::setTextColour(box, UiStyle::Navy);
    return box;
}

QFont choiceFont(int choice)
{
    QFont font = UiStyle::sansFont(16, choice == 1);
    font.setItalic(choice == 3);
    return font;
}

void showLimit(NumberBox* box, Limit limit, const iso965::NutLimits* nut, const iso965::BoltLimits* bolt)
{
    const thread_texts::LimitText text = thread_texts::limitText(limit, nut, bolt);
    box->setProgramText(text.value.empty() ? MainPageTexts::noData() : qs(text.value));
    box->setToolTip(qs(text.hint));
}

} // namespace

ThreadTolerancePage::ThreadTolerancePage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet4"));
}

void ThreadTolerancePage::open(const QString& diameter, const QString& pitch)
{
    const bool first = !isBuilt();
    if (first)
        build();
    QString d = diameter;
    QString p = pitch;
    if (d.isEmpty()) {
        // The thread the thread page shows when it is first opened.
        const std::vector<thread_calc::DiameterItem> diameters = thread_calc::DiameterList();
        const thread_calc::DiameterItem& start = diameters[std::size_t(thread_calc::DefaultDiameterPosition(int(diameters.size())))];
        const std::vector<thread_calc::PitchItem> pitches = thread_calc::PitchList(start.diameter);
        d = qs(start.text);
        p = qs(pitches[std::size_t(thread_calc::DefaultPitchPosition(pitches))].text);
    }
    // A thread the user chose here stays until the thread page's thread changes.
    if (!first && d == m_takenDiameter && p == m_takenPitch)
        return;
    m_takenDiameter = d;
    m_takenPitch = p;
    takeOver(d, p);
    recompute();
}

void ThreadTolerancePage::build()
{
    const QFont bold11 = UiStyle::sansFont(11, true);
    const QFont bold24 = UiStyle::sansFont(24, true);
    const QColor black = UiStyle::Black;

    lb_RezbD = makeCaption(this, "lb_RezbD", tr("Резьба"), {8, 8, 90, 14}, bold11, UiStyle::Maroon);
    lb_RezbM = makeCaption(this, "lb_RezbM", tr("М"), {8, 22, 20, 34}, bold24, black);
    cmbx_RezbD = makeList(this, "cmbx_RezbD", {28, 24, 70, 31}, tr(DiameterHint));
    lb_RezbX = makeCaption(this, "lb_RezbX", QStringLiteral("×"), {100, 22, 14, 34}, bold24, black);
    lb_RezbP = makeCaption(this, "lb_RezbP", tr("Шаг"), {114, 8, 60, 14}, bold11, UiStyle::Maroon);
    cmbx_RezbP = makeList(this, "cmbx_RezbP", {114, 24, 72, 31}, tr("Шаг резьбы, мм: крупный первым"));
    lb_KlassGaiki = makeCaption(this, "lb_KlassGaiki", tr("Гайка"), {194, 8, 76, 14}, bold11, UiStyle::Maroon);
    cmbx_KlassGaiki = makeClassBox(this, "cmbx_KlassGaiki", {194, 24, 76, 31}, tr(NutHint));
    lb_RezbDrob = makeCaption(this, "lb_RezbDrob", QStringLiteral("/"), {272, 22, 10, 34}, bold24, black);
    lb_KlassBolta = makeCaption(this, "lb_KlassBolta", tr("Болт"), {284, 8, 80, 14}, bold11, UiStyle::Maroon);
    cmbx_KlassBolta = makeClassBox(this, "cmbx_KlassBolta", {284, 24, 82, 31}, tr(BoltHint));
    lb_RezbVid = makeCaption(this, "lb_RezbVid", QString(), {8, 60, 358, 14}, bold11, UiStyle::Maroon);

    buildResults();

    btm_RezbDopTabl = new QPushButton(tr("Таблица допусков резьб  >>>>"), this);
    btm_RezbDopTabl->setObjectName(QStringLiteral("btm_RezbDopTabl"));
    btm_RezbDopTabl->setGeometry(8, 352, 200, 25);
    btm_RezbDopTabl->setToolTip(tr("Предельные размеры всех резьб ряда ISO 261 в выбранных полях допуска"));

    pb_RezbShema = new ThreadSchemeBox(this);
    pb_RezbShema->setObjectName(QStringLiteral("pb_RezbShema"));
    pb_RezbShema->setGeometry(372, 8, 256, 370);

    fillDiameterList();
    {
        const QSignalBlocker nutBlocker(cmbx_KlassGaiki);
        const QSignalBlocker boltBlocker(cmbx_KlassBolta);
        cmbx_KlassGaiki->setEditText(QStringLiteral("6H"));
        cmbx_KlassBolta->setEditText(QStringLiteral("6g"));
    }
    setTabOrder(cmbx_RezbD, cmbx_RezbP);
    setTabOrder(cmbx_RezbP, cmbx_KlassGaiki);
    setTabOrder(cmbx_KlassGaiki, cmbx_KlassBolta);
    setTabOrder(cmbx_KlassBolta, btm_RezbDopTabl);
    // The diagram copies by a key too, named in its hint.
    pb_RezbShema->setToolTip(KeyboardShortcuts::hintWith(pb_RezbShema->toolTip(), KeyboardShortcuts::copyDiagram()));
    auto* copyDiagram = new QShortcut(KeyboardShortcuts::copyDiagram(), this);
    copyDiagram->setContext(Qt::WidgetWithChildrenShortcut);
    connect(copyDiagram, &QShortcut::activated, pb_RezbShema, &ThreadSchemeBox::copyToClipboard);
    wireEvents();
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->show();
    // Opened with the focus on the page before it had controls: the focus goes to its first control.
    if (QWidget* focus = window()->focusWidget(); focus == this || focus == nullptr)
        cmbx_RezbD->setFocus();
}

void ThreadTolerancePage::buildResults()
{
    const QFont bold11 = UiStyle::sansFont(11, true);
    const QFont small = UiStyle::sansFont(10);
    QFont note = small;
    note.setItalic(true);

    struct Row {
        QLabel** caption;
        const char* captionName;
        const char* text;
        NumberBox** min; // null: a label with `open` instead
        const char* minName;
        NumberBox** max;
        const char* maxName;
        QLabel** openLabel;
        const char* openName;
        const char* open;
        const char* openHint;
    };
    auto makeGroup = [&](QGroupBox*& group, const char* name, const QString& title, int y, const QColor& colour,
                         QLabel*& minHead, const char* minName, QLabel*& maxHead, const char* maxName,
                         const Row (&rows)[3], QLabel*& deviations, const char* deviationsName) {
        group = PageControls::makeGroupBox(this, name, title, {8, y, 358, 114}, bold11, colour);
        minHead = makeCaption(group, minName, tr("наим., мм"), {150, 16, 96, 14}, small, UiStyle::Navy);
        maxHead = makeCaption(group, maxName, tr("наиб., мм"), {252, 16, 96, 14}, small, UiStyle::Navy);
        minHead->setAlignment(Qt::AlignCenter);
        maxHead->setAlignment(Qt::AlignCenter);
        for (int i = 0; i < 3; ++i) {
            const Row& row = rows[i];
            const int rowY = 30 + 24 * i;
            *row.caption = makeCaption(group, row.captionName, tr(row.text), {6, rowY + 4, 140, 14}, bold11,
                                       UiStyle::Maroon);
            const QRect minBounds{150, rowY, 96, 22};
            const QRect maxBounds{252, rowY, 96, 22};
            if (row.min)
                *row.min = makeResultBox(group, row.minName, minBounds);
            if (row.max)
                *row.max = makeResultBox(group, row.maxName, maxBounds);
            if (!row.openLabel)
                continue;
            QLabel* open = makeCaption(group, row.openName, tr(row.open),
                                       (row.min ? maxBounds : minBounds).adjusted(0, 4, 0, -4), note, UiStyle::Navy);
            open->setAlignment(Qt::AlignCenter);
            open->setToolTip(tr(row.openHint));
            *row.openLabel = open;
        }
        deviations = makeCaption(group, deviationsName, QString(), {6, 98, 346, 14}, small, UiStyle::Navy);
    };
    const Row nutRows[3] = {
        {&lb_GaikaD, "lb_GaikaD", QT_TRANSLATE_NOOP("ThreadTolerancePage", "наружный D"), &ed_GaikaD_min, "ed_GaikaD_min", nullptr, "", &lb_GaikaD_max,
         "lb_GaikaD_max", QT_TRANSLATE_NOOP("ThreadTolerancePage", "не ограничен"), QT_TRANSLATE_NOOP("ThreadTolerancePage", "Наибольший наружный диаметр гайки стандарт не ограничивает")},
        {&lb_GaikaD2, "lb_GaikaD2", QT_TRANSLATE_NOOP("ThreadTolerancePage", "средний D₂"), &ed_GaikaD2_min, "ed_GaikaD2_min", &ed_GaikaD2_max, "ed_GaikaD2_max",
         nullptr, "", "", ""},
        {&lb_GaikaD1, "lb_GaikaD1", QT_TRANSLATE_NOOP("ThreadTolerancePage", "внутренний D₁"), &ed_GaikaD1_min, "ed_GaikaD1_min", &ed_GaikaD1_max, "ed_GaikaD1_max",
         nullptr, "", "", ""},
    };
    const Row boltRows[3] = {
        {&lb_BoltD, "lb_BoltD", QT_TRANSLATE_NOOP("ThreadTolerancePage", "наружный d"), &ed_BoltD_min, "ed_BoltD_min", &ed_BoltD_max, "ed_BoltD_max", nullptr, "",
         "", ""},
        {&lb_BoltD2, "lb_BoltD2", QT_TRANSLATE_NOOP("ThreadTolerancePage", "средний d₂"), &ed_BoltD2_min, "ed_BoltD2_min", &ed_BoltD2_max, "ed_BoltD2_max", nullptr,
         "", "", ""},
        {&lb_BoltD3, "lb_BoltD3", QT_TRANSLATE_NOOP("ThreadTolerancePage", "внутренний d₃"), nullptr, "", &ed_BoltD3_max, "ed_BoltD3_max", &lb_BoltD3_min,
         "lb_BoltD3_min", QT_TRANSLATE_NOOP("ThreadTolerancePage", "не нормирован"), QT_TRANSLATE_NOOP("ThreadTolerancePage", "Наименьший внутренний диаметр болта d₃ стандарт не устанавливает")},
    };
    makeGroup(gb_Gaika, "gb_Gaika", tr("Гайка (внутренняя резьба)"), 78, UiStyle::HoleColour, lb_GaikaMin,
              "lb_GaikaMin", lb_GaikaMax, "lb_GaikaMax", nutRows, lb_GaikaOtkl, "lb_GaikaOtkl");
    makeGroup(gb_Bolt, "gb_Bolt", tr("Болт (наружная резьба)"), 196, UiStyle::ShaftColour, lb_BoltMin,
              "lb_BoltMin", lb_BoltMax, "lb_BoltMax", boltRows, lb_BoltOtkl, "lb_BoltOtkl");

    lb_RezbZazor = makeCaption(this, "lb_RezbZazor", tr("Зазор по среднему диаметру, мкм"), {8, 316, 146, 30},
                               bold11, UiStyle::Maroon);
    lb_RezbZazor->setWordWrap(true);
    ed_RezbZazorMin = makeResultBox(this, "ed_RezbZazorMin", {158, 318, 96, 24});
    ed_RezbZazorMax = makeResultBox(this, "ed_RezbZazorMax", {260, 318, 96, 24});
}

void ThreadTolerancePage::wireEvents()
{
    connect(cmbx_RezbD, &QComboBox::activated, this, &ThreadTolerancePage::cmbx_RezbDChange);
    connect(cmbx_RezbP, &QComboBox::activated, this, &ThreadTolerancePage::cmbx_RezbPChange);
    for (QComboBox* box : {cmbx_KlassGaiki, cmbx_KlassBolta}) {
        connect(box->lineEdit(), &QLineEdit::textEdited, this, &ThreadTolerancePage::cmbx_KlassChange);
        connect(box, &QComboBox::activated, this, &ThreadTolerancePage::cmbx_KlassChange);
    }
    connect(btm_RezbDopTabl, &QPushButton::clicked, this, &ThreadTolerancePage::btm_RezbDopTablClick);
}

void ThreadTolerancePage::fillDiameterList()
{
    const QSignalBlocker blocker(cmbx_RezbD);
    for (const iso965::PlanDiameter& diameter : iso965::planDiameters()) {
        cmbx_RezbD->addItem(qs(thread_texts::numberText(diameter.d)));
        const int item = cmbx_RezbD->count() - 1;
        cmbx_RezbD->setItemData(item, diameter.choice, ChoiceRole);
        if (diameter.choice != 2)
            cmbx_RezbD->setItemData(item, choiceFont(diameter.choice), Qt::FontRole);
    }
}

void ThreadTolerancePage::showDiameterChoice()
{
    // The closed box shows its diameter in the font of the diameter's choice, as the list does.
    cmbx_RezbD->setFont(choiceFont(cmbx_RezbD->currentData(ChoiceRole).toInt()));
}

void ThreadTolerancePage::fillPitchList()
{
    // The items of cmbx_RezbD are the plan's diameters in its order.
    const int item = cmbx_RezbD->currentIndex();
    m_pitchThreads = item >= 0 ? iso965::planThreadsAt(iso965::planDiameters()[std::size_t(item)].d)
                               : std::vector<PlanThread>{};
    const QSignalBlocker blocker(cmbx_RezbP);
    cmbx_RezbP->clear();
    for (const PlanThread& thread : m_pitchThreads) {
        cmbx_RezbP->addItem(qs(thread_texts::numberText(thread.pitch)));
        if (thread.series == iso965::Series::Coarse)
            cmbx_RezbP->setItemData(cmbx_RezbP->count() - 1, UiStyle::sansFont(16, true), Qt::FontRole);
    }
    cmbx_RezbP->setCurrentIndex(0); // the coarse pitch, or the largest fine one
}

void ThreadTolerancePage::takeOver(const QString& diameter, const QString& pitch)
{
    m_takeOverNote.clear();
    const int item = cmbx_RezbD->findText(diameter, Qt::MatchExactly);
    if (item < 0)
        return; // a diameter the plan does not have: the page keeps its own
    {
        const QSignalBlocker blocker(cmbx_RezbD);
        cmbx_RezbD->setCurrentIndex(item);
    }
    showDiameterChoice();
    fillPitchList();
    const int pitchItem = cmbx_RezbP->findText(pitch, Qt::MatchExactly);
    if (pitchItem >= 0) {
        const QSignalBlocker blocker(cmbx_RezbP);
        cmbx_RezbP->setCurrentIndex(pitchItem);
    } else {
        m_takeOverNote = tr("Резьбы М%1×%2 в ряду ISO 261 нет; показан шаг %3")
                             .arg(diameter, pitch, cmbx_RezbP->currentText());
    }
}

const PlanThread& ThreadTolerancePage::currentThread() const
{
    return m_pitchThreads[std::size_t(std::max(0, cmbx_RezbP->currentIndex()))];
}

void ThreadTolerancePage::cmbx_RezbDChange()
{
    m_takeOverNote.clear();
    showDiameterChoice();
    fillPitchList();
    recompute();
}

void ThreadTolerancePage::cmbx_RezbPChange()
{
    m_takeOverNote.clear();
    recompute();
}

void ThreadTolerancePage::cmbx_KlassChange() { recompute(); }

void ThreadTolerancePage::btm_RezbDopTablClick()
{
    if (!m_table)
        m_table = new ThreadToleranceTable(this);
    // The classes of the page when they read as classes of their kinds; 6H and 6g otherwise.
    auto classOf = [](QComboBox* box, ThreadKind kind, const char* fallback) {
        const iso965::ClassReading read = iso965::readClassOf(kind, box->currentText().toStdString());
        return read.threadClass ? *read.threadClass : *iso965::readThreadClass(fallback);
    };
    m_table->setClasses(classOf(cmbx_KlassGaiki, ThreadKind::Internal, "6H"),
                        classOf(cmbx_KlassBolta, ThreadKind::External, "6g"));
    m_table->exec();
}

void ThreadTolerancePage::refillClassLists(const PlanThread& thread)
{
    auto refill = [&thread](QComboBox* box, std::vector<std::string>& names, ThreadKind kind) {
        std::vector<std::string> now;
        for (const iso965::ThreadClass& threadClass : iso965::classesFor(thread, kind))
            now.push_back(threadClass.name());
        if (now == names)
            return;
        names = std::move(now);
        const QSignalBlocker blocker(box);
        const QString typed = box->currentText();
        QStringList items;
        for (const std::string& name : names)
            items << qs(name);
        static_cast<QStringListModel*>(box->model())->setStringList(items);
        box->setCurrentIndex(-1);
        box->setEditText(typed);
    };
    refill(cmbx_KlassGaiki, m_nutClasses, ThreadKind::Internal);
    refill(cmbx_KlassBolta, m_boltClasses, ThreadKind::External);
}

ThreadTolerancePage::ClassReading ThreadTolerancePage::readClass(QComboBox* box, ThreadKind kind,
                                                                 const PlanThread& thread)
{
    const bool nut = kind == ThreadKind::Internal;
    const iso965::ClassReading read = iso965::readClassOf(kind, box->currentText().toStdString());
    const std::optional<iso965::ThreadClass>& parsed = read.threadClass;
    ClassReading reading;
    if (!parsed)
        reading.refusal = qs(iso965::refusalText(read.refusal));
    else if (const iso965::Refusal refusal = iso965::classRefusal(thread, *parsed))
        reading.refusal = qs(iso965::refusalText(refusal));
    UiStyle::setTextColour(box, reading.refusal.isEmpty() ? UiStyle::Navy : UiStyle::Red);
    box->setToolTip(reading.refusal.isEmpty() ? (nut ? tr(NutHint) : tr(BoltHint)) : reading.refusal);
    if (!reading.refusal.isEmpty())
        return reading;
    reading.threadClass = parsed;
    // A class typed in Cyrillic look-alike letters is shown as written in Latin ones;
    // letter for letter, so the cursor stays where the user typed.
    const QString name = qs(parsed->name());
    QLineEdit* edit = box->lineEdit();
    if (edit->text().trimmed() != name && edit->text().size() == name.size()) {
        const QSignalBlocker blocker(box);
        const int cursor = edit->cursorPosition();
        edit->setText(name);
        edit->setCursorPosition(cursor);
    }
    return reading;
}

void ThreadTolerancePage::recompute()
{
    if (m_pitchThreads.empty())
        return;
    const PlanThread& thread = currentThread();
    UiStyle::setTextColour(lb_RezbVid, m_takeOverNote.isEmpty() ? UiStyle::Maroon : UiStyle::Red);
    lb_RezbVid->setText(m_takeOverNote.isEmpty() ? qs(thread_texts::seriesText(thread)) : m_takeOverNote);
    refillClassLists(thread);

    const ClassReading nutClass = readClass(cmbx_KlassGaiki, ThreadKind::Internal, thread);
    const ClassReading boltClass = readClass(cmbx_KlassBolta, ThreadKind::External, thread);
    iso965::ThreadFit fit;
    if (nutClass.threadClass && boltClass.threadClass)
        fit = iso965::threadFit(thread, *nutClass.threadClass, *boltClass.threadClass);
    else if (nutClass.threadClass)
        fit.nut = iso965::nutLimits(thread, *nutClass.threadClass);
    else if (boltClass.threadClass)
        fit.bolt = iso965::boltLimits(thread, *boltClass.threadClass);
    const iso965::NutLimits* nut = fit.nut.defined ? &fit.nut : nullptr;
    const iso965::BoltLimits* bolt = fit.bolt.defined ? &fit.bolt : nullptr;

    NumberBox* const boxes[thread_texts::LimitCount] = {ed_GaikaD_min, ed_GaikaD2_min, ed_GaikaD2_max, ed_GaikaD1_min,
                                                        ed_GaikaD1_max, ed_BoltD_max,   ed_BoltD_min,   ed_BoltD2_max,
                                                        ed_BoltD2_min, ed_BoltD3_max};
    for (int i = 0; i < thread_texts::LimitCount; ++i)
        showLimit(boxes[i], thread_texts::AllLimits[std::size_t(i)], nut, bolt);

    // A refusal longer than the line is cut with an ellipsis; its hint holds it whole.
    const auto showDeviations = [](QLabel* label, const QString& refusal, const QString& line) {
        UiStyle::setTextColour(label, refusal.isEmpty() ? UiStyle::Navy : UiStyle::Red);
        const QString text = refusal.isEmpty() ? line : refusal;
        label->setText(label->fontMetrics().elidedText(text, Qt::ElideRight, label->width()));
        label->setToolTip(refusal);
    };
    showDeviations(lb_GaikaOtkl, nutClass.refusal, nut ? qs(thread_texts::deviationLine(*nut)) : QString());
    showDeviations(lb_BoltOtkl, boltClass.refusal, bolt ? qs(thread_texts::deviationLine(*bolt)) : QString());

    const thread_texts::ClearanceTexts clearance = thread_texts::clearanceTexts(fit);
    ed_RezbZazorMin->setProgramText(fit.defined ? qs(clearance.least) : MainPageTexts::noData());
    ed_RezbZazorMax->setProgramText(fit.defined ? qs(clearance.largest) : MainPageTexts::noData());
    ed_RezbZazorMin->setToolTip(qs(clearance.leastHint));
    ed_RezbZazorMax->setToolTip(qs(clearance.largestHint));

    const std::string nutName = nutClass.threadClass ? nutClass.threadClass->name() : "";
    const std::string boltName = boltClass.threadClass ? boltClass.threadClass->name() : "";
    const std::string classes = nutName.empty() ? boltName : boltName.empty() ? nutName : nutName + "/" + boltName;
    m_status = qs(thread_texts::threadTitle(thread) + (classes.empty() ? "" : "-" + classes));
    emit statusShown(m_status);

    std::vector<std::string> notes;
    for (const ClassReading* reading : {&nutClass, &boltClass})
        if (!reading->refusal.isEmpty())
            notes.push_back(reading->refusal.toStdString());
    pb_RezbShema->setDiagram(thread_texts::diagramInput(thread, nut, bolt,
                                                        nutClass.threadClass ? nutClass.threadClass->name() : "",
                                                        boltClass.threadClass ? boltClass.threadClass->name() : "",
                                                        std::move(notes)),
                             nut || bolt ? qs(thread_texts::summaryLine(thread, nut, bolt)) : QString());
}
