#pragma once

#include <QString>

namespace ortelia {

// The fixed lines of every dictionary file, shared by the program and the build-time importer.

// A dictionary's separator line: eight backslashes.
inline QString dictionarySeparator() { return QString(8, QLatin1Char('\\')); }

// The header line of every dictionary.
inline QString dictionaryHeaderLine() { return QStringLiteral("oberestextfeld;unterestextfeld;zusatztextfeld"); }

// Largest number of CR LF pieces one section may have (a 16-bit signed counter).
inline constexpr int kMaxSectionPieces = 32768;

} // namespace ortelia
