#include "Commands.h"

#include "CommandCatalogue.h"
#include "CommandEnd.h"
#include "ProgramFolder.h"
#include "ProgramsBeside.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>

namespace ortelia {

namespace {

// The running command's own arguments, argv[0] included, for handCallTo.
char **g_commandArgv = nullptr;

// Hands the call, arguments unchanged, to program: the window program replaces this process; a
// command module is loaded by a fresh launcher, told which one.
int handTo(const char *program, char **argv)
{
    if (!commandModule(program))
        return replaceProcessBeside(argv[0], program, argv);
    setenv(kHandedModuleVariable, program, 1);
    return replaceProcessBeside(argv[0], kLauncherProgram, argv);
}

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

int runCommandProgram(int argc, char **argv, std::span<const Command> commands)
{
    const char *program = kWindowProgram;
    if (argc > 1) {
        const Command *command = findCommand(commands, argv[1]);
        if (command &&
            !(command->needsWindowProgram && command->needsWindowProgram(arguments(argc, argv, 2))))
            return runCommand(*command, argc, argv);
        const CommandEntry *entry = findCommandEntry(argv[1]);
        if (!command && entry)
            program = entry->program;
    }
    return handTo(program, argv);
}

int runCommand(const Command &command, int argc, char **argv)
{
    // Qt's own event dispatcher starts sooner than GLib's, and a command needs none of GLib's
    // sources; the variable is read only here, so that programs started later get GLib again.
    g_commandArgv = argv;
    holdClosedStandardDescriptors();
    qputenv("QT_NO_GLIB", "1");
    QCoreApplication app(argc, argv);
    qunsetenv("QT_NO_GLIB");
    // A command's page scripts run once and briefly: compiling them to machine code costs more
    // than it saves (about 2 % of a lookup, 8 % of translating 10,000 words).
    qputenv("QV4_FORCE_INTERPRETER", "1");
    QCoreApplication::setApplicationName(QStringLiteral("Ortelia"));
    const QDir startDir = QDir::current();
    ProgramFolder::setRoot(QCoreApplication::applicationDirPath());
    const int status = command.run(QCoreApplication::arguments().mid(2), startDir);
    // What a command printed and left in the buffer (install, publish-updates) must be out, too.
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        endOnOutputFailure();
    return status;
}

int handCallTo(const char *program, const QDir &startDir)
{
    // The other program reads file arguments relative to where it starts.
    QDir::setCurrent(startDir.path());
    return handTo(program, g_commandArgv);
}

} // namespace ortelia
