#include <QApplication>

#include "StartUp.h"
#include "frm_Main_Unit.h"

int main(int argc, char** argv)
{
    StartUp::ReadAhead readAhead; // the font configuration and the icon, on a second thread
    QApplication app(argc, argv);
    readAhead.applicationMade();
    StartUp::prepareApplication();
    const std::unique_ptr<TForm1> mainWindow = StartUp::makeWindows(readAhead);
    mainWindow->show();
    return app.exec();
}
