#include "frm_About_Unit.h"

#include "AppInfo.h"
#include "UiStyle.h"
#include "WindowPlacement.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QTextEdit>
#include <QTextOption>
#include <QUrl>

namespace {

constexpr int ClientWidth = 386;
constexpr int MemoLeft = 8;
constexpr int MemoWidth = 369;

// 'Comic Sans MS' where installed. Otherwise a sans narrow enough for the description's
// longest lines to fit the memo unbroken, as they do in Comic Sans; DejaVu Sans is too wide.
QFont memoFont()
{
    for (const char* wanted : {"Comic Sans MS", "Arial", "Liberation Sans", "Nimbus Sans", "DejaVu Sans Condensed"}) {
        const QString family = QString::fromLatin1(wanted);
        if (QFontDatabase::hasFamily(family)) {
            QFont font(family);
            font.setPixelSize(11);
            return font;
        }
    }
    return UiStyle::comicFont(11);
}

QString descriptionText()
{
    const QString version = QString::fromUtf8(AppInfo::Version);
    const QString mail = QString::fromUtf8(AppInfo::MailAddress);
    const QStringList lines = {
        Tfrm_About::tr("ОПИСАНИЕ"),
        Tfrm_About::tr("Программа автоматически находит предельные отклонения,"),
        Tfrm_About::tr("рассчитывает среднее значение поля допуска, показывает "),
        Tfrm_About::tr("верхнее и нижнее значение допуска."),
        Tfrm_About::tr("Расчитывает параметры для нарезения отверстий под резьбу."),
        QStringLiteral(" "),
        QString(),
        Tfrm_About::tr("Версия программы: %1").arg(version),
        QString(),
        Tfrm_About::tr("Разработчик: проект %1").arg(QString::fromUtf8(AppInfo::Name)),
        QStringLiteral("EMail: %1").arg(mail),
        QString(),
        QString(),
        QString(),
        Tfrm_About::tr("ЕЩЕ:"),
        Tfrm_About::tr("Свои пожелания и замечания присылайте по почте,"),
        Tfrm_About::tr("пишите также на форум на сайте проекта."),
        QString(),
        QString(),
        Tfrm_About::tr("Программа распространяется совершенно бесплатно."),
        QString(),
        Tfrm_About::tr("Это свободная программа: её можно свободно"),
        Tfrm_About::tr("использовать, копировать и передавать другим."),
        QString(),
    };
    return lines.join(QLatin1Char('\n'));
}

} // namespace

Tfrm_About::Tfrm_About(QWidget* parent)
    : BuiltOnFirstShowing(parent)
{
    setObjectName(QStringLiteral("frm_About"));
    setWindowTitle(tr("О программе"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, 361);
    setFont(UiStyle::sansFont(11));
}

void Tfrm_About::buildControls()
{
    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel2->setLineWidth(1);
    Panel2->setGeometry(0, 0, ClientWidth, 313);

    Label4 = new QLabel(QStringLiteral("%1 %2").arg(QCoreApplication::translate("AppInfo", AppInfo::Title), QString::fromUtf8(AppInfo::Version)),
                        Panel2);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setGeometry(72, 10, 241, 39);
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setWordWrap(true);
    Label4->setFont(UiStyle::sansFont(15, true));
    UiStyle::setTextColour(Label4, UiStyle::Maroon);

    Bevel2 = new QFrame(Panel2);
    Bevel2->setObjectName(QStringLiteral("Bevel2"));
    Bevel2->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Bevel2->setGeometry(MemoLeft, 50, MemoWidth, 2);

    Label3 = new QLabel(tr("Описание"), Panel2);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(MemoLeft, 53, MemoWidth, 18);
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setFont(UiStyle::sansFont(15, true));
    UiStyle::setTextColour(Label3, UiStyle::Navy);

    Memo2 = new QTextEdit(Panel2);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setGeometry(MemoLeft, 72, MemoWidth, 177);
    Memo2->setReadOnly(true);
    Memo2->setAcceptRichText(false);
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    UiStyle::setBaseColour(Memo2, UiStyle::Black);
    UiStyle::setTextColour(Memo2, UiStyle::Lime);
    Memo2->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
    Memo2->setPlainText(descriptionText());

    LabelWWW = makeLink("LabelWWW", QString::fromUtf8(AppInfo::WebAddress), 263);
    LabelMail = makeLink("LabelMail", QStringLiteral("EMail : ") + QString::fromUtf8(AppInfo::MailAddress), 287);

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(291, 325, 86, 25);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    LabelWWW->takeKeyboardClicks();
    LabelMail->takeKeyboardClicks();
    setTabOrder(Memo2, LabelWWW); // the description, scrolled by the arrow keys, then the links
    setTabOrder(LabelWWW, LabelMail);
    setTabOrder(LabelMail, BitBtn1);
    connect(LabelWWW, &ClickableLabel::clicked, this, &Tfrm_About::LabelWWWClick);
    connect(LabelMail, &ClickableLabel::clicked, this, &Tfrm_About::LabelMailClick);

    // What only a shown window needs: the memo's font (a search of the installed
    // families), the links' sizes and the OK button's icon.
    Memo2->setFont(memoFont());
    for (QLabel* link : {LabelWWW, LabelMail}) {
        link->resize(UiStyle::captionSize(link->font(), link->text()));
        // Centred under the memo, whatever the length of the address.
        link->move(MemoLeft + (MemoWidth - link->width()) / 2, link->y());
    }
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
}

ClickableLabel* Tfrm_About::makeLink(const char* name, const QString& caption, int y)
{
    auto* label = new ClickableLabel(caption, Panel2);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = UiStyle::sansFont(12, true);
    font.setUnderline(true);
    label->setFont(font);
    UiStyle::setTextColour(label, UiStyle::Blue);
    label->setCursor(Qt::PointingHandCursor);
    label->move(MemoLeft, y);
    return label;
}

void Tfrm_About::LabelWWWClick()
{
    // The shell's verdict is not examined: with no browser nothing happens.
    QDesktopServices::openUrl(QUrl(QString::fromUtf8(AppInfo::WebAddress)));
}

void Tfrm_About::LabelMailClick()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("Mailto:") + QString::fromUtf8(AppInfo::MailAddress)));
}

void Tfrm_About::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        centreOverMainWindow();
        BitBtn1->setFocus(); // Enter closes the window, as OK is its default button
    }
    QDialog::showEvent(event);
}

void Tfrm_About::centreOverMainWindow()
{
    WindowPlacement::centreOverOwner(this);
}
