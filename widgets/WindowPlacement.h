// Where the secondary windows appear: centred over the main window or the
// desktop, or beside an edit, and always wholly or at least top-left on the screen.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace WindowPlacement {

// The window's outer size. Before its first showing a window does not know its
// frame yet; the frame of `reference` (a window of the same desktop) is the estimate.
QSize outerSize(const QWidget* window, const QWidget* reference);

// The main window a dialog belongs to: its parent's window, else the active window.
QWidget* ownerWindow(const QWidget* window);

// Centres the window's frame over `area`, its top-left corner kept on the screen.
void centreOver(QWidget* window, const QRect& area, const QWidget* reference);
// Over the owner window when it is shown, otherwise over the desktop.
void centreOverOwner(QWidget* window);
// Over the desktop's available area.
void centreOnDesktop(QWidget* window);

// Moves the window to `corner`, or only as far from it as it takes to lie wholly on the screen.
void keepOnScreen(QWidget* window, QPoint corner, QSize outer);

// A screen of the desktop: its whole area and the part windows may take.
struct ScreenArea {
    QRect geometry;
    QRect available;
};

// The available area of the screen on which a window placed at `target` appears: the
// screen under that point, else the one of `fallback` (the owner's screen); an invalid
// rectangle when there is neither.
QRect areaAt(QPoint target, const QList<ScreenArea>& screens, int fallback);
// `corner` moved only as far as it takes for `outer` to lie wholly inside `area`;
// where it cannot, its top-left corner stays inside.
QPoint clampInto(QPoint corner, QSize outer, const QRect& area);

} // namespace WindowPlacement
