#pragma once

#include <QString>

namespace ortelia {

// The saved letter: one quoted line, a double quote, the letter with CR LF line breaks, a double
// quote, CR LF.
QString letterFileText(const QString &letter);
// Replaces the file atomically: a failed save leaves the old file as it was. False on failure.
bool saveLetter(const QString &path, const QString &letter);

} // namespace ortelia
