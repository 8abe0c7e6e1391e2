#pragma once

#include <QDir>
#include <QStringList>

#include <span>

namespace ortelia {

// How a program runs one command of the catalogue (CommandCatalogue.h). startDir is where the
// user started the program (file arguments are relative to it).
struct Command {
    const char *name;
    int (*run)(const QStringList &args, const QDir &startDir);
    // True when this call needs what only the window program has (the sound card); nullptr
    // when it never does.
    bool (*needsWindowProgram)(const QStringList &args) = nullptr;
};

// The entry of a command module: runs argv[1] when it is one of its commands, hands a command
// of another module to that one and everything else, arguments unchanged, to the window program.
int runCommandProgram(int argc, char **argv, std::span<const Command> commands);
const Command *findCommand(std::span<const Command> commands, const char *name);
// Runs the command named by argv[1] on a QCoreApplication in the program folder.
int runCommand(const Command &command, int argc, char **argv);
// Replaces the process of the running command by one running the program (or module) of that
// name beside it, with the same arguments, started in startDir (the command's own): for a call
// the command leaves to another program. Returns only when that fails (127, with the reason on
// standard error).
int handCallTo(const char *program, const QDir &startDir);

} // namespace ortelia
