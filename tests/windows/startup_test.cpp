// Start-up's preparation of the application object: the icon every window
// shows, the desktop entry and the default font.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QIcon>
#include <QToolTip>

#include "StartUp.h"
#include "UiStyle.h"

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

    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    EXPECT_EQ(sizes, (QList<QSize>{{16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}, {64, 64}}));
    EXPECT_FALSE(QApplication::windowIcon().pixmap(48, 48).isNull());
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("org.example.dopusk"));

    EXPECT_EQ(QApplication::font(), UiStyle::sansFont(11));
    EXPECT_EQ(QFontInfo(QApplication::font()).pixelSize(), 11);
}
