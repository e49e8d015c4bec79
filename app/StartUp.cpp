#include "StartUp.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#ifdef DOPUSK_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include "NumberText.h"
#include "ProgramIcon.h"
#include "UiStyle.h"
#include "frm_Main_Unit.h"

namespace StartUp {

namespace {

QTranslator* qtTranslator()
{
    static QTranslator* translator = new QTranslator(QCoreApplication::instance());
    return translator;
}

QTranslator* programTranslator()
{
    static QTranslator* translator = new QTranslator(QCoreApplication::instance());
    return translator;
}

std::string translateByQt(const char* context, const char* source)
{
    return QCoreApplication::translate(context, source).toStdString();
}

} // namespace

ReadAhead::ReadAhead()
{
#ifdef DOPUSK_HAVE_FONTCONFIG
    // FcInit loads the configuration once for the process; Qt's later call returns at once.
    m_fontConfiguration = std::thread([] { FcInit(); });
#endif
}

ReadAhead::~ReadAhead()
{
    if (m_fontConfiguration.joinable())
        m_fontConfiguration.join();
    if (m_iconRenderings.valid())
        m_iconRenderings.wait();
}

void ReadAhead::applicationMade()
{
    m_iconRenderings = std::async(std::launch::async, &ProgramIcon::readRenderings);
    if (m_fontConfiguration.joinable())
        m_fontConfiguration.join();
}

QIcon ReadAhead::icon()
{
    // A window icon is handed to the window system at every size it has when a window
    // is mapped: the sizes up to 64 px serve title bars, panels and window switchers;
    // the larger renderings are for the installed icon theme only.
    return ProgramIcon::icon(m_iconRenderings.valid() ? m_iconRenderings.get() : ProgramIcon::readRenderings());
}

void prepareApplication()
{
    // The desktop entry the windows belong to, so that panels show the same icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral(DOPUSK_APP_ID));
    UiStyle::applyProgramFont();
    applyLanguage(i18n::languageFromEnvironment());
}

bool applyLanguage(i18n::Language language)
{
    if (language == i18n::Language::Russian) {
        QCoreApplication::removeTranslator(programTranslator());
        i18n::setTranslator(nullptr);
        number::setInterfaceDecimalSeparator(',');
        return loadQtTranslations();
    }
    QCoreApplication::removeTranslator(qtTranslator());
    number::setInterfaceDecimalSeparator('.');
    if (!programTranslator()->load(QString::fromLatin1(EnglishTranslation)))
        return false;
    QCoreApplication::installTranslator(programTranslator());
    i18n::setTranslator(&translateByQt);
    return true;
}

std::unique_ptr<TForm1> makeWindows(ReadAhead& readAhead)
{
    auto mainWindow = std::make_unique<TForm1>();
    createSecondaryWindows(mainWindow.get());
    QApplication::setWindowIcon(readAhead.icon());
    return mainWindow;
}

bool loadQtTranslations(const QString& folder)
{
    QTranslator* translator = qtTranslator();
    const QString from = folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
    if (!translator->load(QStringLiteral("qtbase_ru"), from))
        return false;
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace StartUp
