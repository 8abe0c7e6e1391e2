#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace ortelia {

namespace {

constexpr int kConnectMs = 2000;
// A program that is still loading its windows reads its socket only once its event loop runs.
constexpr int kAnswerMs = 30000;
// A request is a window name; anything longer is not one.
constexpr qint64 kMaxRequest = 256;

} // namespace

SingleInstance::SingleInstance(QString socketPath, QObject *parent)
    : QObject(parent), m_socketPath(std::move(socketPath))
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::socketPathFor(const QString &programFolder)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    const QByteArray folder = QDir(programFolder).canonicalPath().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(16);
    return dir + QStringLiteral("/ortelia-") + QString::fromLatin1(hash) + QStringLiteral(".socket");
}

bool SingleInstance::handToRunning(const QString &request)
{
    // Two starts at once: the lock lets one of them check and listen before the other looks.
    QLockFile lock(m_socketPath + QStringLiteral(".lock"));
    lock.tryLock(kAnswerMs);

    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (socket.waitForConnected(kConnectMs)) {
        socket.write(request.toUtf8().left(kMaxRequest) + '\n');
        socket.waitForBytesWritten(kConnectMs);
        lock.unlock();
        // Answered or not, the request is in the running program's socket.
        socket.waitForReadyRead(kAnswerMs);
        return true;
    }

    // Nobody listens: whatever socket file is there was left by a run that ended.
    QLocalServer::removeServer(m_socketPath);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_socketPath)) {
        delete m_server;
        m_server = nullptr;
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::answer);
    return false;
}

void SingleInstance::answer()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto read = [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kMaxRequest)
                    socket->abort();
                return;
            }
            const QString request = QString::fromUtf8(socket->readLine(kMaxRequest + 1)).trimmed();
            socket->write("ok\n");
            socket->flush();
            socket->disconnectFromServer();
            emit requested(request);
        };
        connect(socket, &QLocalSocket::readyRead, this, read);
        if (socket->bytesAvailable() > 0)
            read();
    }
}

} // namespace ortelia
