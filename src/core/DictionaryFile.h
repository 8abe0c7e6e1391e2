#pragma once

#include "DictionaryFormat.h"
#include "EncodedText.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace ortelia {

// Why a dictionary was not loaded: the file could not be read, is no regular file (a FIFO, a
// device, a folder, also behind a link), is larger than kMaxDictionaryBytes, holds control bytes
// (no text), lacks a section, has a section too large for the counter, or a line longer than
// kMaxDictionaryLineBytes.
enum class DictionaryFailure {
    Unreadable,
    NotRegular,
    TooLarge,
    NotText,
    MissingSection,
    SectionTooLarge,
    LineTooLong
};

// A line is one entry: word, translation and note. A megabyte line still loads; a longer one
// is no dictionary's.
inline constexpr qsizetype kMaxDictionaryLineBytes = 2 * 1024 * 1024;

// What the four-section reader loaded, and why it stopped early, if it did.
struct DictionarySections {
    std::array<QStringList, 4> sections;
    std::optional<DictionaryFailure> failure;
};

// Splits dictionary text at the separators into four sections of lines: lines end in CR LF, a
// lone LF or a lone CR, the piece after a section's last line break is dropped, empty lines are
// skipped, a fifth piece is ignored. A section that is missing or too large, or a line too long,
// stops the split; the sections before it are kept. Too many separators load nothing.
DictionarySections splitDictionarySections(const QString &text);
// Splits a dictionary's text as read from its file; text with control bytes is a failure with
// nothing loaded.
DictionarySections splitDictionaryText(const EncodedText &file);
// Reads and splits a dictionary file, a regular file of at most kMaxDictionaryBytes; a file that
// cannot be read, or is no text, is a failure with nothing loaded.
DictionarySections readDictionarySections(const QString &path);

// The two messages a window shows, in order, when a dictionary fails to load (caption: the
// program title).
QStringList dictionaryFailureMessages();
// The two messages for a dictionary refused for why: the format's two for a missing or too large
// section (and a file that cannot be read); for a line too long and too many separators the
// first of them and the cause.
QStringList dictionaryFailureMessages(DictionaryFailure why);

} // namespace ortelia
