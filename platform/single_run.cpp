#include "platform/single_run.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMainWindow>
#include <QStringList>
#include <QThread>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "platform/application.h"
#include "platform/frame_window.h"
#include "platform/test_script.h"

namespace pl {

namespace {

constexpr const char* kLockName = "~run.lock";
// A copy that has not answered whole within this time, from the first try to the end of its answer,
// is busy or stuck: the start says what it knows without. Long enough for a copy on a machine busy
// with other work, which can take seconds to be scheduled at all.
constexpr int kAnswerWaitMs = 10000;
// Between two tries at a folder whose copy has not started to listen yet, or has just ended.
constexpr unsigned long kRetryPauseMs = 50;
// What a running copy says is read as untrusted: this much at most, each part cut to a line.
constexpr qsizetype kMostRead = 4096;
constexpr qsizetype kMostPart = 200;

// True while `descriptor` is the file that `path` names.
bool StillNamed(int descriptor, const std::string& path) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(descriptor, &opened) == 0 && ::stat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

// The name of the socket a running copy listens on, which every start from the folder finds
// whoever runs it: whose folder it is and which, so no two folders share one. In the system's
// abstract namespace it leaves no file behind, however the copy ends, and only one copy at a time
// can hold it: it keeps copies on this computer apart where the lock file went or could not be made.
QString ServerName(const std::string& folder) {
    struct stat identity {};
    if (::stat(folder.c_str(), &identity) != 0)
        return QStringLiteral("trevalyn-run-%1").arg(qHash(QString::fromStdString(folder)));
    return QStringLiteral("trevalyn-run-%1-%2-%3")
        .arg(identity.st_uid)
        .arg(static_cast<qulonglong>(identity.st_dev))
        .arg(static_cast<qulonglong>(identity.st_ino));
}

// The folder's lock: held (its descriptor), held by another copy, or not to be had (why).
struct Lock {
    int descriptor = -1;
    bool busy = false;
    int error = 0;
};

Lock TakeLock(const std::string& path) {
    // A copy that ends removes its lock file: a start that locked the file just as it went takes a
    // fresh one.
    for (int attempt = 0; attempt < 10; ++attempt) {
        int descriptor = ::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
        if (descriptor < 0) {
            // A folder that cannot be written may still hold the file from before.
            const int error = errno;
            descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
            if (descriptor < 0) return {.error = error};
        }
        if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(descriptor);
            return error == EWOULDBLOCK ? Lock{.busy = true} : Lock{.error = error};
        }
        if (StillNamed(descriptor, path)) return {.descriptor = descriptor};
        ::close(descriptor);
    }
    return {.error = EAGAIN};
}

// Listens on the folder's name; false when another copy on this computer holds it.
bool Listen(QLocalServer& server, const QString& name) {
    server.setSocketOptions(QLocalServer::AbstractNamespaceOption);
    if (server.listen(name)) return true;
    if (server.serverError() != QAbstractSocket::AddressInUseError) return true; // runs, unasked
    // Where the system keeps such names as files, one a copy killed left answers no one.
    QLocalSocket socket;
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket.connectToServer(name);
    if (socket.waitForConnected(0)) return false;
    return QLocalServer::removeServer(name) && server.listen(name);
}

std::string Display() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"})
        if (const char* display = std::getenv(name); display && *display) return display;
    return {};
}

// One part of an answer as a line of printable text, with no marks that turn or hide what follows.
QString Part(QString text) {
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format) c = u' ';
    return text.left(kMostPart);
}

// The main window, and a box it waits on, come to the front; a minimised window shows again.
void BringToFront() {
    TApplication* application = TApplication::Current();
    TFrameWindow* frame = application ? application->GetMainWindow() : nullptr;
    if (QMainWindow* window = frame ? frame->MainWidget() : nullptr) {
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->raise();
        window->activateWindow();
    }
    if (QWidget* box = QApplication::activeModalWidget()) {
        box->raise();
        box->activateWindow();
    }
}

QString Answer(const std::function<std::string()>& describe) {
    TApplication* application = TApplication::Current();
    TFrameWindow* frame = application ? application->GetMainWindow() : nullptr;
    const QMainWindow* window = frame ? frame->MainWidget() : nullptr;
    const QStringList parts{Part(QString::fromStdString(describe ? describe() : std::string())),
                            Part(window ? window->windowTitle() : QString()),
                            Part(QString::fromStdString(Display()))};
    return parts.join(u'\n');
}

OtherRun Ask(const QString& name, const QDeadlineTimer& deadline) {
    OtherRun other;
    QLocalSocket socket;
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket.connectToServer(name);
    if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) return other;
    pl::TestLog("Waiting for the copy running from the folder to answer");
    QByteArray said;
    while (said.size() < kMostRead && (socket.bytesAvailable() > 0 ||
                                       socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))))
        said += socket.read(kMostRead - said.size());
    const QStringList parts = QString::fromUtf8(said).split(u'\n');
    if (parts.size() != 3) return other;
    other.answered = true;
    other.said = Part(parts[0]).toStdString();
    other.title = Part(parts[1]).toStdString();
    other.display = Part(parts[2]).toStdString();
    return other;
}

} // namespace

struct OneRunPerFolder::Held {
    Held(int descriptor, std::string path) : descriptor(descriptor), path(std::move(path)) {}
    ~Held() {
        server.close();
        if (descriptor < 0) return;
        if (StillNamed(descriptor, path)) ::unlink(path.c_str());
        ::close(descriptor);
    }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;

    int descriptor;
    std::string path;
    QLocalServer server;
    std::function<std::string()> describe;
};

OneRunPerFolder::OneRunPerFolder(const std::string& folder) {
    const std::string path = folder + kLockName;
    const QString name = ServerName(folder);
    const QDeadlineTimer deadline(kAnswerWaitMs);
    // The answer that does not come may be that of a copy that ended meanwhile: the folder is tried
    // again before a start gives up, and once more after the wait.
    for (bool last = false;; last = deadline.hasExpired()) {
        const Lock lock = TakeLock(path);
        if (!lock.busy) {
            auto held = std::make_unique<Held>(lock.descriptor, path);
            if (Listen(held->server, name)) {
                held_ = std::move(held);
                if (lock.error != 0) unlocked_ = std::strerror(lock.error);
                break;
            }
            // A copy runs here that the lock did not tell of: its lock file went, or none could be made.
        }
        OtherRun asked = last ? OtherRun{} : Ask(name, deadline);
        if (asked.answered || last) {
            other_ = std::make_unique<OtherRun>(std::move(asked));
            return;
        }
        if (!deadline.hasExpired()) QThread::msleep(kRetryPauseMs);
    }
    QObject::connect(&held_->server, &QLocalServer::newConnection, [held = held_.get()] {
        while (QLocalSocket* later = held->server.nextPendingConnection()) {
            QObject::connect(later, &QLocalSocket::disconnected, later, &QObject::deleteLater);
            later->write(Answer(held->describe).toUtf8());
            later->disconnectFromServer();
            BringToFront();
        }
    });
}

OneRunPerFolder::~OneRunPerFolder() = default;

void OneRunPerFolder::AnswerLaterStarts(std::function<std::string()> describe) {
    if (held_) held_->describe = std::move(describe);
}

} // namespace pl
