#include "platform/message_loop.h"

#include <QCoreApplication>
#include <QTimer>

#include "platform/detail/input_state.h"

namespace pl {

void RecordMessage(const MSG& msg) {
    detail::InputState& in = detail::Input();
    // Only loops that are peeking read the journal; it never grows without bound.
    if (in.peekDepth == 0) return;
    if (in.journal.size() >= 256) in.journal.pop_front();
    in.journal.push_back(msg);
}

} // namespace pl

bool PeekMessage(MSG* msg, HWND window, uint32_t filterMin, uint32_t filterMax, uint32_t removeFlags) {
    (void)window;
    (void)filterMin;
    (void)filterMax;
    pl::detail::InputState& in = pl::detail::Input();
    if (in.journal.empty() && QCoreApplication::instance()) {
        ++in.peekDepth;
        // The timer makes sure the turn ends even when no event comes.
        QTimer wake;
        wake.setSingleShot(true);
        wake.start(pl::kPumpIntervalMs);
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        --in.peekDepth;
    }
    if (in.journal.empty()) return false;
    if (msg) *msg = in.journal.front();
    if (removeFlags & PM_REMOVE) in.journal.pop_front();
    return true;
}
