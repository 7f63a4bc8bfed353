#include "platform/modal_run.h"

#include <algorithm>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QHash>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <vector>

namespace {

struct ModalState {
    std::vector<QPointer<QDialog>> waiting; // innermost last
    std::vector<QPointer<QWidget>> companions;
    unsigned shown = 0;
};

ModalState& State() {
    static ModalState state;
    return state;
}

QWindow* InnermostWaitingBox() {
    const std::vector<QPointer<QDialog>>& waiting = State().waiting;
    for (auto box = waiting.rbegin(); box != waiting.rend(); ++box)
        if (*box && (*box)->windowHandle()) return (*box)->windowHandle();
    return nullptr;
}

// The window system lets input through to a transient of the modal window that blocks, and only the
// innermost waiting box blocks: each companion hangs from that box while it waits, from the next
// outer box once it ends, and from no window when none waits.
void AttachCompanions() {
    std::vector<QPointer<QWidget>>& companions = State().companions;
    companions.erase(std::remove_if(companions.begin(), companions.end(),
                                    [](const QPointer<QWidget>& companion) { return !companion; }),
                     companions.end());
    QWindow* box = InnermostWaitingBox();
    for (const QPointer<QWidget>& companion : companions) {
        if (!companion->windowHandle()) companion->winId();
        QWindow* handle = companion->windowHandle();
        // A box the companion owns blocks it, as any window's own box does; hanging the companion
        // from it would make a loop.
        if (!handle || (box && handle->isAncestorOf(box, QWindow::IncludeTransients))) continue;
        if (handle != box) handle->setTransientParent(box);
    }
}

// Attaches once the box blocks. Qt weighs a window anew when its transient parent changes but, as a
// box starts, only the windows nothing blocks yet; a companion attached earlier, while an outer box
// still blocked it, would stay blocked by the new box.
class AttachWhenShown : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShowToParent) AttachCompanions();
        return QObject::eventFilter(watched, event);
    }
};

// Where and when each key last went down: the window that took the press, and how many boxes had
// come up by then.
struct KeyDown {
    QPointer<QWidget> window;
    unsigned boxesShown = 0;
};

bool IsWaitingBox(const QWidget* window) {
    const std::vector<QPointer<QDialog>>& waiting = State().waiting;
    return std::any_of(waiting.begin(), waiting.end(),
                       [window](const QPointer<QDialog>& box) { return box && box == window; });
}

// A held key repeats into whatever window has the focus. A waiting box takes the repeats of a key
// only when the key went down in it and no other box has come up since: the Return that put a
// refusal up, or the Return or Escape that closed it, held a moment too long, would otherwise
// answer the refusal unseen, press the dialog's OK again behind it, or cancel the dialog too, over
// and over while the key is down.
class HeldKeysStayWithTheirBox : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        QWidget* window = static_cast<QWidget*>(watched)->window();
        if (!key->isAutoRepeat()) {
            down_.insert(key->key(), {window, State().shown});
            return QObject::eventFilter(watched, event);
        }
        if (!IsWaitingBox(window)) return QObject::eventFilter(watched, event);
        const auto found = down_.constFind(key->key());
        const bool pressedHere =
            found != down_.cend() && found->window == window && found->boxesShown == State().shown;
        return !pressedHere;
    }

private:
    QHash<int, KeyDown> down_;
};

} // namespace

namespace pl {

unsigned ModalBoxesShown() {
    return State().shown;
}

void CountScriptedBox() {
    ++State().shown;
}

int RunModal(QDialog& box) {
    ++State().shown;
    std::vector<QPointer<QDialog>>& waiting = State().waiting;
    waiting.emplace_back(&box);
    // Both filters are removed when they go out of scope.
    AttachWhenShown attach;
    box.installEventFilter(&attach);
    HeldKeysStayWithTheirBox heldKeys;
    qApp->installEventFilter(&heldKeys);
    const int result = box.exec();
    waiting.erase(std::remove_if(waiting.begin(), waiting.end(),
                                 [&box](const QPointer<QDialog>& entry) { return !entry || entry == &box; }),
                  waiting.end());
    AttachCompanions();
    return result;
}

void KeepUsableBesideModalBoxes(QWidget* window) {
    std::vector<QPointer<QWidget>>& companions = State().companions;
    if (!window || std::find(companions.begin(), companions.end(), window) != companions.end()) return;
    companions.emplace_back(window);
    AttachCompanions();
}

} // namespace pl
