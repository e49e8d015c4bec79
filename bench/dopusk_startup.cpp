// The program's start-up exactly as app/main.cpp does it, plus the report of
// the main window's first frame.
#include <QApplication>

#include "FirstFrame.h"
#include "StartUp.h"
#include "frm_Main_Unit.h"

int main(int argc, char** argv)
{
    StartUp::ReadAhead readAhead; // the font configuration and the icon, on a second thread
    QApplication app(argc, argv);
    readAhead.applicationMade();
    StartUp::prepareApplication();
    const std::unique_ptr<TForm1> mainWindow = StartUp::makeWindows(readAhead);
    FirstFrameProbe probe(mainWindow.get());
    mainWindow->show();
    return app.exec();
}
