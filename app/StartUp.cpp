#include "StartUp.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include "ProgramIcon.h"
#include "UiStyle.h"

namespace StartUp {

void prepareApplication()
{
    // The icon for every window, and the desktop entry the windows belong to (so that
    // panels show the same icon and name). A window icon is handed to the window system
    // at every size it has when a window is mapped: the sizes up to 64 px serve title
    // bars, panels and window switchers; the larger renderings are for the installed
    // icon theme only.
    QApplication::setWindowIcon(ProgramIcon::icon());
    QGuiApplication::setDesktopFileName(QStringLiteral(DOPUSK_APP_ID));
    UiStyle::applyProgramFont();
    loadQtTranslations();
}

bool loadQtTranslations(const QString& folder)
{
    static QTranslator* translator = nullptr;
    if (!translator)
        translator = new QTranslator(QCoreApplication::instance());
    const QString from = folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
    if (!translator->load(QStringLiteral("qtbase_ru"), from))
        return false;
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace StartUp
