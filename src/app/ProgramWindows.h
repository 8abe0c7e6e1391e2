#pragma once

#include <QString>

namespace ortelia {

class WindowRegistry;
struct WindowServices;

// Registers every window the program has, each built with the program's services, and connects
// the requests windows make of each other to the windows that answer them.
void registerProgramWindows(WindowServices &services);

// Starts the program's windows: the tray icon first, then the main window and, if named, one more.
void startProgramWindows(WindowRegistry &registry, const QString &extraWindow);

// What a second start asks for: the main window back and, if named, one more; a name the program
// does not know is left out.
void showProgramWindow(WindowRegistry &registry, const QString &extraWindow);

} // namespace ortelia
