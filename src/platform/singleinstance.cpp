#include "platform/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace Platform {

SingleInstance::SingleInstance(const QString &key, const QString &folder, QObject *parent)
    : QObject(parent)
{
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    m_name = u"mirelto-"_s + QString::fromLatin1(hash);
    QString lockFolder = folder;
    if (lockFolder.isEmpty())
        lockFolder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (lockFolder.isEmpty())
        lockFolder = QDir::tempPath();
    m_lockPath = lockFolder + u'/' + m_name + u".lock"_s;
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Outcome SingleInstance::claim(const QString &folder, Contact contact)
{
    QDir().mkpath(QFileInfo(m_lockPath).absolutePath());
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        if (m_lock->error() != QLockFile::LockFailedError) {
            m_error = u"Cannot create the lock file "_s + m_lockPath;
            return Outcome::Failed;
        }
        QLocalSocket socket;
        socket.connectToServer(m_name);
        if (socket.waitForConnected(2000)) {
            if (contact == Contact::AskFolder) {
                socket.write("folder\n");
                socket.waitForBytesWritten(2000);
                while (!socket.canReadLine() && socket.waitForReadyRead(2000)) { }
                if (socket.canReadLine())
                    m_runningFolder = QString::fromUtf8(socket.readLine(64 * 1024).trimmed());
            } else {
                socket.write("raise " + folder.toUtf8() + '\n');
                socket.waitForBytesWritten(2000);
            }
            socket.disconnectFromServer();
        }
        return Outcome::OtherRunning;
    }
    // A server left behind by a copy that crashed would block listen().
    QLocalServer::removeServer(m_name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            // One line: "raise", a space and the later copy's folder; or "folder", answered with
            // this copy's folder.
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine())
                    return;
                const QByteArray line = socket->readLine(64 * 1024).trimmed();
                if (line == "folder") {
                    socket->write(m_folder.toUtf8() + '\n');
                    socket->flush();
                    return;
                }
                const QString named = QString::fromUtf8(line.startsWith("raise ") ? line.mid(6) : QByteArray());
                // Told from the event loop, not from within the socket's signal: what the window
                // shows then may run an event loop of its own, in which the socket goes away.
                QMetaObject::invokeMethod(this, [this, named] { Q_EMIT raiseRequested(named); }, Qt::QueuedConnection);
            });
        }
    });
    if (!m_server->listen(m_name))
        m_error = m_server->errorString();
    return Outcome::First;
}

} // namespace Platform
