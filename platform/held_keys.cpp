#include "platform/held_keys.h"

#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include "platform/detail/client_view.h"
#include "platform/modal_run.h"

namespace {

// Where a key last truly went down, and when it last came up.
struct HeldKey {
    QPointer<QWidget> window; // the top-level window that took the press
    unsigned boxesShown = 0;  // how many modal boxes had come up by then
    quint64 releasedAt = 0;   // the moment of its last release; 0 when the system gave none
};

// A repeat carries the mark, or is a press at the very moment the same key came up: a release
// followed at once by a press is the system repeating a key that never came up.
bool IsRepeat(const QKeyEvent& key, const HeldKey& held) {
    return key.isAutoRepeat() || (key.timestamp() != 0 && key.timestamp() == held.releasedAt);
}

// The windows whose keys a held key must not reach: a box waiting for its answer, and a drawing
// window. Other windows (menus, the help window) take keys as the platform gives them.
bool KeepsHeldKeysApart(const QWidget* receiver) {
    return pl::IsWaitingBox(receiver->window()) || dynamic_cast<const pl::detail::ClientView*>(receiver);
}

// Watches every key of the application. A key event can reach a widget and then its parents; each
// step leaves the record as the first one did.
class HeldKeys : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !watched->isWidgetType())
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<const QKeyEvent*>(event);
        auto* receiver = static_cast<QWidget*>(watched);
        HeldKey& held = keys_[key->key()];
        if (type == QEvent::KeyRelease)
            held.releasedAt = key->timestamp();
        else if (!IsRepeat(*key, held))
            held = {receiver->window(), pl::ModalBoxesShown(), held.releasedAt};
        const bool own = held.window == receiver->window() && held.boxesShown == pl::ModalBoxesShown();
        if (!own && KeepsHeldKeysApart(receiver)) return true;
        if (type == QEvent::KeyPress && !key->isAutoRepeat() && IsRepeat(*key, held)) {
            // The press of a release-and-press pair goes on marked, as the repeat it is, also in the
            // window the key went down in: a check box held by Space then toggles once, as on a
            // single press, not once for every pair.
            SendMarked(receiver, *key);
            return true;
        }
        return false;
    }

private:
    static void SendMarked(QWidget* receiver, const QKeyEvent& key) {
        QKeyEvent repeat(QEvent::KeyPress, key.key(), key.modifiers(), key.nativeScanCode(),
                         key.nativeVirtualKey(), key.nativeModifiers(), key.text(), true, key.count());
        repeat.setTimestamp(key.timestamp());
        QApplication::sendEvent(receiver, &repeat);
    }

    QHash<int, HeldKey> keys_;
};

} // namespace

namespace pl {

void KeepHeldKeysWithTheirWindow() {
    // One watcher for the application, gone with it.
    static QPointer<HeldKeys> watcher;
    if (watcher || !qApp) return;
    watcher = new HeldKeys(qApp);
    qApp->installEventFilter(watcher);
}

} // namespace pl
