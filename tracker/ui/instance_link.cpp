#include "tracker/ui/instance_link.h"

#include "tracker/core/tracker.h"
#include "tracker/ui/editor_window.h"
#include "tracker/ui/main_window.h"
#include "tracker/ui/window_set.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace qm {

namespace {

constexpr QByteArrayView kShowRequest = "show\n";
// A request is one line; anything longer is no request of ours.
constexpr qint64 kMaxRequestBytes = 64 * 1024;
// A change writes the day file before its answer: time enough for a slow disk.
constexpr int kAnswerMs = 10000;
constexpr int kWaitMs = 1000;
// A client that has not sent its whole request by then is dropped: it holds a descriptor.
constexpr int kRequestMs = 5000;

// The user's runtime folder ($XDG_RUNTIME_DIR, or a folder of the user's own made in its
// place), used only when it is a real folder of this user that nobody else may enter: a shared
// folder would let another user take the name first.
QString privateFolder()
{
    const QString path = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (path.isEmpty())
        return {};
#ifndef Q_OS_WIN
    struct stat status;
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISDIR(status.st_mode)
        || status.st_uid != ::getuid() || (status.st_mode & 0777) != 0700)
        return {};
#endif
    return path;
}

void raiseWindow(QWidget *window)
{
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    window->activateWindow();
}

} // namespace

QString instanceName(const QString &programFolder)
{
    const QFileInfo folder(programFolder);
    const QString canonical = folder.canonicalFilePath().isEmpty() ? folder.absoluteFilePath()
                                                                   : folder.canonicalFilePath();
    const QByteArray hash
        = QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1).toHex();
    const QString folderName = privateFolder();
    if (folderName.isEmpty())
        return {};
    return QDir(folderName).filePath(QStringLiteral("Quillmere-") + QString::fromLatin1(hash));
}

bool askRunningInstanceToShow(const QString &programFolder)
{
    const QString name = instanceName(programFolder);
    if (name.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kWaitMs))
        return false;
    socket.write(kShowRequest.data(), kShowRequest.size());
    const bool sent = socket.waitForBytesWritten(kWaitMs);
    socket.disconnectFromServer();
    return sent;
}

std::optional<RemoteAnswer> askRunningInstance(
    const QString &programFolder, const QJsonObject &request)
{
    const QString name = instanceName(programFolder);
    if (name.isEmpty())
        return std::nullopt;
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kWaitMs))
        return std::nullopt;
    socket.write(QJsonDocument(request).toJson(QJsonDocument::Compact) + '\n');
    if (!socket.waitForBytesWritten(kWaitMs))
        return std::nullopt;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(kAnswerMs))
            return std::nullopt;
    }
    return RemoteAnswer::fromLine(socket.readLine());
}

InstanceLink::InstanceLink(
    Tracker &tracker, WindowSet &windows, const Clock &clock, QObject *parent)
    : QObject(parent)
    , m_tracker(tracker)
    , m_windows(windows)
    , m_commands(tracker, windows, clock)
    , m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &InstanceLink::takeConnection);
}

bool InstanceLink::listen(const QString &programFolder)
{
    const QString name = instanceName(programFolder);
    if (name.isEmpty())
        return false;
    // A program that answers keeps its name. Otherwise the name is free or what a crash left
    // behind: the folder's lock is ours, so no program of this folder runs. The probe comes
    // first, as listening with access options puts its socket over any file of that name.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(kWaitMs / 4))
        return false;
    QLocalServer::removeServer(name);
    return m_server->listen(name);
}

void InstanceLink::takeConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(kRequestMs, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        const auto read = [this, socket] {
            // The second start's request has no JSON: "show" alone.
            if (socket->bytesAvailable() >= kShowRequest.size()
                && socket->peek(kShowRequest.size()) == kShowRequest) {
                socket->read(kShowRequest.size());
                socket->disconnectFromServer();
                // Later, from the event loop: showing the window may ask a question, and the
                // socket's own handling ends first.
                QTimer::singleShot(0, this, &InstanceLink::bringForward);
                return;
            }
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kMaxRequestBytes)
                    socket->abort();
                return;
            }
            const QByteArray line = socket->readLine(kMaxRequestBytes + 1);
            if (!line.endsWith('\n')) {
                socket->abort();
                return;
            }
            const QJsonObject request = QJsonDocument::fromJson(line).object();
            if (request.value(remote::kCommand).toString() == remote::kChangeDialog) {
                const bool busy = QApplication::activeModalWidget() || m_tracker.hasEnded();
                socket->write(
                    RemoteAnswer { busy ? RemoteAnswer::Busy : RemoteAnswer::Done, {} }.toLine());
                socket->disconnectFromServer();
                if (!busy)
                    QTimer::singleShot(0, m_windows.mainWindow(), &MainWindow::changeActivity);
                return;
            }
            socket->write(m_commands.answer(request).toLine());
            socket->disconnectFromServer();
        };
        connect(socket, &QLocalSocket::readyRead, this, read);
        read();
    }
}

void InstanceLink::bringForward()
{
    if (m_tracker.hasEnded())
        return;
    // A question waits for its answer: it comes to the front, and the main window waits too.
    if (QWidget *modal = QApplication::activeModalWidget()) {
        raiseWindow(modal);
        return;
    }
    if (!m_tracker.showMainWindow() && !m_tracker.hasEnded() && m_windows.editor()->isVisible())
        raiseWindow(m_windows.editor());
}

} // namespace qm
