#pragma once

#include <QString>

namespace ortelia::DocumentLink {

// Opens a page or file of the program with the desktop's handler. Where the desktop has none,
// the help line says so: a link that does nothing would leave the user guessing.
bool open(const QString &path);
// The same for a text file the user edits (the notes).
bool edit(const QString &path);

} // namespace ortelia::DocumentLink
