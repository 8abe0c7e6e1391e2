#pragma once

#include <QString>

namespace ortelia {

// The fixed lines of every dictionary file, shared by the program and the build-time importer.

// A dictionary's separator line: eight backslashes.
inline QString dictionarySeparator()
{
    return QString(8, QLatin1Char('\\'));
}

// The columns of every dictionary: the German word, its translation, a note.
inline QString germanColumn()
{
    return QStringLiteral("oberestextfeld");
}
inline QString foreignColumn()
{
    return QStringLiteral("unterestextfeld");
}
inline QString noteColumn()
{
    return QStringLiteral("zusatztextfeld");
}

// The header line of every dictionary.
inline QString dictionaryHeaderLine()
{
    return germanColumn() + QLatin1Char(';') + foreignColumn() + QLatin1Char(';') + noteColumn();
}

// The supplementary file of a dictionary, beside it ("DeEn-Zusatz.tab" of "DeEn.txt"): the header
// line and the entries past the list translator's ceiling, which the lookup consults where the
// dictionary has no entry. No "*.txt": the windows that list dictionaries do not offer it.
inline QString supplementName(const QString &dictionaryName)
{
    const qsizetype dot = dictionaryName.lastIndexOf(QLatin1Char('.'));
    return (dot > 0 ? dictionaryName.left(dot) : dictionaryName) + QStringLiteral("-Zusatz.tab");
}

// The parts of speech of a dictionary's keys, beside it ("DeEn-Wortarten.tab" of "DeEn.txt"): one
// "key;verb;noun" a line for keys whose first translation as a verb and as a noun differ, for the
// text translator's choice between them.
inline QString wordClassesName(const QString &dictionaryName)
{
    const qsizetype dot = dictionaryName.lastIndexOf(QLatin1Char('.'));
    return (dot > 0 ? dictionaryName.left(dot) : dictionaryName) + QStringLiteral("-Wortarten.tab");
}

// The German key that answers a foreign word, beside the dictionary ("DeEn-Gegenrichtung.tab" of
// "DeEn.txt"), for the words whose first record in the file is not the everyday German word for them:
// one "foreign word;key" a line, sorted as a form table.
inline QString foreignOwnersName(const QString &dictionaryName)
{
    const qsizetype dot = dictionaryName.lastIndexOf(QLatin1Char('.'));
    return (dot > 0 ? dictionaryName.left(dot) : dictionaryName) + QStringLiteral("-Gegenrichtung.tab");
}

// Largest number of pieces one section may have when split at its line breaks (a 16-bit signed
// counter).
inline constexpr int kMaxSectionPieces = 32768;

// Largest dictionary file any reader takes (the list translator, the lookup pages, their data
// files): a larger file is refused before it is read.
inline constexpr qint64 kMaxDictionaryBytes = 64 * 1024 * 1024;

} // namespace ortelia
