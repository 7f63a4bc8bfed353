#include "platform/single_run.h"

#include <QApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMainWindow>
#include <QStringList>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "platform/application.h"
#include "platform/frame_window.h"

namespace pl {

namespace {

constexpr const char* kLockName = "~run.lock";
// A copy that does not answer within this time is busy or stuck: the start says what it knows without.
constexpr int kAnswerWaitMs = 10000;
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

// The name of the socket the running copy listens on, which a later start finds from the lock file
// they both see, whoever runs them: whose file it is and which. In the system's abstract namespace
// it leaves no file behind, however the copy ends.
QString ServerName(int descriptor) {
    struct stat lock {};
    ::fstat(descriptor, &lock);
    return QStringLiteral("trevalyn-run-%1-%2-%3")
        .arg(lock.st_uid)
        .arg(static_cast<qulonglong>(lock.st_dev))
        .arg(static_cast<qulonglong>(lock.st_ino));
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

OtherRun Ask(int descriptor) {
    OtherRun other;
    QLocalSocket socket;
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket.connectToServer(ServerName(descriptor));
    if (!socket.waitForConnected(kAnswerWaitMs)) return other;
    QByteArray said;
    while (said.size() < kMostRead && (socket.bytesAvailable() > 0 || socket.waitForReadyRead(kAnswerWaitMs)))
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
    int descriptor;
    std::string path;
    QLocalServer server;
    std::function<std::string()> describe;
};

OneRunPerFolder::OneRunPerFolder(const std::string& folder) {
    const std::string path = folder + kLockName;
    // A copy that ends removes its lock file: a start that locked the file just as it went takes a
    // fresh one.
    for (int attempt = 0; attempt < 10; ++attempt) {
        const int descriptor = ::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
        if (descriptor < 0) return;
        if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
            if (errno == EWOULDBLOCK) other_ = std::make_unique<OtherRun>(Ask(descriptor));
            ::close(descriptor);
            return;
        }
        if (StillNamed(descriptor, path)) {
            held_ = std::make_unique<Held>(descriptor, path);
            break;
        }
        ::close(descriptor);
    }
    if (!held_) return;
    QLocalServer& server = held_->server;
    server.setSocketOptions(QLocalServer::AbstractNamespaceOption);
    const QString name = ServerName(held_->descriptor);
    // Where the system keeps such names as files, one a copy killed left is no one's: the lock says so.
    if (!server.listen(name) && QLocalServer::removeServer(name)) static_cast<void>(server.listen(name));
    QObject::connect(&server, &QLocalServer::newConnection, [held = held_.get()] {
        while (QLocalSocket* later = held->server.nextPendingConnection()) {
            QObject::connect(later, &QLocalSocket::disconnected, later, &QObject::deleteLater);
            later->write(Answer(held->describe).toUtf8());
            later->disconnectFromServer();
            BringToFront();
        }
    });
}

OneRunPerFolder::~OneRunPerFolder() {
    if (!held_) return;
    held_->server.close();
    if (StillNamed(held_->descriptor, held_->path)) ::unlink(held_->path.c_str());
    ::close(held_->descriptor);
}

void OneRunPerFolder::AnswerLaterStarts(std::function<std::string()> describe) {
    if (held_) held_->describe = std::move(describe);
}

} // namespace pl
