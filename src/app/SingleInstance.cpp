#include "SingleInstance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSocketNotifier>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ortelia {

namespace {

constexpr int kConnectMs = 2000;
// A program that is still loading its windows reads its socket only once its event loop runs.
constexpr int kAnswerMs = 30000;
// A request is a window name; anything longer is not one.
constexpr qint64 kMaxRequest = 256;

// A folder only this user can enter: a folder itself (not a link to one), owned by the user,
// closed to group and others. In anyone else's folder another user could listen in our place.
bool isPrivateFolder(const QString &path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

// The folder, made 0700 when missing; empty when it is not the user's own.
QString privateFolder(const QString &path)
{
    ::mkdir(QFile::encodeName(path).constData(), 0700);
    return isPrivateFolder(path) ? path : QString();
}

bool peerIsThisUser(qintptr socket)
{
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(int(socket), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::getuid();
}

// Two starts at once: the lock lets one of them check and listen before the other looks. The
// system drops the lock with the process that held it, so a lock file left by a run that was
// killed never holds a start up; only a living start is waited for.
// The last program to end removes the lock file while it holds the lock; a start that locked
// the file just removed opens the new one again.
class StartLock {
public:
    explicit StartLock(const QString &path) : m_path(QFile::encodeName(path))
    {
        const QDeadlineTimer deadline(kAnswerMs);
        while (!deadline.hasExpired()) {
            m_fd = ::open(m_path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
            if (m_fd < 0)
                return;
            while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK && !deadline.hasExpired())
                QThread::msleep(20);
            if (isTheFileAtPath())
                return;
            unlock();
        }
    }
    ~StartLock() { unlock(); }

    // Removes the lock file; the lock ends with unlock().
    void remove() const
    {
        if (m_fd >= 0 && isTheFileAtPath())
            ::unlink(m_path.constData());
    }
    StartLock(const StartLock &) = delete;
    StartLock &operator=(const StartLock &) = delete;

    void unlock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

private:
    bool isTheFileAtPath() const
    {
        struct stat held {}, named {};
        return ::fstat(m_fd, &held) == 0 && ::lstat(m_path.constData(), &named) == 0 &&
               held.st_dev == named.st_dev && held.st_ino == named.st_ino;
    }

    QByteArray m_path;
    int m_fd = -1;
};

int g_signalPipe[2] = {-1, -1};

void writeSignalToPipe(int signal)
{
    const char byte = char(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
}

} // namespace

SingleInstance::SingleInstance(QString socketPath, QObject *parent)
    : QObject(parent), m_socketPath(std::move(socketPath))
{
}

SingleInstance::~SingleInstance()
{
    if (!m_server)
        return;
    StartLock lock(m_socketPath + QStringLiteral(".lock"));
    // Closing removes the socket file.
    m_server->close();
    lock.remove();
}

QString SingleInstance::socketPathFor(const QString &programFolder)
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder) || !isPrivateFolder(folder))
        folder = privateFolder(QDir::tempPath() + QStringLiteral("/ortelia-") + QString::number(::getuid()));
    if (folder.isEmpty())
        return {};
    const QByteArray program = QDir(programFolder).canonicalPath().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(program, QCryptographicHash::Sha1).toHex().left(16);
    return folder + QStringLiteral("/ortelia-") + QString::fromLatin1(hash) + QStringLiteral(".socket");
}

bool SingleInstance::handToRunning(const QString &request)
{
    if (m_socketPath.isEmpty() || !isPrivateFolder(QFileInfo(m_socketPath).path()))
        return false;
    StartLock lock(m_socketPath + QStringLiteral(".lock"));

    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (socket.waitForConnected(kConnectMs)) {
        // Not ours to hand to, nor to replace.
        if (!peerIsThisUser(socket.socketDescriptor()))
            return false;
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
    quitOnSignals();
    return false;
}

void SingleInstance::quitOnSignals()
{
    if (g_signalPipe[0] >= 0 || ::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto *notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        while (::read(g_signalPipe[0], &byte, 1) > 0) {
        }
        m_endedBySignal = true;
        emit endingOnSignal();
        // Not quit(): that asks the windows first, and a nested event loop begun before they are
        // asked drops the request.
        QCoreApplication::exit(0);
    });
    struct sigaction action {};
    action.sa_handler = writeSignalToPipe;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

void SingleInstance::answer()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!peerIsThisUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
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
