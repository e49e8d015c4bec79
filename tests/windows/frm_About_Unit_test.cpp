// The about window: its content, its two links (caught here, never opened) and its placement.
#include "frm_About_Unit.h"

#include "AppInfo.h"
#include "UiStyle.h"

#include <QDesktopServices>
#include <QFontInfo>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

class AboutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &catcher, "open");
        mainWindow.setGeometry(150, 120, 644, 439);
        mainWindow.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
        about.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    }

    void TearDown() override
    {
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    template <typename T> T* child(const char* name) { return about.findChild<T*>(QString::fromLatin1(name)); }

    QStringList content()
    {
        return {child<QLabel>("Label4")->text(), child<QLabel>("Label3")->text(),
                child<QTextEdit>("Memo2")->toPlainText(), child<QLabel>("LabelWWW")->text(),
                child<QLabel>("LabelMail")->text(), about.windowTitle()};
    }

    UrlCatcher catcher;
    QWidget mainWindow;
    Tfrm_About about{&mainWindow};
};

TEST_F(AboutTest, ShowsTitleVersionAndDescription)
{
    EXPECT_EQ(about.windowTitle(), "О программе");
    const QString version = QString::fromUtf8(AppInfo::Version);
    EXPECT_TRUE(child<QLabel>("Label4")->text().endsWith(QLatin1Char(' ') + version));
    EXPECT_EQ(child<QLabel>("Label3")->text(), "Описание");

    const QStringList lines = child<QTextEdit>("Memo2")->toPlainText().split(QLatin1Char('\n'));
    ASSERT_GT(lines.size(), 8);
    EXPECT_EQ(lines.mid(0, 7), (QStringList{
        "ОПИСАНИЕ",
        "Программа автоматически находит предельные отклонения,",
        "рассчитывает среднее значение поля допуска, показывает ",
        "верхнее и нижнее значение допуска.",
        "Расчитывает параметры для нарезения отверстий под резьбу.",
        " ",
        "",
    }));
    EXPECT_TRUE(lines.at(7).contains(version));
    EXPECT_TRUE(lines.contains(QStringLiteral("ЕЩЕ:")));
    EXPECT_TRUE(child<QTextEdit>("Memo2")->isReadOnly());
}

TEST_F(AboutTest, DescriptionLinesAreCentredAndUnbroken)
{
    auto* memo = child<QTextEdit>("Memo2");
    EXPECT_EQ(UiStyle::baseColour(memo), UiStyle::Black);
    EXPECT_EQ(UiStyle::textColour(memo), UiStyle::Lime);
    EXPECT_EQ(memo->font().pixelSize(), 11);
    const QString family = QFontInfo(memo->font()).family();
    if (family.startsWith(QStringLiteral("DejaVu Sans")) && !family.contains(QStringLiteral("Condensed")))
        GTEST_SKIP() << "no font narrow enough installed";
    QTextBlock block = memo->document()->begin();
    for (int line = 1; line <= 5; ++line, block = block.next()) {
        ASSERT_TRUE(block.isValid());
        EXPECT_EQ(block.layout()->lineCount(), 1) << "line " << line;
        EXPECT_TRUE(block.layout()->textOption().alignment() & Qt::AlignHCenter) << "line " << line;
    }
}

TEST_F(AboutTest, WebLinkReachesTheDesktopAndTheWindowStaysOpen)
{
    QLabel* link = child<QLabel>("LabelWWW");
    EXPECT_EQ(link->text(), QString::fromUtf8(AppInfo::WebAddress));
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened.at(0), QUrl(QString::fromUtf8(AppInfo::WebAddress)));
    EXPECT_TRUE(about.isVisible());
}

TEST_F(AboutTest, MailLinkReachesTheDesktopAndTheWindowStaysOpen)
{
    QLabel* link = child<QLabel>("LabelMail");
    EXPECT_EQ(link->text(), QStringLiteral("EMail : ") + QString::fromUtf8(AppInfo::MailAddress));
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(catcher.opened.size(), 1);
    const QUrl url = catcher.opened.at(0);
    EXPECT_EQ(url.scheme(), "mailto");
    EXPECT_EQ(url.toString(), QStringLiteral("mailto:") + QString::fromUtf8(AppInfo::MailAddress));
    EXPECT_TRUE(about.isVisible());
}

TEST_F(AboutTest, ClicksElsewhereOpenNothing)
{
    QTest::mouseClick(child<QLabel>("Label4"), Qt::LeftButton);
    QTest::mouseClick(&about, Qt::LeftButton, {}, QPoint(20, 300));
    EXPECT_TRUE(catcher.opened.isEmpty());
    EXPECT_TRUE(about.isVisible());
}

TEST_F(AboutTest, OkClosesTheWindow)
{
    auto* ok = child<QPushButton>("BitBtn1");
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_EQ(ok->geometry(), QRect(291, 325, 86, 25));
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);

    // OK is the default button: Enter closes the window as well.
    about.show();
    QTest::keyClick(&about, Qt::Key_Return);
    EXPECT_FALSE(about.isVisible());
}

TEST_F(AboutTest, KeyboardReachesTheLinksAndStartsOnOk)
{
    auto* ok = child<QPushButton>("BitBtn1");
    EXPECT_EQ(about.focusWidget(), ok); // Enter at once closes the window
    QWidget* reached[4] = {};
    ok->setFocus();
    for (QWidget*& next : reached) {
        QTest::keyClick(about.focusWidget(), Qt::Key_Tab);
        next = about.focusWidget();
    }
    EXPECT_EQ(reached[0], child<QTextEdit>("Memo2"));
    EXPECT_EQ(reached[1], child<QLabel>("LabelWWW"));
    EXPECT_EQ(reached[2], child<QLabel>("LabelMail"));
    EXPECT_EQ(reached[3], ok);

    // Space or Enter on a link opens it, as a click does; the window stays.
    QTest::keyClick(child<QLabel>("LabelWWW"), Qt::Key_Space);
    QTest::keyClick(child<QLabel>("LabelMail"), Qt::Key_Return);
    ASSERT_EQ(catcher.opened.size(), 2);
    EXPECT_EQ(catcher.opened.at(0), QUrl(QString::fromUtf8(AppInfo::WebAddress)));
    EXPECT_EQ(catcher.opened.at(1).scheme(), "mailto");
    EXPECT_TRUE(about.isVisible());
}

TEST_F(AboutTest, OpeningAgainShowsTheSameContentCentredOverTheMainWindow)
{
    const QStringList first = content();
    EXPECT_EQ(about.frameGeometry().center(), mainWindow.frameGeometry().center());
    QTest::mouseClick(child<QLabel>("LabelWWW"), Qt::LeftButton);
    about.close();

    mainWindow.move(300, 200);
    about.show();
    EXPECT_EQ(content(), first);
    EXPECT_EQ(about.frameGeometry().center(), mainWindow.frameGeometry().center());
}

} // namespace

#include "frm_About_Unit_test.moc"

TEST_F(AboutTest, ADisabledLinkOpensNothing)
{
    for (const char* name : {"LabelWWW", "LabelMail"}) {
        QLabel* link = child<QLabel>(name);
        link->setEnabled(false);
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3));
        link->setEnabled(true);
    }
    EXPECT_TRUE(catcher.opened.isEmpty());
    EXPECT_TRUE(about.isVisible());
}
