// Start-up's preparation of the application object: the icon every window
// shows, the desktop entry, the default font and Qt's own texts in Russian.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QIcon>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include "StartUp.h"
#include "UiStyle.h"
#include "frm_Main_Unit.h"

TEST(StartUp, WindowIconDesktopEntryAndDefaultFont)
{
    // The desktop's fonts for hints and menus are kept; everything else takes the windows' font.
    QApplication::setFont(QFont(QStringLiteral("Serif"), 20));
    const QFont hints(QStringLiteral("Serif"), 14);
    const QFont menus(QStringLiteral("Monospace"), 13);
    QApplication::setFont(hints, "QTipLabel");
    QApplication::setFont(menus, "QMenu");
    StartUp::prepareApplication();
    EXPECT_EQ(QToolTip::font(), hints);
    EXPECT_EQ(QApplication::font("QMenu"), menus);

    // The icon, read on the start-up's second thread.
    StartUp::ReadAhead readAhead;
    readAhead.applicationMade();
    QApplication::setWindowIcon(readAhead.icon());
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    EXPECT_EQ(sizes, (QList<QSize>{{16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}, {64, 64}}));
    EXPECT_FALSE(QApplication::windowIcon().pixmap(48, 48).isNull());
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("org.example.dopusk"));

    EXPECT_EQ(QApplication::font(), UiStyle::sansFont(11));
    EXPECT_EQ(QFontInfo(QApplication::font()).pixelSize(), 11);
}

namespace {

// The texts of the context menu that a right click on the size box opens.
QStringList contextMenuOfSizeBox()
{
    TForm1 window;
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    QStringList texts;
    QTimer::singleShot(50, [&texts] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (const QAction* action : menu->actions())
                if (!action->isSeparator())
                    texts << action->text().remove(u'&').section(u'\t', 0, 0);
            menu->close();
        }
    });
    const QWidget* sizeBox = window.findChild<QWidget*>(QStringLiteral("Edit2"));
    const QPoint at = sizeBox->mapTo(&window, sizeBox->rect().center());
    QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, at);
    QTest::qWait(100);
    return texts;
}

} // namespace

TEST(StartUp, QtsOwnTextsAreRussianWhateverTheLocale)
{
    ASSERT_TRUE(StartUp::loadQtTranslations());
    const QStringList texts = contextMenuOfSizeBox();
    EXPECT_TRUE(texts.contains(QStringLiteral("Копировать"))) << texts.join(u',').toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("Вставить"))) << texts.join(u',').toStdString();
}

TEST(StartUp, WithoutTheTranslationFileTheProgramStillStarts)
{
    const QTemporaryDir empty;
    EXPECT_FALSE(StartUp::loadQtTranslations(empty.path()));
    const QStringList texts = contextMenuOfSizeBox();
    EXPECT_TRUE(texts.contains(QStringLiteral("Copy"))) << texts.join(u',').toStdString();
    StartUp::loadQtTranslations();
}
