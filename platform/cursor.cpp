#include "platform/cursor.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>

#include "platform/detail/input_state.h"
#include "platform/test_script.h"
#include "platform/window.h"

namespace pl::detail {

InputState& Input() {
    static InputState state;
    return state;
}

namespace {

class CursorTracker : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick: {
            // Only the event as the window receives it, not its copies to the child widgets.
            if (watched->isWindowType()) {
                QPoint g = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
                NoteRealCursor(TPoint(g.x(), g.y()));
            }
            break;
        }
        default:
            break;
        }
        return false;
    }
};

} // namespace

bool PlatformMovesPointer() {
    const QString name = QGuiApplication::platformName();
    return !name.isEmpty() && name != QLatin1String("offscreen") && name != QLatin1String("minimal");
}

void EnsureCursorTracking() {
    static QObject* tracker = nullptr;
    if (tracker || !QCoreApplication::instance()) return;
    tracker = new CursorTracker(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(tracker);
}

bool IsWarpEcho(const TPoint& screenPoint) {
    InputState& in = Input();
    if (!in.pendingWarp || !(*in.pendingWarp == screenPoint)) return false;
    in.pendingWarp.reset();
    return true;
}

} // namespace pl::detail

namespace pl {

void NoteRealCursor(const TPoint& screenPoint) {
    detail::InputState& in = detail::Input();
    in.cursor = screenPoint;
    in.cursorKnown = true;
}

void ResetInputState() {
    detail::InputState& in = detail::Input();
    in.cursorKnown = false;
    in.pendingWarp.reset();
    in.capture = nullptr;
    in.journal.clear();
}

} // namespace pl

using pl::detail::Input;

bool GetCursorPos(POINT* point) {
    if (!point) return false;
    pl::detail::InputState& in = Input();
    if (!in.cursorKnown && QCoreApplication::instance()) {
        QPoint p = QCursor::pos();
        in.cursor = TPoint(p.x(), p.y());
        in.cursorKnown = true;
    }
    *point = in.cursor;
    return true;
}

bool SetCursorPos(int32_t x, int32_t y) {
    pl::TestLog("SetCursorPos " + std::to_string(x) + " " + std::to_string(y));
    pl::detail::InputState& in = Input();
    in.cursor = TPoint(x, y);
    in.cursorKnown = true;
    // The offscreen platforms turn a pointer move into a mouse-move event; the program expects
    // none, so there only the virtual cursor moves.
    if (QCoreApplication::instance() && pl::detail::PlatformMovesPointer()) {
        in.pendingWarp = TPoint(x, y);
        QCursor::setPos(x, y);
    }
    return true;
}

bool ClientToScreen(HWND window, POINT* point) {
    if (!window || !point) return false;
    TPoint p(point->x, point->y);
    window->ClientToScreen(p);
    *point = p;
    return true;
}

bool ScreenToClient(HWND window, POINT* point) {
    if (!window || !point) return false;
    TPoint p(point->x, point->y);
    window->ScreenToClient(p);
    *point = p;
    return true;
}

HWND SetCapture(HWND window) {
    HWND previous = Input().capture;
    if (previous && previous != window) ReleaseCapture();
    Input().capture = window;
    // A press loop starting now must not read what an earlier one left behind.
    Input().journal.clear();
    if (window) {
        // Headless platforms cannot grab; the implicit grab of a held button still works there.
        QWidget* w = window->GetHandle();
        if (w && w->isVisible() && pl::detail::PlatformMovesPointer()) w->grabMouse();
    }
    return previous;
}

bool ReleaseCapture() {
    HWND window = Input().capture;
    Input().capture = nullptr;
    if (!window) return false;
    QWidget* w = window->GetHandle();
    if (w && pl::detail::PlatformMovesPointer()) w->releaseMouse();
    return true;
}

HWND GetCapture() {
    return Input().capture;
}

bool LeftButtonHeld() {
    return (QGuiApplication::mouseButtons() & Qt::LeftButton) != 0;
}
