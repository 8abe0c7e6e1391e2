// One running program: a second start hands its request over the local socket, a socket file left
// by a crashed run is taken over, a request for an unknown window only brings the main window,
// another user can neither take our requests nor send us any, a stale lock holds no start up.
// Beside it the two texts a user meets first: "ortelia --help" and the desktop launcher.

#include "CommandCatalogue.h"
#include "DesktopEntry.h"
#include "Form3.h"
#include "HelpText.h"
#include "ProgramWindows.h"
#include "SingleInstance.h"
#include "TestServices.h"
#include "TestSupport.h"
#include "WindowRegistry.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <future>

using namespace ortelia;
using namespace ortelia::test;

namespace {

// What a second start would do, on its own thread while this one serves the first.
std::future<bool> secondStart(const QString &socketPath, const QString &request)
{
    return std::async(std::launch::async, [socketPath, request] {
        SingleInstance second(socketPath);
        return second.handToRunning(request);
    });
}

constexpr uid_t kNobody = 65534;

// A socket of this process bound to path; -1 when it cannot be made.
int boundSocket(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Calls step as the user "nobody": the kernel notes a socket's user when it listens or connects.
// False when the user cannot be changed or the step failed.
template <typename Step> bool asNobody(Step step)
{
    if (::seteuid(kNobody) != 0)
        return false;
    const bool done = step();
    return ::seteuid(0) == 0 && done;
}

std::optional<QByteArray> environment(const char *name)
{
    return qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
}

void setEnvironment(const char *name, const std::optional<QByteArray> &value)
{
    if (value)
        qputenv(name, *value);
    else
        qunsetenv(name);
}

bool closedByPeer(int fd)
{
    char byte;
    const ssize_t got = ::recv(fd, &byte, 1, MSG_DONTWAIT);
    return got == 0 || (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK);
}

// Serves the first start's socket until the second start is done.
bool waitFor(std::future<bool> &result)
{
    QDeadlineTimer deadline(10000);
    while (result.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(10);
    }
    return true;
}

} // namespace

class InstanceTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString socketPath() { return dir.filePath(QStringLiteral("ortelia.socket")); }

private slots:
    void secondStartReachesTheFirst()
    {
        SingleInstance first(socketPath());
        QVERIFY(!first.handToRunning(QString()));
        QSignalSpy requests(&first, &SingleInstance::requested);

        std::future<bool> handed = secondStart(socketPath(), QStringLiteral("supertrans1"));
        QVERIFY(waitFor(handed));
        QVERIFY(handed.get());
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests.first().first().toString(), QStringLiteral("supertrans1"));

        std::future<bool> plain = secondStart(socketPath(), QString());
        QVERIFY(waitFor(plain));
        QVERIFY(plain.get());
        QCOMPARE(requests.last().first().toString(), QString());
    }

    void oversizedRequestIsDropped()
    {
        SingleInstance first(socketPath());
        QVERIFY(!first.handToRunning(QString()));
        QSignalSpy requests(&first, &SingleInstance::requested);
        QLocalSocket talker;
        talker.connectToServer(socketPath());
        QVERIFY(talker.waitForConnected(2000));
        talker.write(QByteArray(100000, 'x'));
        QTRY_COMPARE(talker.state(), QLocalSocket::UnconnectedState);
        QCOMPARE(requests.size(), 0);
    }

    void socketOfACrashedRunIsTakenOver()
    {
        // A socket file nobody listens on, as a killed run leaves it.
        const QByteArray path = QFile::encodeName(socketPath());
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
        ::close(fd);
        QVERIFY(QFile::exists(socketPath()));

        SingleInstance first(socketPath());
        QVERIFY(!first.handToRunning(QString()));
        QSignalSpy requests(&first, &SingleInstance::requested);
        std::future<bool> handed = secondStart(socketPath(), QStringLiteral("up1"));
        QVERIFY(waitFor(handed));
        QVERIFY(handed.get());
        QCOMPARE(requests.size(), 1);
    }

    void socketPathDependsOnTheProgramFolder()
    {
        QTemporaryDir other;
        QVERIFY(SingleInstance::socketPathFor(dir.path()) != SingleInstance::socketPathFor(other.path()));
        QCOMPARE(SingleInstance::socketPathFor(dir.path()), SingleInstance::socketPathFor(dir.path() + "/."));
    }

    void socketOnlyInAFolderOfTheUsersOwn()
    {
        QTemporaryDir temp;
        const auto restore =
            qScopeGuard([runtime = environment("XDG_RUNTIME_DIR"), tmp = environment("TMPDIR")] {
                setEnvironment("XDG_RUNTIME_DIR", runtime);
                setEnvironment("TMPDIR", tmp);
            });
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        const QString own = temp.filePath(QStringLiteral("ortelia-%1").arg(::getuid()));
        const QString open = temp.filePath(QStringLiteral("runtime"));
        QVERIFY(QDir().mkdir(open));
        QCOMPARE(::chmod(QFile::encodeName(open).constData(), 0755), 0);

        // A runtime folder others may enter is passed over for a folder made for the socket.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(open));
        QCOMPARE(QFileInfo(SingleInstance::socketPathFor(dir.path())).path(), own);
        struct stat info {};
        QCOMPARE(::lstat(QFile::encodeName(own).constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, 0700u);

        // That folder as a link, or another user's: no socket at all.
        QVERIFY(QDir(own).removeRecursively());
        QVERIFY(QFile::link(dir.path(), own));
        QCOMPARE(SingleInstance::socketPathFor(dir.path()), QString());
        if (::getuid() == 0) {
            QVERIFY(QFile::remove(own));
            QCOMPARE(::mkdir(QFile::encodeName(own).constData(), 0700), 0);
            QCOMPARE(::chown(QFile::encodeName(own).constData(), kNobody, kNobody), 0);
            QCOMPARE(SingleInstance::socketPathFor(dir.path()), QString());
        }

        // A socket in an open folder: the start runs alone, without reaching a listener there or
        // listening itself.
        const QString exposed = open + QStringLiteral("/ortelia.socket");
        QLocalServer listener;
        QVERIFY(listener.listen(exposed));
        SingleInstance start(exposed);
        QVERIFY(!start.handToRunning(QStringLiteral("up1")));
        QVERIFY(!listener.waitForNewConnection(0));
        QVERIFY(listener.isListening());
        QVERIFY(!QFileInfo::exists(exposed + QStringLiteral(".lock")));
    }

    void anotherUsersProgramIsNeitherReachedNorHeard()
    {
        if (::getuid() != 0)
            QSKIP("Only root can act as another user here");
        // Their listener on our socket: this start runs alone and leaves it be.
        const int theirs = boundSocket(socketPath());
        QVERIFY(theirs >= 0);
        QVERIFY(asNobody([&] { return ::listen(theirs, 4) == 0; }));
        {
            SingleInstance start(socketPath());
            QVERIFY(!start.handToRunning(QStringLiteral("up1")));
        }
        QVERIFY(QFileInfo::exists(socketPath()));
        ::close(theirs);
        QVERIFY(QFile::remove(socketPath()));

        // Their request to our listener, through a folder and socket opened for them: cut unread.
        SingleInstance first(socketPath());
        QVERIFY(!first.handToRunning(QString()));
        QSignalSpy requests(&first, &SingleInstance::requested);
        const auto closeAgain =
            qScopeGuard([this] { ::chmod(QFile::encodeName(dir.path()).constData(), 0700); });
        QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0711), 0);
        QCOMPARE(::chmod(QFile::encodeName(socketPath()).constData(), 0777), 0);
        const QByteArray name = QFile::encodeName(socketPath());
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(asNobody(
            [&] { return ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0; }));
        QCOMPARE(::write(fd, "up1\n", 4), 4);
        QTRY_VERIFY_WITH_TIMEOUT(closedByPeer(fd), 10000);
        ::close(fd);
        QCOMPARE(requests.size(), 0);
    }

    void staleLockHoldsNoStartUp()
    {
        // A run killed while it made its lock leaves an empty lock file that names no owner.
        QFile lock(socketPath() + QStringLiteral(".lock"));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.close();
        QElapsedTimer clock;
        clock.start();
        SingleInstance first(socketPath());
        QVERIFY(!first.handToRunning(QString()));
        std::future<bool> handed = secondStart(socketPath(), QStringLiteral("up1"));
        QVERIFY(waitFor(handed));
        QVERIFY(handed.get());
        // Waiting for the lock to age would take 30 s.
        QVERIFY2(clock.elapsed() < 15000, qPrintable(QString::number(clock.elapsed())));
    }

    // The window program ended by SIGTERM or SIGINT takes its socket and lock file with it, and
    // the next start listens again and takes the start after it. A relative XDG_RUNTIME_DIR is
    // passed over for the temporary folder.
    void signalEndsTheProgramWithoutLeavingItsSocket()
    {
        TempProgramFolder folder;
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("runtime")));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("tmp")));
        QCOMPARE(::chmod(QFile::encodeName(dir.filePath(QStringLiteral("runtime"))).constData(), 0700), 0);
        const QDir socketFolder(dir.filePath(QStringLiteral("tmp/ortelia-%1").arg(::getuid())));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QStringLiteral("runtime"));
        environment.insert(QStringLiteral("TMPDIR"), dir.filePath(QStringLiteral("tmp")));
        environment.insert(QStringLiteral("HOME"), dir.path());
        environment.insert(QStringLiteral("ORTELIA_SPEECH_LOG"), dir.filePath(QStringLiteral("speech.log")));
        // An update the program may look for goes to this machine, where nobody answers.
        environment.insert(QStringLiteral("ORTELIA_UPDATE_SERVER"), QStringLiteral("http://127.0.0.1:9/"));
        const auto start = [&](QProcess &program, const QStringList &args) {
            program.setProcessEnvironment(environment);
            program.setWorkingDirectory(dir.path());
            program.start(folder.file(QStringLiteral("ortelia-windows")), args);
            return program.waitForStarted(20000);
        };
        const auto socketFiles = [&] {
            return socketFolder.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden);
        };
        for (const int signal : {SIGTERM, SIGINT}) {
            QProcess first;
            QVERIFY(start(first, {}));
            QTRY_VERIFY_WITH_TIMEOUT(socketFiles().filter(QStringLiteral(".socket")).size() == 2, 60000);
            QVERIFY(QDir(dir.filePath(QStringLiteral("runtime"))).isEmpty());

            // A second start hands its request to the first and ends.
            QProcess second;
            QVERIFY(start(second, {QStringLiteral("--window"), QStringLiteral("supertrans1")}));
            QVERIFY(second.waitForFinished(60000));
            QCOMPARE(second.exitCode(), 0);
            QCOMPARE(first.state(), QProcess::Running);

            QCOMPARE(::kill(pid_t(first.processId()), signal), 0);
            QVERIFY(first.waitForFinished(30000));
            QCOMPARE(first.exitStatus(), QProcess::NormalExit);
            QCOMPARE(socketFiles(), QStringList());
        }
    }

    void requestShowsTheMainWindowAndKnownWindowsOnly()
    {
        TempProgramFolder folder;
        RecordingResponder responder;
        TestServices program;
        registerProgramWindows(program.services);
        startProgramWindows(program.windows, QString());
        QWidget *main = program.windows.window(windows::Form3);
        main->hide();
        showProgramWindow(program.windows, QStringLiteral("Gibtsnicht"));
        QVERIFY(main->isVisible());
        showProgramWindow(program.windows, QStringLiteral("Logox4"));
        QVERIFY(program.windows.existing(windows::Logox4)->isVisible());
    }

    void helpListsEveryCommandAndOption()
    {
        const QString help = helpText();
        QVERIFY(help.startsWith(QLatin1String("Aufruf: ortelia")));
        for (const CommandEntry &command : kCommandCatalogue)
            QVERIFY2(help.contains(QLatin1String("ortelia ") + QLatin1String(command.usage)), command.name);
        QVERIFY(help.contains(QLatin1String("--window FENSTER")));
        QVERIFY(help.contains(QLatin1String("-h, --help")));

        QProcess program;
        program.start(QStringLiteral(ORTELIA_EXECUTABLE), {QStringLiteral("--help")});
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()), help);
    }

    void launcherIsInstalledValidAndRemoved()
    {
        QTemporaryDir home;
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
        const QString icon = home.filePath(QStringLiteral("icon.svg"));
        QFile iconFile(icon);
        QVERIFY(iconFile.open(QIODevice::WriteOnly));
        iconFile.write("<svg xmlns=\"http://www.w3.org/2000/svg\"/>");
        iconFile.close();

        const QString exe = QStringLiteral("/opt/my $dir/100%/ortelia");
        QCOMPARE(DesktopEntry::install(exe, icon), QString());
        QCOMPARE(DesktopEntry::launcherPath(), home.filePath(QStringLiteral("applications/ortelia.desktop")));
        QVERIFY(QFile::exists(DesktopEntry::iconPath()));
        QFile launcher(DesktopEntry::launcherPath());
        QVERIFY(launcher.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(launcher.readAll());
        QVERIFY(text.contains(QLatin1String("\nExec=\"/opt/my \\\\$dir/100%%/ortelia\"\n")));
        QVERIFY(text.contains(QLatin1String("\nActions=TextUeberA;supertrans1;Logox4;up1;\n")));
        QVERIFY(
            text.contains(QLatin1String("Exec=\"/opt/my \\\\$dir/100%%/ortelia\" --window supertrans1\n")));

        const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (validator.isEmpty())
            QWARN("desktop-file-validate is not installed");
        else {
            QProcess validate;
            validate.start(validator, {DesktopEntry::launcherPath()});
            QVERIFY(validate.waitForFinished(20000));
            const QByteArray said = validate.readAllStandardOutput();
            QVERIFY2(validate.exitCode() == 0 && !said.contains("error"), said.constData());
        }

        QVERIFY(DesktopEntry::uninstall());
        QVERIFY(!QFile::exists(DesktopEntry::launcherPath()));
        QVERIFY(!QFile::exists(DesktopEntry::iconPath()));
        QVERIFY(!DesktopEntry::uninstall());
        qunsetenv("XDG_DATA_HOME");
    }
};

QTEST_MAIN(InstanceTest)
#include "tst_instance.moc"
