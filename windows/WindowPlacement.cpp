#include "WindowPlacement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace WindowPlacement {

namespace {

QRect availableArea(const QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

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
    const QRect screen = availableArea(window);
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
    const QRect area = availableArea(window);
    if (area.isValid())
        centreOver(window, area, ownerWindow(window));
}

void keepOnScreen(QWidget* window, QPoint corner, QSize outer)
{
    const QRect area = availableArea(window);
    if (area.isValid()) {
        corner.setX(std::max(area.left(), std::min(corner.x(), area.right() + 1 - outer.width())));
        corner.setY(std::max(area.top(), std::min(corner.y(), area.bottom() + 1 - outer.height())));
    }
    window->move(corner);
}

} // namespace WindowPlacement
