#pragma once

#include "FileSave.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

namespace ortelia {

// The program's text files: read as Windows-1252, or as UTF-8 or UTF-16 (LE or BE) when they
// start with that encoding's byte-order mark, as an editor saves "Unicode" text; written as Windows-1252 with CR LF, or as UTF-8 with a byte-order mark when
// the text holds a character that Windows-1252 lacks.
namespace TextFile {

QString decode(const QByteArray &bytes);
// The text after a UTF-16 byte-order mark (FF FE: little endian, FE FF: big endian); nullopt when
// the bytes start with neither.
std::optional<QString> decodeUtf16(QByteArrayView bytes);
QString decodeWindows1252(QByteArrayView bytes);
// Decodes into out, which has room for bytes.size() characters.
void decodeWindows1252(QByteArrayView bytes, QChar *out);
// Text the user hands in (a file to translate, standard input): as decode, and also plain UTF-8
// without a byte-order mark when the bytes are valid UTF-8, as most texts on this platform are.
// Windows-1252 text with letters beyond ASCII is practically never valid UTF-8.
QString decodeUserText(const QByteArray &bytes);
QByteArray encode(const QString &text);
// True when every character of text has a Windows-1252 byte.
bool fitsWindows1252(const QString &text);

// The whole file as text; nullopt when it cannot be read.
std::optional<QString> read(const QString &path);
// The lines of a text, split at CR LF, a lone CR or a lone LF; the empty piece after a final line
// break is not a line.
QStringList splitLines(const QString &text);
// The lines of a file, split at CR LF, a lone CR or a lone LF; the empty piece after a final
// line break is not a line. nullopt when the file cannot be read.
std::optional<QStringList> readLines(const QString &path);

// Writes text as it stands, replacing the file atomically (saveFile).
SaveResult write(const QString &path, const QString &text);
// Writes each line followed by CR LF, replacing the file atomically (saveFile).
SaveResult writeLines(const QString &path, const QStringList &lines);
// Writes each line followed by CR LF into the file as it is (truncate, write, close), for
// request files that another reader may be watching; never through a link (writeInPlace).
bool writeLinesInPlace(const QString &path, const QStringList &lines);

} // namespace TextFile
} // namespace ortelia
