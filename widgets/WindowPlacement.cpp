#include "WindowPlacement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace WindowPlacement {

namespace {

// The screen a window is about to appear on is the one at its target, not the one
// it was last shown on; failing that, the screen of its owner.
QRect availableArea(const QWidget* window, QPoint target)
{
    QList<ScreenArea> screens;
    int fallback = -1;
    const QWidget* owner = ownerWindow(window);
    const QScreen* ownScreen = owner && owner != window ? owner->screen() : window->screen();
    if (!ownScreen)
        ownScreen = QGuiApplication::primaryScreen();
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen == ownScreen)
            fallback = int(screens.size());
        screens.append({screen->geometry(), screen->availableGeometry()});
    }
    return areaAt(target, screens, fallback);
}

} // namespace

QRect areaAt(QPoint target, const QList<ScreenArea>& screens, int fallback)
{
    for (const ScreenArea& screen : screens)
        if (screen.geometry.contains(target))
            return screen.available;
    return fallback >= 0 && fallback < screens.size() ? screens[fallback].available : QRect();
}

QPoint clampInto(QPoint corner, QSize outer, const QRect& area)
{
    if (!area.isValid())
        return corner;
    corner.setX(std::max(area.left(), std::min(corner.x(), area.right() + 1 - outer.width())));
    corner.setY(std::max(area.top(), std::min(corner.y(), area.bottom() + 1 - outer.height())));
    return corner;
}

QSize outerSize(const QWidget* window, const QWidget* reference)
{
    QSize frame = window->frameGeometry().size() - window->size();
    if (frame.isNull() && reference)
        frame = reference->frameGeometry().size() - reference->size();
    return window->size() + frame;
}

QWidget* ownerWindow(const QWidget* window)
{
    if (QWidget* parent = window->parentWidget())
        return parent->window();
    QWidget* active = QApplication::activeWindow();
    return active != window ? active : nullptr;
}

void centreOver(QWidget* window, const QRect& area, const QWidget* reference)
{
    const QSize outer = outerSize(window, reference);
    QPoint topLeft(area.left() + (area.width() - outer.width()) / 2, area.top() + (area.height() - outer.height()) / 2);
    const QRect screen = availableArea(window, area.center());
    if (screen.isValid()) {
        topLeft.setX(std::max(topLeft.x(), screen.left()));
        topLeft.setY(std::max(topLeft.y(), screen.top()));
    }
    window->move(topLeft);
}

void centreOverOwner(QWidget* window)
{
    const QWidget* owner = ownerWindow(window);
    if (owner && owner != window && owner->isVisible())
        centreOver(window, owner->frameGeometry(), owner);
    else
        centreOnDesktop(window);
}

void centreOnDesktop(QWidget* window)
{
    const QWidget* owner = ownerWindow(window);
    const QRect area = availableArea(window, (owner && owner != window ? owner : window)->frameGeometry().center());
    if (area.isValid())
        centreOver(window, area, ownerWindow(window));
}

void keepOnScreen(QWidget* window, QPoint corner, QSize outer)
{
    window->move(clampInto(corner, outer, availableArea(window, corner)));
}

} // namespace WindowPlacement
