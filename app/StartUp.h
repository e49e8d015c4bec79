// What start-up does to the application object before the first window is
// made: shared by the program and by the start-up benchmark, which must start
// exactly as the program does.
#pragma once

#include <QIcon>
#include <QImage>
#include <QList>
#include <QString>
#include <future>
#include <memory>
#include <thread>

#include "Translate.h"

class TForm1;

namespace StartUp {

// What start-up reads on a second thread while the main thread connects to the
// display and makes the windows. First the system's font configuration (its files and
// font caches: a quarter of the start-up, and it needs nothing of Qt), from before the
// application object exists; Qt's font database then finds it loaded. Then, once the
// application object exists, the renderings of the program's icon.
class ReadAhead {
public:
    ReadAhead();
    ~ReadAhead();
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    // The application object exists: the icon is read next. Returns once the font
    // configuration is read, so that fonts may be used.
    void applicationMade();
    // The program's icon, once its renderings are read.
    QIcon icon();

private:
    std::thread m_fontConfiguration;
    std::future<QList<QImage>> m_iconRenderings;
};

// The desktop entry the windows belong to, the program's default font, and the
// interface's language as the environment chooses it.
void prepareApplication();

// Sets the interface's language for every window made afterwards. Russian is the
// source text: Qt's own texts in Russian (loadQtTranslations) and the decimal comma.
// English: the program's translation compiled into its resources, for the windows as
// for the cores (i18n::translate), Qt's own texts as Qt has them and the decimal
// point. Returns false when a translation it needs is not found.
bool applyLanguage(i18n::Language language);

// The main window `Form1` and the six secondary windows it owns, hidden, in their
// start-up order, with the program's icon from `readAhead`: all that start-up makes
// before the main window is shown.
std::unique_ptr<TForm1> makeWindows(ReadAhead& readAhead);

// Loads Qt's Russian texts (context menus, standard buttons and dialogs) from
// `folder`, by default Qt's translations folder, for the Russian interface whatever
// the system's locale. Without the file Qt's texts stay English; false then.
bool loadQtTranslations(const QString& folder = QString());

// The program's English translation, in the resources.
inline constexpr const char* EnglishTranslation = ":/translations/dopusk_en.qm";

} // namespace StartUp
