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
    // False for a command that shows no widget, not even off screen: it starts without the GUI
    // set-up, which would cost more than its work.
    bool usesWidgets = true;
};

// The commands the program understands besides starting its windows.
const Command *findCommand(const QString &name);
std::span<const Command> commands();

} // namespace ortelia
