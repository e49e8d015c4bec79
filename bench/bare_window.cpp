// The floor of a Qt Widgets program: one empty 644 x 439 window, shown.
// Built a second time with BARE_WITH_TEXT, the window shows one short label:
// the floor of any window with text, which must load the system's fonts.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "FirstFrame.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(644, 439);
#ifdef BARE_WITH_TEXT
    QLabel label(QStringLiteral("Квалитет 0"), &window);
    label.move(8, 8);
#endif
    FirstFrameProbe probe(&window);
    window.show();
    return app.exec();
}
