// Entry point of the window tests: one QApplication for the whole run, offscreen,
// with the program's default font. Built with DOPUSK_LANGUAGE_FROM_ENVIRONMENT, it
// also takes the interface's language from the environment as start-up does, when
// that is English; the Russian interface needs nothing.
#include <QApplication>
#include <gtest/gtest.h>

#include "UiStyle.h"
#ifdef DOPUSK_LANGUAGE_FROM_ENVIRONMENT
#include "StartUp.h"
#endif

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    UiStyle::applyProgramFont(); // as the program's start-up does
#ifdef DOPUSK_LANGUAGE_FROM_ENVIRONMENT
    if (i18n::languageFromEnvironment() == i18n::Language::English && !StartUp::applyLanguage(i18n::Language::English))
        return 1;
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
