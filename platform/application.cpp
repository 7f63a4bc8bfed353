#include "platform/application.h"

#include <QScreen>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <QApplication>
#include <QMainWindow>
#include <QSocketNotifier>
#include <QtGlobal>
#include <unistd.h>

#include "platform/cursor.h"
#include "platform/detail/guard.h"
#include "platform/detail/input_state.h"
#include "platform/frame_window.h"
#include "platform/message_box.h"

namespace {
TApplication* current = nullptr;

// The pipe by which the system's request to end (SIGTERM, as at a logout or a shutdown) reaches the
// event loop: the handler may do no more than write to it.
int terminatePipe[2] = {-1, -1};

void OnTerminate(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(terminatePipe[1], &byte, 1);
    errno = saved;
}

// While it lives, SIGTERM ends the event loops as Exit does, so that the program ends the same way
// and lets go of what it holds (its locks among them) as it does then, instead of dying where it
// stands. A step under way finishes first: the loop reads the pipe only between events.
class EndOnTerminate {
public:
    EndOnTerminate() {
        if (terminatePipe[0] < 0 && ::pipe2(terminatePipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
        notifier_ = std::make_unique<QSocketNotifier>(terminatePipe[0], QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
            char bytes[16];
            while (::read(terminatePipe[0], bytes, sizeof bytes) > 0) {
            }
            asked_ = true;
            // Not quit(), which asks the windows to close and so the user to save.
            QCoreApplication::exit(0);
        });
        struct sigaction action {};
        action.sa_handler = OnTerminate;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(SIGTERM, &action, &before_);
    }
    ~EndOnTerminate() {
        if (notifier_) sigaction(SIGTERM, &before_, nullptr);
    }
    EndOnTerminate(const EndOnTerminate&) = delete;
    EndOnTerminate& operator=(const EndOnTerminate&) = delete;

    // True once the request came.
    bool Asked() const { return asked_; }

private:
    std::unique_ptr<QSocketNotifier> notifier_;
    struct sigaction before_ {};
    bool asked_ = false;
};
} // namespace

TApplication::TApplication(const char* name) : Name(name ? name : ""), Previous(current) {
    current = this;
    pl::detail::EnsureCursorTracking();
}

TApplication::~TApplication() {
    delete MainWindow;
    MainWindow = nullptr;
    if (current == this) current = Previous;
}

TApplication* TApplication::Current() {
    return current;
}

void TApplication::SetMainWindow(TFrameWindow* window) {
    if (MainWindow == window) return;
    MainWindow = window;
}

bool TApplication::InitInstance() {
    InitMainWindow();
    if (!MainWindow) return false;
    if (!MainWindow->Create()) return false;
    QMainWindow* w = MainWindow->MainWidget();
    if (nCmdShow == SW_SHOWMINIMIZED)
        w->showMinimized();
    else {
        // Without a window manager (a bare X server) a maximise request is never honoured, so the
        // frame is also given the screen's whole working area.
        if (QScreen* screen = w->screen()) w->setGeometry(screen->availableGeometry());
        w->showMaximized();
    }
    return true;
}

int TApplication::Run() {
    if (!QCoreApplication::instance()) return -1;
    const EndOnTerminate ending;
    bool started = false;
    pl::detail::Guarded([&] { started = InitInstance(); });
    if (!started) return -1;
    // A request that came while the program started (a box's own loop read it) ends it now.
    if (ending.Asked()) return 0;
    return QApplication::exec();
}

int TApplication::MessageBox(HWND window, const char* text, const char* caption, uint32_t type) {
    if (window) return window->MessageBox(text, caption, type);
    return ::MessageBox(nullptr, text, caption, type);
}

void TApplication::ResumeThrow() {
    if (!Parked) return;
    std::exception_ptr error = Parked;
    Parked = nullptr;
    std::rethrow_exception(error);
}

namespace pl::detail {

void ParkException(std::exception_ptr error) {
    TApplication* app = TApplication::Current();
    // Inside a press loop the loop re-throws it once the capture is released.
    if (app && (Input().capture || Input().peekDepth > 0)) {
        app->SuspendThrow(error);
        return;
    }
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        qWarning("Unhandled error in a window handler: %s", e.what());
    } catch (...) {
        qWarning("Unhandled error in a window handler");
    }
}

} // namespace pl::detail
