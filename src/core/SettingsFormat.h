#pragma once

#include <QString>

#include <optional>

namespace ortelia {

// The two ways the program writes one value per line, and the readers that accept every way
// a line may have been written (as is, a printed number with blanks, quoted).
namespace SettingsFormat {

// The print write: text unchanged; a number with a blank in place of a positive sign and one after.
QString printText(const QString &text);
QString printNumber(int value);
// The quoting write: the text between two double quotes.
QString quoted(const QString &text);
// "True" / "False".
QString truthText(bool value);

// The line with every double quote removed.
QString unquoted(const QString &line);
// The integer on a line, blanks and quotes ignored; nullopt when the line holds no number.
std::optional<int> readNumber(const QString &line);
// A truth value ("True"/"False" in any case, or a number: non-zero is true); nullopt otherwise.
std::optional<bool> readTruth(const QString &line);

} // namespace SettingsFormat
} // namespace ortelia
