// The test runner owns the one QApplication, so widgets, fonts and printing work headless.
#include <QApplication>
#include <clocale>
#include <gtest/gtest.h>

#include "platform/detail/client_view.h"
#include "tests/support/clean_state.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    testsupport::StartEveryTestClean();
    // A paint that runs long on a loaded machine would otherwise be left to slices, and a test
    // grabbing the widget would see it half drawn: tests slice only where they ask to.
    pl::detail::ClientView::SetPaintSlices(std::size_t(-1), std::chrono::microseconds(8000));
    pl::detail::ClientView::SetPutOffInking(false); // turned texts inked as drawn, the same way
    return RUN_ALL_TESTS();
}
