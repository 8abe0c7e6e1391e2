#pragma once

#include <QDir>
#include <QStringList>

#include <span>

namespace ortelia {

// A command-line command: "ortelia <name> args...". Runs without a window; startDir is where
// the user started the program (file arguments are relative to it).
struct Command {
    const char *name;
    const char *usage;
    // One line for the help, in German.
    const char *summary;
    int (*run)(const QStringList &args, const QDir &startDir);
    // True when this call needs what only the window program has (the sound card); nullptr
    // when it never does.
    bool (*needsWindowProgram)(const QStringList &args) = nullptr;
};

// The commands the program understands besides starting its windows. "ortelia-commands" runs
// them on QtCore alone and hands everything else to the window program.
const Command *findCommand(const QString &name);
std::span<const Command> commands();
// True for the arguments of a command that "ortelia-commands" runs itself.
bool runsWithoutWindowProgram(int argc, char **argv);
// Runs the command named by argv[1] on a QCoreApplication in the program folder.
int runCommand(const Command &command, int argc, char **argv);

} // namespace ortelia
