// Opens a widget's context menu, as the Menu key does, and chooses one of its entries by the
// arrow keys and Enter, as a user without a mouse would.
#pragma once

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>

inline void chooseFromContextMenu(QWidget* widget, int downPresses = 1)
{
    QTimer::singleShot(50, [downPresses] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (int i = 0; i < downPresses; ++i)
                QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        }
    });
    const QPoint centre = widget->rect().center();
    QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, centre, widget->mapToGlobal(centre));
    QApplication::sendEvent(widget, &menuEvent);
}
