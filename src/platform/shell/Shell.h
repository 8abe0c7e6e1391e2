#pragma once

#include <QString>

namespace ortelia {

// Hands files and addresses to the desktop's own programs: the browser or file manager for a
// page or folder, the text editor for a text file, the mail program for an address. Never through
// a shell command line.
namespace Shell {

// Opens a page or folder with the desktop's handler. False when nothing could be started.
bool openDocument(const QString &path);
// Opens a text file in the desktop's text editor.
bool editTextFile(const QString &path);
// Opens a web address (http or https only) in the desktop's browser.
bool openAddress(const QString &address);
// Opens the mail program with a new message to the address.
bool openMail(const QString &address);

} // namespace Shell
} // namespace ortelia
