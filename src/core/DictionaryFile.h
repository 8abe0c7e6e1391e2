#pragma once

#include "DictionaryFormat.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace ortelia {

enum class DictionaryFailure { Unreadable, MissingSection, SectionTooLarge };

// What the four-section reader loaded, and why it stopped early, if it did.
struct DictionarySections {
    std::array<QStringList, 4> sections;
    std::optional<DictionaryFailure> failure;
};

// Splits dictionary text at the separators into four sections of lines: CR LF only, the piece
// after a section's last line break dropped, empty lines skipped, a fifth piece ignored. A section
// that is missing or too large stops the split; the sections before it are kept.
DictionarySections splitDictionarySections(const QString &text);
// Reads and splits a dictionary file; an unreadable file is a failure with nothing loaded.
DictionarySections readDictionarySections(const QString &path);

// The two messages shown, in order, when a dictionary fails to load (caption: the program title).
QStringList dictionaryFailureMessages();
void showDictionaryFailure();

} // namespace ortelia
