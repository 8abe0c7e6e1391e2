#pragma once

#include <QDir>
#include <QStringList>

#include <memory>
#include <span>

class QCoreApplication;

namespace ortelia {

// How a program runs one command of the catalogue (CommandCatalogue.h). startDir is where the
// user started the program (file arguments are relative to it).
struct Command {
    const char *name;
    // The exit status; kHandOn (CommandEnd.h) when the call is handOnTo's.
    int (*run)(const QStringList &args, const QDir &startDir);
    // True when this call needs what only the window program has (the sound card); nullptr
    // when it never does.
    bool (*needsWindowProgram)(const QStringList &args) = nullptr;
    // The program beside this one that takes a call run leaves to it.
    const char *handOnTo = nullptr;
};

const Command *findCommand(std::span<const Command> commands, const char *name);

// One call of a program, "argv[0] argv[1] args...". The command runs on a QCoreApplication in the
// program folder that lives as long as this object: a command program ends with _Exit right
// after run(), leaving it and what the command built (the speech engine, Qt's globals) to the
// system. Taking them down cost say --wav about a millisecond.
class CommandCall {
public:
    CommandCall(int argc, char **argv);
    ~CommandCall();

    // Runs argv[1] when it is one of commands, and hands every other call, arguments unchanged,
    // to the program that takes it (programFor; the window program for a call that needs it).
    int run(std::span<const Command> commands);
    // Runs command. Both return the exit status once the output is out and checked
    // (flushOutput, CommandEnd.h).
    int run(const Command &command);

private:
    int m_argc;
    char **m_argv;
    std::unique_ptr<QCoreApplication> m_app;
};

// Runs command for the call argv on an application object of its own, taken down on return.
int runCommand(const Command &command, int argc, char **argv);

} // namespace ortelia
