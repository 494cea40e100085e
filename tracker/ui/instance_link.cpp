#include "tracker/ui/instance_link.h"

#include "tracker/core/tracker.h"
#include "tracker/ui/frm_edit.h"
#include "tracker/ui/window_set.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QWidget>

namespace qm {

namespace {

constexpr QByteArrayView kShowRequest = "show\n";
constexpr int kWaitMs = 1000;

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
    return QStringLiteral("Quillmere-") + QString::fromLatin1(hash);
}

bool askRunningInstanceToShow(const QString &programFolder)
{
    QLocalSocket socket;
    socket.connectToServer(instanceName(programFolder));
    if (!socket.waitForConnected(kWaitMs))
        return false;
    socket.write(kShowRequest.data(), kShowRequest.size());
    const bool sent = socket.waitForBytesWritten(kWaitMs);
    socket.disconnectFromServer();
    return sent;
}

InstanceLink::InstanceLink(Tracker &tracker, WindowSet &windows, QObject *parent)
    : QObject(parent)
    , m_tracker(tracker)
    , m_windows(windows)
    , m_server(new QLocalServer(this))
{
    connect(m_server, &QLocalServer::newConnection, this, &InstanceLink::takeConnection);
}

bool InstanceLink::listen(const QString &programFolder)
{
    const QString name = instanceName(programFolder);
    if (m_server->listen(name))
        return true;
    // A program that answers keeps its name. Otherwise the name is what a crash left behind:
    // the folder's lock is ours, so no program of this folder runs.
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
        const auto read = [this, socket] {
            if (socket->bytesAvailable() < kShowRequest.size())
                return;
            const bool request = socket->read(kShowRequest.size()) == kShowRequest;
            socket->disconnectFromServer();
            // Later, from the event loop: showing the window may ask a question, and the
            // socket's own handling ends first.
            if (request)
                QTimer::singleShot(0, this, &InstanceLink::bringForward);
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
