#pragma once

#include <QString>

namespace ortelia {

// Registers every window the program has, as the program starts them.
void registerProgramWindows();

// Starts the program's windows: the tray icon first, then the main window and, if named, one more.
void startProgramWindows(const QString &extraWindow);

// What a second start asks for: the main window back and, if named, one more; a name the program
// does not know is left out.
void showProgramWindow(const QString &extraWindow);

} // namespace ortelia
