// Drives a real modal widget from a test: arm whenModal before the blocking call; when a visible
// modal widget of type T is active the action runs once inside its event loop. If none comes within
// the timeout every modal widget is rejected, so the test fails instead of hanging. Nested dialogs:
// arm another whenModal inside the action.
#pragma once

#include <functional>
#include <memory>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

namespace pl {

struct ModalWatch {
    bool Fired = false;
    bool TimedOut = false;
};

inline constexpr const char* kModalWatchName = "pl::whenModal";

template <class T>
std::shared_ptr<ModalWatch> whenModal(std::function<void(T*)> action, int timeoutMs = 2000) {
    auto watch = std::make_shared<ModalWatch>();
    auto* timer = new QTimer(qApp);
    timer->setObjectName(kModalWatchName);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [=]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (T* target = dynamic_cast<T*>(modal); target && target->isVisible()) {
            timer->stop();
            timer->deleteLater();
            watch->Fired = true;
            action(target);
            return;
        }
        if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            watch->TimedOut = true;
            while (QWidget* open = QApplication::activeModalWidget()) {
                if (auto* dialog = qobject_cast<QDialog*>(open))
                    dialog->reject();
                else
                    open->close();
                if (QApplication::activeModalWidget() == open) open->hide();
            }
        }
    });
    timer->start();
    return watch;
}

// Stops every watch still waiting: one armed by an earlier test whose modal never came would
// otherwise take, or reject, the next test's modal.
inline void cancelModalWatches() {
    for (QTimer* timer : qApp->findChildren<QTimer*>(kModalWatchName, Qt::FindDirectChildrenOnly)) {
        timer->stop();
        timer->deleteLater();
    }
}

} // namespace pl
