#include <QApplication>

#include "StartUp.h"
#include "frm_Main_Unit.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    StartUp::prepareApplication();
    TForm1 mainWindow;
    Form1 = &mainWindow;
    createSecondaryWindows(&mainWindow);
    mainWindow.show();
    return app.exec();
}
