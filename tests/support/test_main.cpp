// The test runner owns the one QApplication, so widgets, fonts and printing work headless.
#include <QApplication>
#include <clocale>
#include <gtest/gtest.h>

#include "tests/support/clean_state.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    testsupport::StartEveryTestClean();
    return RUN_ALL_TESTS();
}
