// The program's start-up exactly as app/main.cpp does it, plus the report of
// the main window's first frame.
#include <QApplication>

#include "FirstFrame.h"
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
    FirstFrameProbe probe(&mainWindow);
    mainWindow.show();
    return app.exec();
}
