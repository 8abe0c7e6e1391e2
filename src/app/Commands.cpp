#include "Commands.h"

#include "CommandCatalogue.h"
#include "CommandEnd.h"
#include "ProgramFolder.h"
#include "ProgramsBeside.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <fcntl.h>

namespace ortelia {

namespace {

// A standard descriptor the caller closed would be taken by the next file the command opens,
// and its output would go into that file. /dev/null, open for reading only, holds its place:
// input from it ends at once and output to it fails, which the command reports.
void holdClosedStandardDescriptors()
{
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF)
            open("/dev/null", O_RDONLY); // the lowest free descriptor: this one
    }
}

QStringList arguments(int argc, char **argv, int from)
{
    QStringList args;
    for (int i = from; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

} // namespace

const Command *findCommand(std::span<const Command> commands, const char *name)
{
    for (const Command &command : commands) {
        if (std::strcmp(name, command.name) == 0)
            return &command;
    }
    return nullptr;
}

CommandCall::CommandCall(int argc, char **argv) : m_argc(argc), m_argv(argv)
{
}

CommandCall::~CommandCall() = default;

int CommandCall::run(std::span<const Command> commands)
{
    const Command *command = m_argc > 1 ? findCommand(commands, m_argv[1]) : nullptr;
    if (!command)
        return replaceProcessBeside(m_argv[0], programFor(m_argc, m_argv), m_argv);
    if (command->needsWindowProgram && command->needsWindowProgram(arguments(m_argc, m_argv, 2)))
        return replaceProcessBeside(m_argv[0], kWindowProgram, m_argv);
    return run(*command);
}

int CommandCall::run(const Command &command)
{
    holdClosedStandardDescriptors();
    // Qt's own event dispatcher starts sooner than GLib's, and a command needs none of GLib's
    // sources; the variable is read only here, so that programs started later get GLib again.
    qputenv("QT_NO_GLIB", "1");
    m_app = std::make_unique<QCoreApplication>(m_argc, m_argv);
    qunsetenv("QT_NO_GLIB");
    // A command's page scripts run once and briefly: compiling them to machine code costs more
    // than it saves (about 2 % of a lookup, 8 % of translating 10,000 words).
    qputenv("QV4_FORCE_INTERPRETER", "1");
    QCoreApplication::setApplicationName(QStringLiteral("Ortelia"));
    const QDir startDir = QDir::current();
    ProgramFolder::setRoot(QCoreApplication::applicationDirPath());
    const int status = command.run(QCoreApplication::arguments().mid(2), startDir);
    if (status == kHandOn && command.handOnTo) {
        // The other program reads file arguments relative to where it starts.
        QDir::setCurrent(startDir.path());
        return replaceProcessBeside(m_argv[0], command.handOnTo, m_argv);
    }
    return flushOutput(status);
}

int runCommand(const Command &command, int argc, char **argv)
{
    return CommandCall(argc, argv).run(command);
}

} // namespace ortelia
