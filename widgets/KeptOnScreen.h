// Keeps each window it watches on the screen when the window is shown: a window placed
// before its first showing, by a frame size it could only guess, is moved again once
// the frame is known.
#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>

#include "WindowPlacement.h"

class KeptOnScreen : public QObject {
public:
    using QObject::QObject;

    void watch(QWidget* window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* window = static_cast<QWidget*>(watched);
            WindowPlacement::keepOnScreen(window, window->pos(), window->frameGeometry().size());
        }
        return QObject::eventFilter(watched, event);
    }
};
