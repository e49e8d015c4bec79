#include <QApplication>
#include <QDir>
#include <QIcon>

#include "frm_Main_Unit.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The program's icon at each rendered size, used by every window, and the desktop entry
    // the windows belong to (so that panels show the same icon and name).
    QIcon icon;
    const QDir iconDir(QStringLiteral(":/icons"));
    for (const QString& name : iconDir.entryList({QStringLiteral("dopusk-*.png")}))
        icon.addFile(iconDir.filePath(name));
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral(DOPUSK_APP_ID));
    TForm1 mainWindow;
    Form1 = &mainWindow;
    createSecondaryWindows(&mainWindow);
    mainWindow.show();
    return app.exec();
}
