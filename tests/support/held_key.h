// A key held a moment longer, as X delivers its repeats: marked, then as an unmarked release and press
// at the same moment.
#pragma once

#include <QApplication>
#include <QKeyEvent>

namespace testsupport {

inline void HoldKey(QWidget* into, Qt::Key key) {
    static quint64 moment = 1;
    QKeyEvent marked(QEvent::KeyPress, key, Qt::NoModifier, QString(), true), up(QEvent::KeyRelease, key, {}),
        down(QEvent::KeyPress, key, {});
    up.setTimestamp(++moment);
    down.setTimestamp(moment);
    for (QKeyEvent* event : {&marked, &up, &down})
        QApplication::sendEvent(into, event);
}

} // namespace testsupport
