#include "platform/modal_run.h"

#include <algorithm>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <vector>

#include "platform/held_keys.h"

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

} // namespace

namespace pl {

bool IsWaitingBox(const QWidget* window) {
    const std::vector<QPointer<QDialog>>& waiting = State().waiting;
    return std::any_of(waiting.begin(), waiting.end(),
                       [window](const QPointer<QDialog>& box) { return box && box == window; });
}

unsigned ModalBoxesShown() {
    return State().shown;
}

void CountScriptedBox() {
    ++State().shown;
}

int RunModal(QDialog& box) {
    KeepHeldKeysWithTheirWindow();
    ++State().shown;
    std::vector<QPointer<QDialog>>& waiting = State().waiting;
    waiting.emplace_back(&box);
    // The filter is removed when it goes out of scope.
    AttachWhenShown attach;
    box.installEventFilter(&attach);
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
