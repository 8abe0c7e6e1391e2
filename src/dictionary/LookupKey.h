#pragma once

#include <QString>
#include <QStringView>

namespace ortelia::LookupKey {

// What every lookup of the program does to a word first: the invisible characters that editors and
// web pages leave glued to words (bidi controls, zero-width characters, the byte-order mark) are
// dropped, and the text is composed (NFC), so that "a" with a combining diaeresis, as macOS writes
// it, is the "ä" the dictionaries hold.
QString cleaned(const QString &text);

// Whether c is a mark that may stand at a word's edge without being part of it: the marks of
// sentences, quotes, brackets, the ellipsis and dashes.
bool isEdgeMark(QChar c);

// The word without the marks at its edges ("sagt:" sagt, "(Haus)" Haus); empty for marks alone.
QStringView core(QStringView word);

} // namespace ortelia::LookupKey
