#include "tests/support/clean_state.h"

#include <QCoreApplication>
#include <QTimer>

#include "document/program_state.h"
#include "platform/cursor.h"
#include "platform/help.h"
#include "platform/test_script.h"
#include "platform/when_modal.h"

namespace testsupport {
namespace {

// A test that closed the main window asked the application to quit while no event loop ran; every
// modal loop after that would end at once. One turn of the application's loop takes the request.
void EndPendingQuit() {
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    (void)QCoreApplication::exec(); // the loop only runs to take the request: its result means nothing
}

class CleanStateListener : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { ResetAllState(); }
};

} // namespace

void ResetAllState() {
    ResetGlobals();
    // A help window left open by an earlier test would be the one the next test finds.
    pl::CloseHelpWindow();
    pl::cancelModalWatches();
    EndPendingQuit();
    pl::ResetInputState();
    pl::script::Reset();
    pl::script::Enable(false);
}

void StartEveryTestClean() {
    ::testing::UnitTest::GetInstance()->listeners().Append(new CleanStateListener);
}

} // namespace testsupport
