#pragma once

#include "DictionaryFormat.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace ortelia {

// Why a dictionary was not loaded: the file could not be read, is no regular file (a FIFO, a
// device, a folder, also behind a link), is larger than kMaxDictionaryBytes, holds control bytes
// (no text), lacks a section, or has a section too large for the counter.
enum class DictionaryFailure { Unreadable, NotRegular, TooLarge, NotText, MissingSection, SectionTooLarge };

// What the four-section reader loaded, and why it stopped early, if it did.
struct DictionarySections {
    std::array<QStringList, 4> sections;
    std::optional<DictionaryFailure> failure;
};

// Splits dictionary text at the separators into four sections of lines: lines end in CR LF, a
// lone LF or a lone CR, the piece after a section's last line break is dropped, empty lines are
// skipped, a fifth piece is ignored. A section that is missing or too large stops the split; the
// sections before it are kept.
DictionarySections splitDictionarySections(const QString &text);
// Reads and splits a dictionary file, a regular file of at most kMaxDictionaryBytes; a file that
// cannot be read, or is no text, is a failure with nothing loaded.
DictionarySections readDictionarySections(const QString &path);

// The two messages a window shows, in order, when a dictionary fails to load (caption: the
// program title).
QStringList dictionaryFailureMessages();

} // namespace ortelia
