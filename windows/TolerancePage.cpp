#include "TolerancePage.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QToolButton>

#include "ClassLookup.h"
#include "ClickableLabel.h"
#include "FieldListBox.h"
#include "KeyboardShortcuts.h"
#include "MainPageTexts.h"
#include "ManualEntry.h"
#include "NumberBox.h"
#include "NumberText.h"
#include "PageControls.h"
#include "RowHeightDelegate.h"
#include "UiStyle.h"
#include "WindowPlacement.h"
#include "frm_FastNamber_Unit.h"
#include "frm_KeyBoard_unit.h"
#include "frm_List_unit.h"

namespace {

const char* const FormulaCopiedText = QT_TRANSLATE_NOOP("TolerancePage", "Формула  скопирована ");
const QString PanelBlankText = QStringLiteral("    ");
const char* const UpperHintTable = QT_TRANSLATE_NOOP("TolerancePage", "Верхнее значение допуска");
const char* const UpperHintManual = QT_TRANSLATE_NOOP("TolerancePage", "Верхнее значение допуска. (Двойной щелчек для быстрой вставки)");
const char* const LowerHintTable = QT_TRANSLATE_NOOP("TolerancePage", "Нижнее значение допуска");
const char* const LowerHintManual = QT_TRANSLATE_NOOP("TolerancePage", "Нижнее значение допуска. (Двойной щелчек для быстрой вставки) ");
const char* const SizeHint = QT_TRANSLATE_NOOP("TolerancePage", "Просто введите сюда число");
const char* const FilterResetHint = QT_TRANSLATE_NOOP("TolerancePage", "Щелчек для сброса фильтра");
const char* const FormulaHint = QT_TRANSLATE_NOOP("TolerancePage", "Двойной щелчек - скопировать формулу в буфер обмена");

QString qs(const std::string& s) { return QString::fromStdString(s); }

using PageControls::BevelKind;
using PageControls::makeBevel;
using PageControls::makeButton;

template <class Label = QLabel>
Label* makeLabel(QWidget* parent, const char* name, const QString& text, QRect bounds, const QFont& font,
                 const QColor& colour)
{
    return PageControls::makeCaptionLabel<Label>(parent, name, text, bounds, font, colour);
}

NumberBox* makeEdit(QWidget* parent, const char* name, QRect bounds, const QFont& font, const QColor& colour,
                    const QColor& background, bool readOnly, const QString& hint)
{
    return PageControls::makePageBox(parent, name, bounds, font, colour, background, readOnly, hint);
}

// A square between two arcs, red on the left and blue on the right, plus signs at their ends.
QPixmap mirrorPicture()
{
    QPixmap picture(18, 18);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(UiStyle::Red, 1.5));
    p.drawArc(QRectF(1, 3, 10, 12), 90 * 16, 180 * 16);
    p.drawLine(QPointF(3, 1.5), QPointF(7, 1.5));
    p.drawLine(QPointF(5, 0), QPointF(5, 3));
    p.setPen(QPen(UiStyle::Blue, 1.5));
    p.drawArc(QRectF(7, 3, 10, 12), 270 * 16, 180 * 16);
    p.drawLine(QPointF(11, 16.5), QPointF(15, 16.5));
    p.drawLine(QPointF(13, 15), QPointF(13, 18));
    p.setPen(QPen(UiStyle::Black, 1));
    p.drawRect(QRectF(6.5, 6.5, 5, 5));
    return picture;
}

QPixmap keyboardPicture()
{
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setPen(QPen(UiStyle::Black, 1));
    p.setBrush(QColor(220, 220, 220));
    p.drawRoundedRect(QRectF(1.5, 7.5, 29, 18), 2, 2);
    p.setBrush(UiStyle::White);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 6; ++col)
            p.drawRect(QRectF(3.5 + col * 4.5, 9.5 + row * 4.5, 3, 3));
    p.drawRect(QRectF(8.5, 22, 15, 2));
    return picture;
}

} // namespace

TolerancePage::TolerancePage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet1"));
}

void TolerancePage::setDialogs(Tfrm_ListOf_Ferrak* fieldPicker, Tfrm_FastNamber* quickNumbers, Tfrm_KeyBoard* keypad)
{
    m_fieldPicker = fieldPicker;
    m_quickNumbers = quickNumbers;
    m_keypad = keypad;
}

QString TolerancePage::sizeText() const { return Edit2->text(); }
void TolerancePage::focusSize() { Edit2->setFocus(); }

void TolerancePage::createControls()
{
    QWidget* page = this;
    // The page lies in the main window: its buttons take the window's font.
    const QFont windowFont = window()->font();
    const QFont bold11 = UiStyle::sansFont(11, true);
    const QFont verdana24 = UiStyle::verdanaFont(24);
    const QFont verdanaBold16 = UiStyle::verdanaFont(16, true);
    const QColor face = UiStyle::buttonFace();

    Label5 = makeLabel<ClickableLabel>(page, "Label5", tr("Квалитет"), {8, 8, 56, 13}, bold11, UiStyle::Maroon);
    Label5->setCursor(Qt::PointingHandCursor);
    Label5->setToolTip(tr("Щелчек для изменения поля допуска"));

    ListBox1 = new FieldListBox(page);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(8, 32, 65, 345);
    ListBox1->setFont(bold11);
    UiStyle::setTextColour(ListBox1, UiStyle::Navy);
    ListBox1->setUniformItemSizes(true);
    ListBox1->setSpacing(0);
    RowHeightDelegate::apply(ListBox1, 13, RowHeightDelegate::Rule::Exactly);
    // The scroll bar's arrows keep the usual text colour, not the navy of the items.
    UiStyle::setTextColour(ListBox1->verticalScrollBar(), QApplication::palette().color(QPalette::WindowText));
    ListBox1->setToolTip(tr("Выбирете квалитет"));

    GroupBox1 = PageControls::makeGroupBox(page, "GroupBox1", tr("ФИЛЬТР"), {88, 8, 529, 65}, bold11, UiStyle::Navy);

    auto makeFilterBox = [&](const char* name, QRect bounds, const std::vector<std::string>& items, int selected) {
        auto* box = new QComboBox(GroupBox1);
        box->setObjectName(QLatin1String(name));
        box->setGeometry(bounds);
        QFont narrow = bold11;
        narrow.setStretch(QFont::SemiCondensed); // the longest item fits the box as on the original desktop
        box->setFont(narrow);
        UiStyle::setTextColour(box, UiStyle::Navy);
        for (const std::string& item : items)
            box->addItem(qs(item));
        box->setCurrentIndex(selected);
        return box;
    };
    Label1 = makeLabel<ClickableLabel>(GroupBox1, "Label1", tr("ТИП"), {8, 16, 27, 13}, bold11, UiStyle::Maroon);
    ComboBox1 = makeFilterBox("ComboBox1", {8, 32, 217, 21}, tolerance::typeFilterItems(), tolerance::QualityOrderItem);
    Label2 = makeLabel<ClickableLabel>(GroupBox1, "Label2", tr("Квалитет"), {264, 16, 56, 13}, bold11, UiStyle::Maroon);
    ComboBox4 = makeFilterBox("ComboBox4", {280, 32, 97, 21}, tolerance::qualityFilterItems(), 0);
    Label3 = makeLabel<ClickableLabel>(GroupBox1, "Label3", tr("Буква"), {408, 16, 36, 13}, bold11, UiStyle::Maroon);
    ComboBox3 = makeFilterBox("ComboBox3", {416, 32, 97, 21}, tolerance::letterFilterItems(), 0);
    for (QLabel* reset : {Label1, Label2, Label3}) {
        reset->setCursor(Qt::PointingHandCursor);
        reset->setToolTip(tr(FilterResetHint));
    }

    CheckBox2 = new QCheckBox(tr("Допуск в мкм."), page);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox2->setGeometry(112, 96, 121, 17);
    CheckBox2->setFont(bold11);
    UiStyle::setTextColour(CheckBox2, UiStyle::Navy);

    Label15 = makeLabel(page, "Label15", tr("Точность"), {304, 96, 56, 13}, bold11, UiStyle::Navy);

    Panel1 = new QFrame(page);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(384, 80, 233, 47);
    Panel1->setFrameShape(QFrame::Box); // a box with a sunken shadow is Qt's etched frame
    Panel1->setFrameShadow(QFrame::Sunken);
    Label17 = makeLabel(Panel1, "Label17", tr("Как есть"), {12, 6, 60, 13}, bold11, UiStyle::Maroon);
    Label12 = makeLabel(Panel1, "Label12", tr("2 цифры"), {92, 6, 60, 13}, bold11, UiStyle::Maroon);
    Label19 = makeLabel(Panel1, "Label19", tr("3 цифры"), {164, 6, 60, 13}, bold11, UiStyle::Maroon);
    auto makeRadio = [&](const char* name, int x) {
        auto* radio = new QRadioButton(Panel1);
        radio->setObjectName(QLatin1String(name));
        radio->setGeometry(x, 24, 25, 17);
        return radio;
    };
    RadioButton1 = makeRadio("RadioButton1", 24);
    RadioButton2 = makeRadio("RadioButton2", 112);
    RadioButton3 = makeRadio("RadioButton3", 176);
    RadioButton2->setChecked(true);
    // Tab reaches the group at its checked button, the arrow keys the others (Qt moves the
    // Tab stop along with the check from then on).
    for (QRadioButton* radio : {RadioButton1, RadioButton3})
        radio->setFocusPolicy(Qt::ClickFocus);

    Bevel1 = makeBevel(page, "Bevel1", {88, 128, 521, 10}, BevelKind::BottomLine);
    Label6 = makeLabel(page, "Label6", tr("Числовое значение [мм]"), {112, 152, 160, 13}, bold11, UiStyle::Maroon);
    Label7 = makeLabel(page, "Label7", tr("Средний допуск"), {337, 152, 110, 13}, bold11, UiStyle::Maroon);
    Label8 = makeLabel(page, "Label8", tr("Радиус"), {504, 152, 50, 13}, bold11, UiStyle::Maroon);

    Button1 = makeButton(page, "Button1", QStringLiteral("0"), {136, 176, 33, 33}, bold11);
    Button3 = makeButton(page, "Button3", QStringLiteral("±"), {176, 176, 33, 33}, bold11);
    Edit3 = makeEdit(page, "Edit3", {216, 184, 73, 26}, verdanaBold16, UiStyle::Navy, face, true, tr(UpperHintTable));
    Label10 = makeLabel(page, "Label10", QStringLiteral("max"), {342, 184, 30, 13}, bold11, UiStyle::Navy);
    Edit5 = makeEdit(page, "Edit5", {379, 184, 73, 26}, verdanaBold16, UiStyle::Navy, face, true, tr("Максимум"));

    Label9 = makeLabel<ClickableLabel>(page, "Label9", QStringLiteral("="), {296, 208, 24, 48}, UiStyle::sansFont(37, true),
                       QApplication::palette().color(QPalette::WindowText));
    Label9->setToolTip(KeyboardShortcuts::hintWith(tr(FormulaHint), KeyboardShortcuts::meanFormula()));
    Label4 = makeLabel<ClickableLabel>(page, "Label4", QStringLiteral("R="), {456, 208, 56, 45}, UiStyle::verdanaFont(37),
                       QApplication::palette().color(QPalette::WindowText));
    Label4->setToolTip(KeyboardShortcuts::hintWith(tr(FormulaHint), KeyboardShortcuts::radiusFormula()));

    Edit2 = makeEdit(page, "Edit2", {88, 216, 121, 37}, verdana24, UiStyle::Maroon, UiStyle::White, false,
                     tr(SizeHint));
    Edit2->setText(QStringLiteral("5"));

    SpeedButton1 = new QToolButton(page);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setGeometry(216, 224, 23, 22);
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setIcon(QIcon(mirrorPicture()));
    SpeedButton1->setIconSize(QSize(18, 18));
    SpeedButton1->setEnabled(false);

    Edit1 = makeEdit(page, "Edit1", {216, 216, 73, 37}, verdana24, UiStyle::Maroon, face, true,
                     tr("Двойной щелчек для изменения поля допуска"));
    Edit7 = makeEdit(page, "Edit7", {336, 216, 113, 37}, verdana24, UiStyle::Maroon, face, true, tr("Среднее значение"));
    Edit8 = makeEdit(page, "Edit8", {512, 216, 105, 37}, verdana24, UiStyle::Maroon, face, true,
                     tr("Радиус (Среднее значение /2)"));

    spbt_keyb = new QToolButton(page);
    spbt_keyb->setObjectName(QStringLiteral("spbt_keyb"));
    spbt_keyb->setGeometry(88, 256, 41, 33);
    spbt_keyb->setAutoRaise(true);
    spbt_keyb->setIcon(QIcon(keyboardPicture()));
    spbt_keyb->setIconSize(QSize(32, 32));
    spbt_keyb->setToolTip(KeyboardShortcuts::hintWith(tr("Отобразить виртуальную клавиатуру"), KeyboardShortcuts::keypad()));

    Button5 = makeButton(page, "Button5", QStringLiteral("0"), {136, 256, 33, 33}, bold11);
    Button4 = makeButton(page, "Button4", QStringLiteral("±"), {176, 256, 33, 33}, bold11);
    Edit4 = makeEdit(page, "Edit4", {216, 256, 73, 26}, verdanaBold16, UiStyle::Navy, face, true, tr(LowerHintTable));
    Label11 = makeLabel(page, "Label11", QStringLiteral("min"), {342, 261, 26, 13}, bold11, UiStyle::Navy);
    Edit6 = makeEdit(page, "Edit6", {379, 256, 73, 26}, verdanaBold16, UiStyle::Navy, face, true, tr("Минимум"));

    CheckBox1 = new QCheckBox(tr("Ввести допуск вручную"), page);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(200, 296, 175, 17);
    CheckBox1->setFont(bold11);
    UiStyle::setTextColour(CheckBox1, UiStyle::Navy);
    Bevel2 = makeBevel(page, "Bevel2", {88, 304, 529, 18}, BevelKind::BottomLine);
    Bevel2->lower();

    Button20 = makeButton(page, "Button20", MainPageTexts::tableButton(), {448, 328, 171, 25}, windowFont);
    Label13 = makeLabel<ClickableLabel>(page, "Label13", MainPageTexts::about(), {512, 360, 97, 16}, UiStyle::sansFont(13, true), UiStyle::Blue);
    Label13->setCursor(Qt::PointingHandCursor);
    Label13->setToolTip(KeyboardShortcuts::hintWith(MainPageTexts::about(), KeyboardShortcuts::about()));

    Button21 = makeButton(page, "Button21", QString(), {0, 0, 1, 1}, windowFont);
    Button21->hide();

    lb_PoleOtkl = makeLabel(page, "lb_PoleOtkl", QString(), {88, 330, 352, 16}, bold11, UiStyle::Navy);
    lb_PoleOtkl->setToolTip(tr("Поля ISO с этими отклонениями при этом размере, или ближайшие к ним"));

    for (NumberBox* box : {Edit2, Edit3, Edit4})
        box->setCharFilter(&TolerancePage::Edit2KeyPress);

    // Focus order in reading order: the field list's column, then the rest row by row.
    // Edit3, Edit4 and the buttons beside them take part only in manual mode.
    for (ClickableLabel* label : {Label5, Label1, Label2, Label3, Label13})
        label->takeKeyboardClicks();
    QWidget* const readingOrder[] = {Label5, ListBox1, Label1, ComboBox1, Label2, ComboBox4, Label3, ComboBox3,
                                     CheckBox2, RadioButton1, RadioButton2, RadioButton3, Button1, Button3, Edit3,
                                     Edit2, SpeedButton1, spbt_keyb, Button5, Button4, Edit4, CheckBox1, Button20, Label13};
    for (std::size_t i = 1; i < std::size(readingOrder); ++i)
        setTabOrder(readingOrder[i - 1], readingOrder[i]);

    applyModeStates();
    wireEvents();
}

void TolerancePage::wireEvents()
{
    for (QComboBox* box : {ComboBox1, ComboBox4, ComboBox3})
        connect(box, &QComboBox::currentIndexChanged, this, &TolerancePage::ComboBox1Change);
    connect(ListBox1, &QListWidget::currentRowChanged, this, &TolerancePage::Button2Click);
    for (QRadioButton* radio : {RadioButton1, RadioButton2, RadioButton3})
        connect(radio, &QRadioButton::clicked, this, &TolerancePage::Button2Click);
    // The user's edits recompute; the program recomputes itself after its own writes.
    for (QLineEdit* box : {Edit2, Edit3, Edit4})
        connect(box, &QLineEdit::textEdited, this, &TolerancePage::Button2Click);
    connect(CheckBox1, &QCheckBox::clicked, this, &TolerancePage::CheckBox1Click);
    connect(CheckBox2, &QCheckBox::clicked, this, &TolerancePage::CheckBox2Click);
    connect(this, &TolerancePage::oldDesignationShown, this, [this](const QString& text) { m_status = text; });
    connect(Button1, &QPushButton::clicked, this, &TolerancePage::Button1Click);
    connect(Button3, &QPushButton::clicked, this, &TolerancePage::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TolerancePage::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TolerancePage::Button5Click);
    connect(Button21, &QPushButton::clicked, this, &TolerancePage::Button21Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TolerancePage::SpeedButton1Click);
    connect(spbt_keyb, &QToolButton::clicked, this, &TolerancePage::spbt_keybClick);
    connect(Button20, &QPushButton::clicked, this, &TolerancePage::Button20Click);

    // Clicks come through the controls' own signals, so a disabled control does nothing.
    connect(Label1, &ClickableLabel::clicked, this, &TolerancePage::Label1Click);
    connect(Label2, &ClickableLabel::clicked, this, &TolerancePage::Label2Click);
    connect(Label3, &ClickableLabel::clicked, this, &TolerancePage::Label3Click);
    connect(Label5, &ClickableLabel::clicked, this, &TolerancePage::Label5Click);
    connect(Label13, &ClickableLabel::clicked, this, &TolerancePage::aboutRequested);
    connect(Label9, &ClickableLabel::doubleClicked, this, &TolerancePage::Label9DblClick);
    connect(Label4, &ClickableLabel::doubleClicked, this, &TolerancePage::Label4DblClick);
    connect(Edit1, &NumberBox::doubleClicked, this, &TolerancePage::Label5Click);
    connect(ListBox1, &FieldListBox::listDoubleClicked, this, &TolerancePage::Label5Click);
    connect(Edit2, &NumberBox::doubleClicked, this, &TolerancePage::spbt_keybClick);
    connect(Edit3, &NumberBox::doubleClicked, this, &TolerancePage::Button21Click);
    connect(Edit4, &NumberBox::doubleClicked, this, &TolerancePage::Edit4DblClick);

    // The keys of what the mouse reaches by a click or double click with no Tab stop.
    auto addShortcut = [this](const QKeySequence& keys, void (TolerancePage::*slot)()) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    addShortcut(KeyboardShortcuts::keypad(), &TolerancePage::spbt_keybClick);
    addShortcut(KeyboardShortcuts::meanFormula(), &TolerancePage::Label9DblClick);
    addShortcut(KeyboardShortcuts::radiusFormula(), &TolerancePage::Label4DblClick);
    for (NumberBox* box : {Edit2, Edit3, Edit4})
        box->installEventFilter(this);

    // Mouse moves over the bare page clear the status bar's note.
    setMouseTracking(true);
}

void TolerancePage::mouseMoveEvent(QMouseEvent* event)
{
    // Mouse moves over the bare page, not over one of its controls.
    if (childAt(event->position().toPoint()) == nullptr)
        TabSheet1MouseMove();
    QWidget::mouseMoveEvent(event);
}

bool TolerancePage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QKeySequence& own : {KeyboardShortcuts::keypad(), KeyboardShortcuts::meanFormula(), KeyboardShortcuts::radiusFormula()})
            if (pressed.matches(own) == QKeySequence::ExactMatch) {
                event->ignore(); // not the box's key: the shortcut takes it
                return true;
            }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- the recalculation ----

void TolerancePage::Button2Click()
{
    if (CheckBox1->isChecked())
        ComputeManual();
    else
        computeTable();
}

void TolerancePage::computeTable()
{
    ComputeFromTable();
    if (ListBox1->count() == 0)
        emit oldDesignationShown(QString()); // no field, no old designation
}

void TolerancePage::setBoxText(NumberBox* box, const QString& text) { box->setProgramText(text); }

std::optional<number::Decimal> TolerancePage::ReadNumber(QLineEdit* box)
{
    UiStyle::setTextColour(box, box == Edit2 ? UiStyle::Black : UiStyle::Navy);
    auto value = number::parseNumberText(box->text().toStdString());
    if (!value)
        UiStyle::setTextColour(box, UiStyle::Red);
    return value;
}

tolerance::DeviationUnit TolerancePage::unit() const
{
    return CheckBox2->isChecked() ? tolerance::DeviationUnit::Micrometres : tolerance::DeviationUnit::Millimetres;
}

tolerance::Rounding TolerancePage::rounding() const
{
    if (RadioButton1->isChecked())
        return tolerance::Rounding::AsIs;
    if (RadioButton2->isChecked())
        return tolerance::Rounding::TwoDigits;
    return tolerance::Rounding::ThreeDigits;
}

void TolerancePage::ShowMeanAndRadius(const tolerance::MeanAndRadius& texts)
{
    Edit7->setText(qs(texts.mean));
    Edit8->setText(qs(texts.radius));
}

void TolerancePage::ComputeFromTable()
{
    if (ListBox1->count() == 0) {
        for (NumberBox* box : {Edit1, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8})
            setBoxText(box, MainPageTexts::noData());
        showResultNote({}, false);
        return;
    }
    const int row = ListBox1->currentRow() >= 0 ? ListBox1->currentRow() : 0;
    const auto size = ReadNumber(Edit2);
    const int field = m_listRowMap[std::size_t(row)];
    const tolerance::TableResult result = tolerance::computeFromTable(size, field, unit(), rounding());

    Edit1->setText(ListBox1->item(row)->text());
    UiStyle::setTextColour(Edit1, UiStyle::fieldColour(result.colour));
    if (!result.hasData) {
        for (NumberBox* box : {Edit3, Edit4, Edit5, Edit6, Edit7, Edit8})
            setBoxText(box, MainPageTexts::noData());
    } else {
        UiStyle::setTextColour(Edit3, result.upper.positive ? UiStyle::Maroon : UiStyle::Navy);
        setBoxText(Edit3, qs(result.upper.text));
        UiStyle::setTextColour(Edit4, result.lower.positive ? UiStyle::Maroon : UiStyle::Navy);
        setBoxText(Edit4, qs(result.lower.text));
        Edit5->setText(qs(result.largest));
        Edit6->setText(qs(result.smallest));
        ShowMeanAndRadius(result.meanAndRadius);
    }
    emit oldDesignationShown(qs(result.statusText));
    showResultNote(qs(result.note), !result.hasData);
    // Deviations with a remark (a rounded JS7) carry it in their hints too.
    const QString remark = result.hasData && !result.note.empty() ? QLatin1Char('\n') + qs(result.note) : QString();
    Edit3->setToolTip(tr(UpperHintTable) + remark);
    Edit4->setToolTip(tr(LowerHintTable) + remark);
}

void TolerancePage::showResultNote(const QString& note, bool noData)
{
    m_resultNote = note;
    Edit2->setToolTip(noData && !note.isEmpty() ? note : tr(SizeHint));
    emit noteShown(note.isEmpty() ? PanelBlankText : note);
}

void TolerancePage::ComputeManual()
{
    const auto size = ReadNumber(Edit2);
    const auto upper = ReadNumber(Edit3);
    const auto lower = ReadNumber(Edit4);
    const tolerance::ManualResult result = tolerance::computeManual(size, upper, lower, unit(), rounding());
    Edit5->setText(qs(result.largest));
    Edit6->setText(qs(result.smallest));
    ShowMeanAndRadius(result.meanAndRadius);
    const bool reversed = tolerance::upperBelowLower(upper, lower);
    markReversedDeviations(reversed);
    showTypedClasses(size, upper, lower);
    emit oldDesignationShown(reversed ? MainPageTexts::upperBelowLower() : QString::fromUtf8(tolerance::ManualStatusText));
    showResultNote({}, false);
}

void TolerancePage::showTypedClasses(const std::optional<number::Decimal>& size,
                                     const std::optional<number::Decimal>& upper,
                                     const std::optional<number::Decimal>& lower)
{
    lb_PoleOtkl->setText(qs(tolerance::classLookupLine(size, upper, lower, unit(), iso286::Search::Both).text));
}

void TolerancePage::markReversedDeviations(bool reversed)
{
    Edit3->setToolTip(reversed ? tr(UpperHintManual) + QStringLiteral("\n") + MainPageTexts::upperBelowLower() : tr(UpperHintManual));
    Edit4->setToolTip(reversed ? tr(LowerHintManual) + QStringLiteral("\n") + MainPageTexts::upperBelowLower() : tr(LowerHintManual));
    if (!reversed)
        return;
    for (QLineEdit* box : {Edit3, Edit4})
        UiStyle::setTextColour(box, UiStyle::Red);
}

// ---- the field list and its filters ----

void TolerancePage::RefillFieldList()
{
    const tolerance::FilterState filter{ComboBox1->currentIndex(), ComboBox4->currentIndex(), ComboBox3->currentIndex()};
    // The field shown stays chosen when the new list holds it.
    const int row = ListBox1->currentRow();
    const int kept = row >= 0 && std::size_t(row) < m_listRowMap.size() ? m_listRowMap[std::size_t(row)] : 0;
    const tolerance::FieldList list = tolerance::buildFieldList(filter, kept);
    {
        const QSignalBlocker blocker(ListBox1);
        ListBox1->clear();
        for (const std::string& row : list.rows)
            ListBox1->addItem(qs(row));
        m_listRowMap = list.ListRowMap;
        if (list.selectedRow >= 0)
            ListBox1->setCurrentRow(list.selectedRow);
    }
    computeTable();
}

void TolerancePage::ComboBox1Change() { RefillFieldList(); }

namespace {
// Selects an item from the program: no change event.
void selectItem(QComboBox* box, int item)
{
    const QSignalBlocker blocker(box);
    box->setCurrentIndex(item);
}
} // namespace

void TolerancePage::resetFilter(QComboBox* box, int item)
{
    if (box->currentIndex() == item)
        return; // already reset: the list and the user's row stay
    selectItem(box, item);
    RefillFieldList();
    Button2Click();
}

// The type reset goes to all fields sorted by quality, not to the unsorted list.
void TolerancePage::Label1Click() { resetFilter(ComboBox1, tolerance::QualityOrderItem); }
void TolerancePage::Label2Click() { resetFilter(ComboBox4, 0); }
void TolerancePage::Label3Click() { resetFilter(ComboBox3, 0); }

void TolerancePage::Label5Click()
{
    if (CheckBox1->isChecked() || !m_fieldPicker)
        return; // the list and its filters are frozen in manual mode
    // Only a choice changes the field, the filters and the list; a closed picker leaves them.
    m_fieldPicker->setStartDesignation(Edit1->text());
    if (m_fieldPicker->exec() != QDialog::Accepted)
        return;
    const QString picked = m_fieldPicker->PickedDesignation();
    const tolerance::FieldList all = tolerance::buildFieldList({});
    int pickedRow = -1;
    for (std::size_t row = 0; row < all.rows.size(); ++row)
        if (qs(all.rows[row]) == picked)
            pickedRow = int(row);
    if (pickedRow < 0)
        return; // a designation the catalogue does not have (the grid's H6)
    selectItem(ComboBox1, tolerance::QualityOrderItem);
    selectItem(ComboBox3, 0);
    selectItem(ComboBox4, 0);
    {
        // The picked field is kept by the refill: no passing through the middle row.
        const QSignalBlocker blocker(ListBox1);
        m_listRowMap = all.ListRowMap;
        ListBox1->clear();
        for (const std::string& row : all.rows)
            ListBox1->addItem(qs(row));
        ListBox1->setCurrentRow(pickedRow);
    }
    Button2Click();
}

// ---- manual entry ----

void TolerancePage::applyModeStates()
{
    const bool manual = CheckBox1->isChecked();
    Edit1->setVisible(!manual);
    lb_PoleOtkl->setVisible(manual);
    SpeedButton1->setEnabled(manual);
    Button3->setEnabled(manual);
    Button4->setEnabled(manual);
    Button1->setVisible(manual);
    Button1->setEnabled(manual);
    Button5->setVisible(manual);
    Button5->setEnabled(manual);
    for (QWidget* w : std::initializer_list<QWidget*>{Label1, Label2, Label3, Label5, ListBox1, ComboBox1, ComboBox3, ComboBox4})
        w->setEnabled(!manual);
    const QColor background = manual ? UiStyle::White : UiStyle::buttonFace();
    for (QLineEdit* box : {Edit3, Edit4}) {
        UiStyle::setBaseColour(box, background);
        box->setReadOnly(!manual);
        box->setFocusPolicy(manual ? Qt::StrongFocus : Qt::ClickFocus);
    }
    Edit3->setToolTip(manual ? tr(UpperHintManual) : tr(UpperHintTable));
    Edit4->setToolTip(manual ? tr(LowerHintManual) : tr(LowerHintTable));
}

void TolerancePage::CheckBox1Click()
{
    applyModeStates();
    Button2Click();
}

void TolerancePage::CheckBox2Click()
{
    // Typed deviations keep their value in the other unit: 0,1 mm becomes 100 µm.
    if (CheckBox1->isChecked()) {
        const tolerance::DeviationUnit now = unit();
        const tolerance::DeviationUnit before = now == tolerance::DeviationUnit::Micrometres
            ? tolerance::DeviationUnit::Millimetres
            : tolerance::DeviationUnit::Micrometres;
        for (NumberBox* box : {Edit3, Edit4})
            if (const auto converted = tolerance::deviationTextInUnit(box->text().toStdString(), before, now))
                setBoxText(box, qs(*converted));
    }
    CheckBox1Click();
}

bool TolerancePage::Edit2KeyPress(QChar& key)
{
    const auto passed = tolerance::filterTypedChar(key.unicode());
    if (!passed)
        return false;
    key = QChar(char16_t(*passed));
    return true;
}

void TolerancePage::negateBox(NumberBox* box)
{
    if (!CheckBox1->isChecked())
        return;
    if (!ReadNumber(box))
        return; // an unreadable text stays as typed, in red
    const auto negated = tolerance::negatedText(box->text().toStdString());
    if (negated && qs(*negated) != box->text())
        writeNumberBox(box, qs(*negated));
    else
        Button2Click(); // "0" stays "0": the boxes get their colours back all the same
}

void TolerancePage::writeNumberBox(NumberBox* box, const QString& text)
{
    if (box->text() == text)
        return;
    setBoxText(box, text);
    Button2Click();
}

void TolerancePage::Button3Click() { negateBox(Edit3); }
void TolerancePage::Button4Click() { negateBox(Edit4); }
void TolerancePage::Button1Click() { writeNumberBox(Edit3, QStringLiteral("0")); }
void TolerancePage::Button5Click() { writeNumberBox(Edit4, QStringLiteral("0")); }

void TolerancePage::SpeedButton1Click()
{
    const std::string upper = Edit3->text().toStdString();
    const std::string lower = Edit4->text().toStdString();
    setBoxText(Edit4, qs(tolerance::MirrorDeviationText(upper)));
    setBoxText(Edit3, qs(tolerance::MirrorDeviationText(lower)));
    Button2Click();
}

void TolerancePage::placeBeside(QWidget* window, const QWidget* edit)
{
    QWidget* mainWindow = this->window();
    const QPoint corner = mainWindow->pos() + QPoint(edit->x() + edit->width() + 10, edit->y() + edit->height() + 3);
    // Before its first showing a window does not know its frame yet: take the main window's as a guess,
    // and check again once it is shown.
    WindowPlacement::keepOnScreen(window, corner, WindowPlacement::outerSize(window, mainWindow));
    m_keptOnScreen.watch(window);
}

void TolerancePage::Button21Click()
{
    if (!CheckBox1->isChecked() || !m_quickNumbers)
        return;
    placeBeside(m_quickNumbers, Edit3);
    m_quickNumbers->setQuickValue(Edit3->text());
    if (m_quickNumbers->exec() == QDialog::Accepted)
        writeNumberBox(Edit3, m_quickNumbers->QuickValue());
}

void TolerancePage::Edit4DblClick()
{
    if (!CheckBox1->isChecked() || !m_quickNumbers)
        return;
    placeBeside(m_quickNumbers, Edit4);
    m_quickNumbers->setQuickValue(Edit4->text());
    if (m_quickNumbers->exec() == QDialog::Accepted)
        writeNumberBox(Edit4, qs(tolerance::quickLowerDeviationText(m_quickNumbers->QuickValue().toStdString(),
                                                                  Edit4->text().toStdString())));
}

void TolerancePage::spbt_keybClick()
{
    if (!m_keypad)
        return;
    placeBeside(m_keypad, Edit2);
    if (m_keypad->exec() == QDialog::Accepted)
        writeNumberBox(Edit2, m_keypad->displayText());
}

// ---- formula copy ----

void TolerancePage::copyFormula(Formula formula)
{
    const auto size = number::parseNumberText(Edit2->text().toStdString());
    const auto upper = number::parseNumberText(Edit3->text().toStdString());
    const auto lower = number::parseNumberText(Edit4->text().toStdString());
    if (!size || !upper || !lower)
        return; // a box without a number gives no formula
    const tolerance::Formulas formulas = tolerance::formulaTexts(*size, *upper, *lower, unit());
    QGuiApplication::clipboard()->setText(qs(formula == Formula::Radius ? formulas.radius : formulas.mean));
    emit noteShown(tr(FormulaCopiedText));
}

void TolerancePage::Label9DblClick() { copyFormula(Formula::Mean); }
void TolerancePage::Label4DblClick() { copyFormula(Formula::Radius); }
void TolerancePage::TabSheet1MouseMove() { emit noteShown(m_resultNote.isEmpty() ? PanelBlankText : m_resultNote); }

// ---- the tolerance table, which the main window opens ----

void TolerancePage::Button20Click()
{
    emit tableRequested(tolerance::TypeFilterItem(ComboBox1->currentIndex()));
}
