#include "frm_Main_Unit.h"

#include <QApplication>
#include <algorithm>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>

#include "AppInfo.h"
#include "CaptionFit.h"
#include "Data_Unit.h"
#include "FieldFilter.h"
#include "ManualEntry.h"
#include "NumberText.h"
#include "PageControls.h"
#include "ThreadSelection.h"
#include "UiStyle.h"
#include "WindowPlacement.h"
#include "frm_About_Unit.h"
#include "frm_FastNamber_Unit.h"
#include "frm_KeyBoard_unit.h"
#include "frm_List_unit.h"
#include "frm_Main_Unit_RowHeight.h"
#include "frm_RezbTabl_Unit.h"
#include "frm_Tabl_unit.h"

TForm1* Form1 = nullptr;

namespace {

const QString NoDataText = QString::fromUtf8(tolerance::NoData);
const QString VersionText = QStringLiteral("    Версия ") + QString::fromUtf8(AppInfo::Version);
const QString FormulaCopiedText = QStringLiteral("Формула  скопирована ");
const QString PanelBlankText = QStringLiteral("    ");
const QString UpperHintTable = QStringLiteral("Верхнее значение допуска");
const QString UpperHintManual = QStringLiteral("Верхнее значение допуска. (Двойной щелчек для быстрой вставки)");
const QString LowerHintTable = QStringLiteral("Нижнее значение допуска");
const QString LowerHintManual = QStringLiteral("Нижнее значение допуска. (Двойной щелчек для быстрой вставки) ");
const QString FilterResetHint = QStringLiteral("Щелчек для сброса фильтра");
const QString FormulaHint = QStringLiteral("Двойной щелчек - скопировать формулу в буфер обмена");
const QString TableButtonText = QStringLiteral("Посмотреть таблицу  >>>>");
const QString AboutText = QStringLiteral("О программе");
const QString UnparsedNumber = QStringLiteral("\x01");

QString qs(const std::string& s) { return QString::fromStdString(s); }

template <class Label = QLabel>
Label* makeLabel(QWidget* parent, const char* name, const QString& text, QRect bounds, const QFont& font,
                 const QColor& colour)
{
    Label* label = PageControls::makeLabel<Label>(parent, name, text, bounds, font, colour);
    // Labels that start with a caption size themselves to it, as on the original desktop;
    // those the program fills later keep their bounds.
    if (!text.isEmpty())
        CaptionFit::fitWhenShown(label, bounds.size());
    return label;
}

// The boxes of these pages start at "0".
NumberBox* makeEdit(QWidget* parent, const char* name, QRect bounds, const QFont& font, const QColor& colour,
                    const QColor& background, bool readOnly, const QString& hint)
{
    return PageControls::makeNumberBox(parent, name, bounds, font, QStringLiteral("0"), colour, background, readOnly, hint);
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, QRect bounds, const QFont& font)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(bounds);
    button->setFont(font);
    return button;
}

enum class BevelKind { Vertical, BottomLine };

// An etched line: a vertical one down the middle of its bounds, a bottom line along their bottom edge.
QFrame* makeBevel(QWidget* parent, const char* name, QRect bounds, BevelKind kind)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setGeometry(bounds);
    line->setFrameShape(kind == BevelKind::Vertical ? QFrame::VLine : QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    if (kind == BevelKind::BottomLine) {
        constexpr int EtchedDepth = 2;
        line->setFrameRect(QRect(0, bounds.height() - EtchedDepth, bounds.width(), EtchedDepth));
    }
    return line;
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

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(AppInfo::Title));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(UiStyle::sansFont(11));
    setAttribute(Qt::WA_AlwaysShowToolTips);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFixedHeight(19);
    Panel0 = new QLabel(StatusBar1);
    Panel0->setObjectName(QStringLiteral("Panel0"));
    Panel0->setFixedWidth(150);
    Panel1 = new QLabel(QStringLiteral("Старое обозначение - СМ8"), StatusBar1);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedWidth(250);
    Panel2 = new QLabel(StatusBar1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setMinimumWidth(50);
    StatusBar1->addWidget(Panel0);
    StatusBar1->addWidget(Panel1);
    StatusBar1->addWidget(Panel2, 1);
    setStatusBar(StatusBar1);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    PageControl1->addTab(TabSheet1, QStringLiteral("Поля допусков"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Резьбы"));
    TabSheet3 = new FitsPage;
    TabSheet3->setObjectName(QStringLiteral("TabSheet3"));
    PageControl1->addTab(TabSheet3, QStringLiteral("Посадки"));
    PageControl1->addTab(TabSheet4 = new ThreadTolerancePage, QStringLiteral("Допуски резьбы"));
    setCentralWidget(PageControl1);

    createTolerancePage();
    wireEvents();
    setFixedSize(644, 439);
    FormCreate();
    Edit2->setFocus();
}

void TForm1::createTolerancePage()
{
    QWidget* page = TabSheet1;
    const QFont bold11 = UiStyle::sansFont(11, true);
    const QFont verdana24 = UiStyle::verdanaFont(24);
    const QFont verdanaBold16 = UiStyle::verdanaFont(16, true);
    const QColor face = UiStyle::buttonFace();

    Label5 = makeLabel<ClickableLabel>(page, "Label5", QStringLiteral("Квалитет"), {8, 8, 56, 13}, bold11, UiStyle::Maroon);
    Label5->setCursor(Qt::PointingHandCursor);
    Label5->setToolTip(QStringLiteral("Щелчек для изменения поля допуска"));

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
    ListBox1->setToolTip(QStringLiteral("Выбирете квалитет"));

    GroupBox1 = PageControls::makeGroupBox(page, "GroupBox1", QStringLiteral("ФИЛЬТР"), {88, 8, 529, 65}, bold11, UiStyle::Navy);

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
    Label1 = makeLabel<ClickableLabel>(GroupBox1, "Label1", QStringLiteral("ТИП"), {8, 16, 27, 13}, bold11, UiStyle::Maroon);
    ComboBox1 = makeFilterBox("ComboBox1", {8, 32, 217, 21}, tolerance::typeFilterItems(), tolerance::QualityOrderItem);
    Label2 = makeLabel<ClickableLabel>(GroupBox1, "Label2", QStringLiteral("Квалитет"), {264, 16, 56, 13}, bold11, UiStyle::Maroon);
    ComboBox4 = makeFilterBox("ComboBox4", {280, 32, 97, 21}, tolerance::qualityFilterItems(), 0);
    Label3 = makeLabel<ClickableLabel>(GroupBox1, "Label3", QStringLiteral("Буква"), {408, 16, 36, 13}, bold11, UiStyle::Maroon);
    ComboBox3 = makeFilterBox("ComboBox3", {416, 32, 97, 21}, tolerance::letterFilterItems(), 0);
    for (QLabel* reset : {Label1, Label2, Label3}) {
        reset->setCursor(Qt::PointingHandCursor);
        reset->setToolTip(FilterResetHint);
    }

    CheckBox2 = new QCheckBox(QStringLiteral("Допуск в мкм."), page);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox2->setGeometry(112, 96, 121, 17);
    CheckBox2->setFont(bold11);
    UiStyle::setTextColour(CheckBox2, UiStyle::Navy);
    CheckBox2->setFocusPolicy(Qt::ClickFocus);

    Label15 = makeLabel(page, "Label15", QStringLiteral("Точность"), {304, 96, 56, 13}, bold11, UiStyle::Navy);

    Panel1Frame = new QFrame(page);
    Panel1Frame->setObjectName(QStringLiteral("Panel1"));
    Panel1Frame->setGeometry(384, 80, 233, 47);
    Panel1Frame->setFrameShape(QFrame::Box); // a box with a sunken shadow is Qt's etched frame
    Panel1Frame->setFrameShadow(QFrame::Sunken);
    Label17 = makeLabel(Panel1Frame, "Label17", QStringLiteral("Как есть"), {12, 6, 60, 13}, bold11, UiStyle::Maroon);
    Label12 = makeLabel(Panel1Frame, "Label12", QStringLiteral("2 цифры"), {92, 6, 60, 13}, bold11, UiStyle::Maroon);
    Label19 = makeLabel(Panel1Frame, "Label19", QStringLiteral("3 цифры"), {164, 6, 60, 13}, bold11, UiStyle::Maroon);
    auto makeRadio = [&](const char* name, int x) {
        auto* radio = new QRadioButton(Panel1Frame);
        radio->setObjectName(QLatin1String(name));
        radio->setGeometry(x, 24, 25, 17);
        return radio;
    };
    RadioButton1 = makeRadio("RadioButton1", 24);
    RadioButton2 = makeRadio("RadioButton2", 112);
    RadioButton3 = makeRadio("RadioButton3", 176);
    RadioButton2->setChecked(true);

    Bevel1 = makeBevel(page, "Bevel1", {88, 128, 521, 10}, BevelKind::BottomLine);
    Label6 = makeLabel(page, "Label6", QStringLiteral("Числовое значение [мм]"), {112, 152, 160, 13}, bold11, UiStyle::Maroon);
    Label7 = makeLabel(page, "Label7", QStringLiteral("Средний допуск"), {337, 152, 110, 13}, bold11, UiStyle::Maroon);
    Label8 = makeLabel(page, "Label8", QStringLiteral("Радиус"), {504, 152, 50, 13}, bold11, UiStyle::Maroon);

    Button1 = makeButton(page, "Button1", QStringLiteral("0"), {136, 176, 33, 33}, bold11);
    Button3 = makeButton(page, "Button3", QStringLiteral("±"), {176, 176, 33, 33}, bold11);
    Edit3 = makeEdit(page, "Edit3", {216, 184, 73, 26}, verdanaBold16, UiStyle::Navy, face, true, UpperHintTable);
    Label10 = makeLabel(page, "Label10", QStringLiteral("max"), {342, 184, 30, 13}, bold11, UiStyle::Navy);
    Edit5 = makeEdit(page, "Edit5", {379, 184, 73, 26}, verdanaBold16, UiStyle::Navy, face, true, QStringLiteral("Максимум"));

    Label9 = makeLabel<ClickableLabel>(page, "Label9", QStringLiteral("="), {296, 208, 24, 48}, UiStyle::sansFont(37, true),
                       QApplication::palette().color(QPalette::WindowText));
    Label9->setToolTip(FormulaHint);
    Label4 = makeLabel<ClickableLabel>(page, "Label4", QStringLiteral("R="), {456, 208, 56, 45}, UiStyle::verdanaFont(37),
                       QApplication::palette().color(QPalette::WindowText));
    Label4->setToolTip(FormulaHint);

    Edit2 = makeEdit(page, "Edit2", {88, 216, 121, 37}, verdana24, UiStyle::Maroon, UiStyle::White, false,
                     QStringLiteral("Просто введите сюда число"));
    Edit2->setText(QStringLiteral("5"));

    SpeedButton1 = new QToolButton(page);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setGeometry(216, 224, 23, 22);
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setIcon(QIcon(mirrorPicture()));
    SpeedButton1->setIconSize(QSize(18, 18));
    SpeedButton1->setEnabled(false);
    SpeedButton1->setFocusPolicy(Qt::NoFocus);

    Edit1 = makeEdit(page, "Edit1", {216, 216, 73, 37}, verdana24, UiStyle::Maroon, face, true,
                     QStringLiteral("Двойной щелчек для изменения поля допуска"));
    Edit7 = makeEdit(page, "Edit7", {336, 216, 113, 37}, verdana24, UiStyle::Maroon, face, true, QStringLiteral("Среднее значение"));
    Edit8 = makeEdit(page, "Edit8", {512, 216, 105, 37}, verdana24, UiStyle::Maroon, face, true,
                     QStringLiteral("Радиус (Среднее значение /2)"));

    spbt_keyb = new QToolButton(page);
    spbt_keyb->setObjectName(QStringLiteral("spbt_keyb"));
    spbt_keyb->setGeometry(88, 256, 41, 33);
    spbt_keyb->setAutoRaise(true);
    spbt_keyb->setIcon(QIcon(keyboardPicture()));
    spbt_keyb->setIconSize(QSize(32, 32));
    spbt_keyb->setToolTip(QStringLiteral("Отобразить виртуальную клавиатуру"));
    spbt_keyb->setFocusPolicy(Qt::NoFocus);

    Button5 = makeButton(page, "Button5", QStringLiteral("0"), {136, 256, 33, 33}, bold11);
    Button4 = makeButton(page, "Button4", QStringLiteral("±"), {176, 256, 33, 33}, bold11);
    Edit4 = makeEdit(page, "Edit4", {216, 256, 73, 26}, verdanaBold16, UiStyle::Navy, face, true, LowerHintTable);
    Label11 = makeLabel(page, "Label11", QStringLiteral("min"), {342, 261, 26, 13}, bold11, UiStyle::Navy);
    Edit6 = makeEdit(page, "Edit6", {379, 256, 73, 26}, verdanaBold16, UiStyle::Navy, face, true, QStringLiteral("Минимум"));
    for (QPushButton* b : {Button1, Button3, Button4, Button5})
        b->setFocusPolicy(Qt::NoFocus);

    CheckBox1 = new QCheckBox(QStringLiteral("Ввести допуск вручную"), page);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(200, 296, 175, 17);
    CheckBox1->setFont(bold11);
    UiStyle::setTextColour(CheckBox1, UiStyle::Navy);
    CheckBox1->setFocusPolicy(Qt::ClickFocus);
    Bevel2 = makeBevel(page, "Bevel2", {88, 304, 529, 18}, BevelKind::BottomLine);
    Bevel2->lower();

    Button20 = makeButton(page, "Button20", TableButtonText, {448, 328, 171, 25}, font());
    Label13 = makeLabel<ClickableLabel>(page, "Label13", AboutText, {512, 360, 97, 16}, UiStyle::sansFont(13, true), UiStyle::Blue);
    Label13->setCursor(Qt::PointingHandCursor);

    Button21 = makeButton(page, "Button21", QString(), {0, 0, 1, 1}, font());
    Button21->hide();

    for (NumberBox* box : {Edit2, Edit3, Edit4})
        box->setCharFilter(&TForm1::Edit2KeyPress);

    // Focus order; Edit3 and Edit4 take part only in manual mode.
    setTabOrder(ListBox1, ComboBox1);
    setTabOrder(ComboBox1, ComboBox4);
    setTabOrder(ComboBox4, ComboBox3);
    setTabOrder(ComboBox3, RadioButton1);
    setTabOrder(RadioButton1, RadioButton2);
    setTabOrder(RadioButton2, RadioButton3);
    setTabOrder(RadioButton3, Edit3);
    setTabOrder(Edit3, Edit4);
    setTabOrder(Edit4, Edit2);
    setTabOrder(Edit2, Button20);

    applyModeStates();
}

void TForm1::createThreadPage()
{
    QWidget* page = TabSheet2;
    const QFont bold11 = UiStyle::sansFont(11, true);
    const QFont bold32 = UiStyle::sansFont(32, true);
    const QFont bold16 = UiStyle::sansFont(16, true);
    const QFont bold13 = UiStyle::sansFont(13, true);
    const QFont bold24 = UiStyle::sansFont(24, true);
    const QColor windowText = QApplication::palette().color(QPalette::WindowText);
    const QColor menuBar = UiStyle::menuBarColour();

    auto makeGroup = [&](const char* name, const QString& title, QRect bounds, const QColor& colour) {
        return PageControls::makeGroupBox(page, name, title, bounds, bold11, colour);
    };
    auto makeList = [&](QWidget* parent, const char* name, QRect bounds, const QString& hint) {
        auto* box = new QComboBox(parent);
        box->setObjectName(QLatin1String(name));
        box->setGeometry(bounds);
        box->setFont(bold16);
        UiStyle::setTextColour(box, windowText); // not the navy of the group box around it
        box->setToolTip(hint);
        RowHeightDelegate::apply(box->view(), 20, RowHeightDelegate::Rule::AtLeast);
        return box;
    };

    GroupBox2 = makeGroup("GroupBox2", QStringLiteral("РЕЗЬБА "), {16, 16, 601, 73}, UiStyle::Navy);
    Label14 = makeLabel(GroupBox2, "Label14", QStringLiteral("М"), {24, 24, 40, 38}, bold32, windowText);
    cmbx_Rezba = makeList(GroupBox2, "cmbx_Rezba", {72, 29, 73, 28}, QStringLiteral("Номинальный диамтр резьбы"));
    Label16 = makeLabel(GroupBox2, "Label16", QStringLiteral("х"), {168, 20, 24, 38}, bold32, windowText);
    cmbx_ShagRezb = makeList(GroupBox2, "cmbx_ShagRezb", {208, 29, 73, 28}, QStringLiteral("Шаг"));
    Bevel5 = makeBevel(GroupBox2, "Bevel5", {304, 16, 2, 49}, BevelKind::Vertical);
    lb_Rezba = makeLabel(GroupBox2, "lb_Rezba", QString(), {328, 32, 260, 20}, bold16, UiStyle::Maroon);

    GroupBox3 = makeGroup("GroupBox3", QStringLiteral("Диам. отв. под резьбу (параметры)"), {16, 136, 289, 169}, UiStyle::Maroon);
    Label18 = makeLabel(GroupBox3, "Label18", QStringLiteral("Диаметр отв. под нарезание резьбы"), {16, 24, 150, 28},
                        UiStyle::sansFont(11), UiStyle::Maroon);
    Label18->setWordWrap(true);
    Label18->setGeometry(16, 24, 150, 28);
    Label20 = makeLabel(GroupBox3, "Label20", QStringLiteral("допуск"), {208, 24, 60, 14}, UiStyle::sansFont(11), UiStyle::Maroon);
    Label21 = makeLabel(GroupBox3, "Label21", QStringLiteral("D   ="), {16, 68, 86, 38}, bold32, UiStyle::Maroon);
    Label22 = makeLabel(GroupBox3, "Label22", QStringLiteral("ном."), {40, 89, 36, 16}, bold13, UiStyle::Maroon);
    ed_DiamNom = makeEdit(GroupBox3, "ed_DiamNom", {104, 68, 89, 37}, bold24, UiStyle::Maroon, menuBar, true,
                          QStringLiteral("Диаметр отв. под нарезание резьбы"));
    ed_DopRezb = makeEdit(GroupBox3, "ed_DopRezb", {200, 49, 65, 24}, bold13, UiStyle::Red, menuBar, true, QStringLiteral("Допуск"));

    GroupBox4 = makeGroup("GroupBox4", QStringLiteral("Диам. отв. под резьбу в СПД"), {328, 136, 289, 169}, UiStyle::Navy);
    Label30 = makeLabel(GroupBox4, "Label30", QStringLiteral("Диаметр отв. под резьбу в середине поля допуска"),
                        {16, 40, 218, 28}, UiStyle::sansFont(11), UiStyle::Navy);
    Label30->setWordWrap(true);
    Label30->setGeometry(16, 40, 218, 28);
    Label31 = makeLabel(GroupBox4, "Label31", QStringLiteral("D  ="), {16, 84, 78, 38}, bold32, UiStyle::Navy);
    Label32 = makeLabel(GroupBox4, "Label32", QStringLiteral("ср"), {40, 105, 30, 16}, bold13, UiStyle::Navy);
    ed_MidlDopRezb = makeEdit(GroupBox4, "ed_MidlDopRezb", {96, 84, 129, 37}, bold24, UiStyle::Navy, menuBar, true,
                              QStringLiteral("Диаметр отв. под резьбу в середине поля допуска"));
    // The subscripts sit low after the letter D, in front of the "=".
    Label22->raise();
    Label32->raise();
    for (QLineEdit* box : {ed_DiamNom, ed_DopRezb, ed_MidlDopRezb})
        box->setFocusPolicy(Qt::StrongFocus);

    btm_RezbTabl = makeButton(page, "btm_RezbTabl", TableButtonText, {448, 328, 171, 25}, font());
    Label23 = makeLabel<ClickableLabel>(page, "Label23", AboutText, {512, 360, 97, 16}, bold13, UiStyle::Blue);
    Label23->setCursor(Qt::PointingHandCursor);

    setTabOrder(cmbx_Rezba, cmbx_ShagRezb);
    setTabOrder(cmbx_ShagRezb, ed_DiamNom);
    setTabOrder(ed_DiamNom, ed_DopRezb);
    setTabOrder(ed_DopRezb, ed_MidlDopRezb);
    setTabOrder(ed_MidlDopRezb, btm_RezbTabl);

    // Every choice of a diameter by the user, the one already shown included.
    connect(cmbx_Rezba, &QComboBox::activated, this, &TForm1::cmbx_RezbaChange);
    connect(cmbx_ShagRezb, &QComboBox::currentIndexChanged, this, &TForm1::cmbx_ShagRezbChange);
    connect(btm_RezbTabl, &QPushButton::clicked, this, &TForm1::btm_RezbTablClick);
    connect(Label23, &ClickableLabel::clicked, this, &TForm1::Label13Click);
}

void TForm1::ensureThreadPage()
{
    if (cmbx_Rezba)
        return;
    createThreadPage();
    FillDiameterList();
    if (m_shown)
        FormShow();
    // Made on a page that may already be shown: the controls are shown with it.
    for (QWidget* child : TabSheet2->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->show();
    // Opened with the focus on the page before it had controls: the focus goes where the
    // tab widget gives it on a made page, to the page's first control in the focus chain.
    if (focusWidget() == TabSheet2) {
        for (QWidget* next = TabSheet2->nextInFocusChain(); next != TabSheet2; next = next->nextInFocusChain()) {
            if ((next->focusPolicy() & Qt::TabFocus) && TabSheet2->isAncestorOf(next) && next->isVisible()
                && next->isEnabled()) {
                next->setFocus();
                break;
            }
        }
    }
}

void TForm1::wireEvents()
{
    for (QComboBox* box : {ComboBox1, ComboBox4, ComboBox3})
        connect(box, &QComboBox::currentIndexChanged, this, &TForm1::ComboBox1Change);
    connect(ListBox1, &QListWidget::currentRowChanged, this, &TForm1::Button2Click);
    for (QRadioButton* radio : {RadioButton1, RadioButton2, RadioButton3})
        connect(radio, &QRadioButton::clicked, this, &TForm1::Button2Click);
    // The user's edits recompute; the program recomputes itself after its own writes.
    for (QLineEdit* box : {Edit2, Edit3, Edit4})
        connect(box, &QLineEdit::textEdited, this, &TForm1::Button2Click);
    connect(CheckBox1, &QCheckBox::clicked, this, &TForm1::CheckBox1Click);
    connect(CheckBox2, &QCheckBox::clicked, this, &TForm1::CheckBox1Click);
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(Button21, &QPushButton::clicked, this, &TForm1::Button21Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
    connect(spbt_keyb, &QToolButton::clicked, this, &TForm1::spbt_keybClick);
    connect(Button20, &QPushButton::clicked, this, &TForm1::Button20Click);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TForm1::PageControl1Change);

    // Clicks come through the controls' own signals, so a disabled control does nothing.
    connect(Label1, &ClickableLabel::clicked, this, &TForm1::Label1Click);
    connect(Label2, &ClickableLabel::clicked, this, &TForm1::Label2Click);
    connect(Label3, &ClickableLabel::clicked, this, &TForm1::Label3Click);
    connect(Label5, &ClickableLabel::clicked, this, &TForm1::Label5Click);
    connect(Label13, &ClickableLabel::clicked, this, &TForm1::Label13Click);
    connect(Label9, &ClickableLabel::doubleClicked, this, &TForm1::Label9DblClick);
    connect(Label4, &ClickableLabel::doubleClicked, this, &TForm1::Label4DblClick);
    connect(Edit1, &NumberBox::doubleClicked, this, &TForm1::Label5Click);
    connect(ListBox1, &FieldListBox::listDoubleClicked, this, &TForm1::Label5Click);
    connect(Edit2, &NumberBox::doubleClicked, this, &TForm1::spbt_keybClick);
    connect(Edit3, &NumberBox::doubleClicked, this, &TForm1::Button21Click);
    connect(Edit4, &NumberBox::doubleClicked, this, &TForm1::Edit4DblClick);

    // Mouse moves over the bare page come through the event filter.
    TabSheet1->setMouseTracking(true);
    TabSheet1->installEventFilter(this);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Show && (watched == frm_KeyBoard || watched == frm_FastNamber)) {
        auto* window = static_cast<QWidget*>(watched);
        WindowPlacement::keepOnScreen(window, window->pos(), window->frameGeometry().size());
    } else if (type == QEvent::MouseMove && watched == TabSheet1) {
        if (TabSheet1->childAt(static_cast<QMouseEvent*>(event)->position().toPoint()) == nullptr)
            TabSheet1MouseMove();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Only the first showing: a restore from the task bar keeps the user's pitch.
    if (!m_shown) {
        m_shown = true;
        WindowPlacement::centreOnDesktop(this);
        FormShow();
    }
}

// ---- creation and showing ----

void TForm1::FormCreate()
{
    Panel0->setText(VersionText);
    Data_Unit::FillSizeRanges();
    Data_Unit::FillDeviationTable();
    Data_Unit::FillFieldCatalogue();
    RefillFieldList();
}

void TForm1::FormShow()
{
    if (!cmbx_Rezba)
        return; // the thread page fills its pitches when it is made
    const int item = cmbx_Rezba->currentIndex();
    if (item >= 0)
        FillPitchList(cmbx_Rezba->itemData(item).toDouble());
}

// ---- the recalculation ----

void TForm1::Button2Click()
{
    if (CheckBox1->isChecked())
        ComputeManual();
    else
        ComputeFromTable();
}

void TForm1::setBoxText(NumberBox* box, const QString& text) { box->setProgramText(text); }

std::optional<number::Decimal> TForm1::ReadNumber(QLineEdit* box)
{
    UiStyle::setTextColour(box, box == Edit2 ? UiStyle::Black : UiStyle::Navy);
    auto value = number::parseNumberText(box->text().toStdString());
    if (!value)
        UiStyle::setTextColour(box, UiStyle::Red);
    return value;
}

tolerance::Rounding TForm1::rounding() const
{
    if (RadioButton1->isChecked())
        return tolerance::Rounding::AsIs;
    if (RadioButton2->isChecked())
        return tolerance::Rounding::TwoDigits;
    return tolerance::Rounding::ThreeDigits;
}

void TForm1::ShowMeanAndRadius(const tolerance::MeanAndRadius& texts)
{
    Edit7->setText(qs(texts.mean));
    Edit8->setText(qs(texts.radius));
}

void TForm1::ComputeFromTable()
{
    if (ListBox1->count() == 0) {
        for (NumberBox* box : {Edit1, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8})
            setBoxText(box, NoDataText);
        return;
    }
    const int row = ListBox1->currentRow() >= 0 ? ListBox1->currentRow() : 0;
    const auto size = ReadNumber(Edit2);
    const int field = ListRowMap[std::size_t(row)];
    const tolerance::TableResult result = tolerance::computeFromTable(size, field, CheckBox2->isChecked(), rounding());

    Edit1->setText(ListBox1->item(row)->text());
    UiStyle::setTextColour(Edit1, UiStyle::fieldColour(result.colour));
    if (!result.hasData) {
        for (NumberBox* box : {Edit3, Edit4, Edit5, Edit6, Edit7, Edit8})
            setBoxText(box, NoDataText);
    } else {
        UiStyle::setTextColour(Edit3, result.upper.positive ? UiStyle::Maroon : UiStyle::Navy);
        setBoxText(Edit3, qs(result.upper.text));
        UiStyle::setTextColour(Edit4, result.lower.positive ? UiStyle::Maroon : UiStyle::Navy);
        setBoxText(Edit4, qs(result.lower.text));
        Edit5->setText(qs(result.largest));
        Edit6->setText(qs(result.smallest));
        ShowMeanAndRadius(result.meanAndRadius);
    }
    Panel1->setText(qs(result.statusText));
}

void TForm1::ComputeManual()
{
    const auto size = ReadNumber(Edit2);
    const auto upper = ReadNumber(Edit3);
    const auto lower = ReadNumber(Edit4);
    const tolerance::ManualResult result = tolerance::computeManual(size, upper, lower, CheckBox2->isChecked(), rounding());
    Edit5->setText(qs(result.largest));
    Edit6->setText(qs(result.smallest));
    ShowMeanAndRadius(result.meanAndRadius);
    Panel1->setText(QString::fromUtf8(tolerance::ManualStatusText));
}

// ---- the field list and its filters ----

void TForm1::RefillFieldList()
{
    const tolerance::FilterState filter{ComboBox1->currentIndex(), ComboBox4->currentIndex(), ComboBox3->currentIndex()};
    const tolerance::FieldList list = tolerance::buildFieldList(filter);
    {
        const QSignalBlocker blocker(ListBox1);
        ListBox1->clear();
        for (const std::string& row : list.rows)
            ListBox1->addItem(qs(row));
        ListRowMap = list.ListRowMap;
        if (list.selectedRow >= 0)
            ListBox1->setCurrentRow(list.selectedRow);
    }
    ComputeFromTable();
}

void TForm1::ComboBox1Change() { RefillFieldList(); }

namespace {
// Selects an item from the program: no change event.
void selectItem(QComboBox* box, int item)
{
    const QSignalBlocker blocker(box);
    box->setCurrentIndex(item);
}
} // namespace

void TForm1::resetFilter(QComboBox* box, int item)
{
    if (box->currentIndex() == item)
        return; // already reset: the list and the user's row stay
    selectItem(box, item);
    RefillFieldList();
    Button2Click();
}

// The type reset goes to all fields sorted by quality, not to the unsorted list.
void TForm1::Label1Click() { resetFilter(ComboBox1, tolerance::QualityOrderItem); }
void TForm1::Label2Click() { resetFilter(ComboBox4, 0); }
void TForm1::Label3Click() { resetFilter(ComboBox3, 0); }

void TForm1::Label5Click()
{
    if (CheckBox1->isChecked())
        return; // the list and its filters are frozen in manual mode
    selectItem(ComboBox1, tolerance::QualityOrderItem);
    selectItem(ComboBox3, 0);
    selectItem(ComboBox4, 0);
    RefillFieldList();
    // Closed without a choice, the picker leaves H9, the field of the start.
    QString picked = QStringLiteral("H9");
    if (frm_ListOf_Ferrak && frm_ListOf_Ferrak->exec() == QDialog::Accepted)
        picked = frm_ListOf_Ferrak->PickedDesignation();
    for (int row = 0; row < ListBox1->count(); ++row) {
        if (ListBox1->item(row)->text() == picked) {
            const QSignalBlocker blocker(ListBox1);
            ListBox1->setCurrentRow(row);
            break;
        }
    }
    Button2Click();
}

// ---- manual entry ----

void TForm1::applyModeStates()
{
    const bool manual = CheckBox1->isChecked();
    Edit1->setVisible(!manual);
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
    Edit3->setToolTip(manual ? UpperHintManual : UpperHintTable);
    Edit4->setToolTip(manual ? LowerHintManual : LowerHintTable);
}

void TForm1::CheckBox1Click()
{
    applyModeStates();
    Button2Click();
}

bool TForm1::Edit2KeyPress(QChar& key)
{
    const auto passed = tolerance::filterTypedChar(key.unicode());
    if (!passed)
        return false;
    key = QChar(char16_t(*passed));
    return true;
}

void TForm1::negateBox(NumberBox* box)
{
    if (!CheckBox1->isChecked())
        return;
    if (!ReadNumber(box))
        return; // an unreadable text stays as typed, in red
    if (const auto negated = tolerance::negatedText(box->text().toStdString()))
        writeNumberBox(box, qs(*negated));
}

void TForm1::writeNumberBox(NumberBox* box, const QString& text)
{
    if (box->text() == text)
        return;
    setBoxText(box, text);
    Button2Click();
}

void TForm1::Button3Click() { negateBox(Edit3); }
void TForm1::Button4Click() { negateBox(Edit4); }
void TForm1::Button1Click() { writeNumberBox(Edit3, QStringLiteral("0")); }
void TForm1::Button5Click() { writeNumberBox(Edit4, QStringLiteral("0")); }

void TForm1::SpeedButton1Click()
{
    const std::string upper = Edit3->text().toStdString();
    const std::string lower = Edit4->text().toStdString();
    setBoxText(Edit4, qs(tolerance::MirrorDeviationText(upper)));
    setBoxText(Edit3, qs(tolerance::MirrorDeviationText(lower)));
    Button2Click();
}

void TForm1::placeBeside(QWidget* window, const QWidget* edit) const
{
    const QPoint corner = pos() + QPoint(edit->x() + edit->width() + 10, edit->y() + edit->height() + 3);
    // Before its first showing a window does not know its frame yet: take the main window's as a guess,
    // and check again once it is shown.
    WindowPlacement::keepOnScreen(window, corner, WindowPlacement::outerSize(window, this));
    window->installEventFilter(const_cast<TForm1*>(this));
}

void TForm1::Button21Click()
{
    if (!CheckBox1->isChecked() || !frm_FastNamber)
        return;
    placeBeside(frm_FastNamber, Edit3);
    frm_FastNamber->setQuickValue(Edit3->text());
    if (frm_FastNamber->exec() == QDialog::Accepted)
        writeNumberBox(Edit3, frm_FastNamber->QuickValue());
}

void TForm1::Edit4DblClick()
{
    if (!CheckBox1->isChecked() || !frm_FastNamber)
        return;
    placeBeside(frm_FastNamber, Edit4);
    frm_FastNamber->setQuickValue(Edit4->text());
    if (frm_FastNamber->exec() == QDialog::Accepted)
        writeNumberBox(Edit4, qs(tolerance::quickLowerDeviationText(frm_FastNamber->QuickValue().toStdString(),
                                                                  Edit4->text().toStdString())));
}

void TForm1::spbt_keybClick()
{
    if (!frm_KeyBoard)
        return;
    placeBeside(frm_KeyBoard, Edit2);
    if (frm_KeyBoard->exec() == QDialog::Accepted)
        writeNumberBox(Edit2, frm_KeyBoard->displayText());
}

// ---- formula copy ----

void TForm1::copyFormula(bool radius)
{
    const auto size = number::parseNumberText(Edit2->text().toStdString());
    const auto upper = number::parseNumberText(Edit3->text().toStdString());
    const auto lower = number::parseNumberText(Edit4->text().toStdString());
    if (!size || !upper || !lower)
        return; // a box without a number gives no formula
    const tolerance::Formulas formulas = tolerance::formulaTexts(*size, *upper, *lower, CheckBox2->isChecked());
    QGuiApplication::clipboard()->setText(qs(radius ? formulas.radius : formulas.mean));
    Panel2->setText(FormulaCopiedText);
}

void TForm1::Label9DblClick() { copyFormula(false); }
void TForm1::Label4DblClick() { copyFormula(true); }
void TForm1::TabSheet1MouseMove() { Panel2->setText(PanelBlankText); }

// ---- secondary windows ----

void TForm1::Button20Click()
{
    if (frm_Table)
        frm_Table->exec();
}

void TForm1::Label13Click()
{
    if (frm_About)
        frm_About->exec();
}

// ---- the thread page ----

void TForm1::FillDiameterList()
{
    const QSignalBlocker blocker(cmbx_Rezba);
    cmbx_Rezba->clear();
    for (const thread_calc::DiameterItem& item : thread_calc::DiameterList())
        cmbx_Rezba->addItem(qs(item.text), item.diameter);
    cmbx_Rezba->setCurrentIndex(thread_calc::DefaultDiameterPosition(cmbx_Rezba->count()));
}

void TForm1::FillPitchList(double diameter)
{
    {
        const QSignalBlocker blocker(cmbx_ShagRezb);
        cmbx_ShagRezb->clear();
        const std::vector<thread_calc::PitchItem> items = thread_calc::PitchList(diameter);
        for (const thread_calc::PitchItem& item : items)
            cmbx_ShagRezb->addItem(qs(item.text), item.threadIndex);
        cmbx_ShagRezb->setCurrentIndex(thread_calc::DefaultPitchPosition(items));
    }
    ShowThreadHole();
}

void TForm1::ShowThreadHole()
{
    const int item = cmbx_ShagRezb->currentIndex();
    if (item < 0)
        return;
    const thread_calc::ThreadHoleTexts texts = thread_calc::ShowThreadHole(cmbx_ShagRezb->itemData(item).toInt());
    if (!texts.kindCaption.empty())
        lb_Rezba->setText(qs(texts.kindCaption));
    ed_DiamNom->setText(qs(texts.holeDiameter));
    ed_DopRezb->setText(qs(texts.holeTolerance));
    ed_MidlDopRezb->setText(qs(texts.midDiameter));
}

void TForm1::cmbx_RezbaChange()
{
    const int item = cmbx_Rezba->currentIndex();
    if (item < 0)
        return;
    FillPitchList(cmbx_Rezba->itemData(item).toDouble());
    cmbx_ShagRezb->setFocus();
}

void TForm1::cmbx_ShagRezbChange() { ShowThreadHole(); }

void TForm1::btm_RezbTablClick()
{
    if (frm_RezbTabl)
        frm_RezbTabl->exec();
}

// ---- the pages made when first opened ----

void TForm1::PageControl1Change()
{
    if (PageControl1->currentWidget() == TabSheet2)
        ensureThreadPage();
    else if (PageControl1->currentWidget() == TabSheet3)
        TabSheet3->open(Edit2->text());
    else if (PageControl1->currentWidget() == TabSheet4)
        TabSheet4->open(cmbx_Rezba ? cmbx_Rezba->currentText() : QString(), cmbx_ShagRezb ? cmbx_ShagRezb->currentText() : QString());
}

void createSecondaryWindows(TForm1* mainWindow)
{
    frm_Table = new Tfrm_Table(mainWindow);
    frm_Table->setTypeFilter(mainWindow->ComboBox1);
    frm_About = new Tfrm_About(mainWindow);
    frm_ListOf_Ferrak = new Tfrm_ListOf_Ferrak(mainWindow);
    frm_FastNamber = new Tfrm_FastNamber(mainWindow);
    frm_RezbTabl = new Tfrm_RezbTabl(mainWindow);
    frm_KeyBoard = new Tfrm_KeyBoard(mainWindow);
}
