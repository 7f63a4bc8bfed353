#include "platform/application.h"

#include <QApplication>
#include <QMainWindow>
#include <QtGlobal>

#include "platform/cursor.h"
#include "platform/detail/guard.h"
#include "platform/detail/input_state.h"
#include "platform/frame_window.h"
#include "platform/message_box.h"

namespace {
TApplication* current = nullptr;
}

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
    else
        w->showMaximized();
    return true;
}

int TApplication::Run() {
    if (!QCoreApplication::instance()) return -1;
    bool started = false;
    pl::detail::Guarded([&] { started = InitInstance(); });
    if (!started) return -1;
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
