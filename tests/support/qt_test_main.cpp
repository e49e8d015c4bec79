// Entry point of the window tests: one QApplication for the whole run, offscreen,
// with the program's default font.
#include <QApplication>
#include <gtest/gtest.h>

#include "UiStyle.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    UiStyle::applyProgramFont(); // as the program's start-up does
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
