#include <QApplication>

#include "FontConfigurationReader.h"
#include "StartUp.h"
#include "frm_Main_Unit.h"

int main(int argc, char** argv)
{
    FontConfigurationReader fontConfiguration;
    QApplication app(argc, argv);
    fontConfiguration.wait();
    StartUp::prepareApplication();
    TForm1 mainWindow;
    Form1 = &mainWindow;
    createSecondaryWindows(&mainWindow);
    mainWindow.show();
    return app.exec();
}
