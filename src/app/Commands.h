#pragma once

#include <QDir>
#include <QStringList>

#include <span>

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

// The main of a command program: runs argv[1] when it is one of its commands, and hands every
// other call, arguments unchanged, to the program that takes it (programFor, the window program
// for a call that needs it). Returns the command's exit status once its output is out and
// checked; what the command built is still standing, for the program to end at once.
int runCommandProgram(int argc, char **argv, std::span<const Command> commands);
const Command *findCommand(std::span<const Command> commands, const char *name);
// Runs the command named by argv[1] on a QCoreApplication in the program folder: its exit
// status once its output is out and checked (flushOutput, CommandEnd.h).
int runCommand(const Command &command, int argc, char **argv);

} // namespace ortelia
