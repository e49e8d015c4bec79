#include <QApplication>

#include "frm_Main_Unit.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TForm1 mainWindow;
    Form1 = &mainWindow;
    createSecondaryWindows(&mainWindow);
    mainWindow.show();
    return app.exec();
}
