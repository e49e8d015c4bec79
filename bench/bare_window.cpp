// The floor of a Qt Widgets program: one empty 644 x 439 window, shown.
#include <QApplication>
#include <QWidget>

#include "FirstFrame.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(644, 439);
    FirstFrameProbe probe(&window);
    window.show();
    return app.exec();
}
