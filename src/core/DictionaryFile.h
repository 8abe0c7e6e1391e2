#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace ortelia {

// A dictionary's separator line: eight backslashes.
QString dictionarySeparator();

// Largest number of CR LF pieces one section may have (a 16-bit signed counter).
inline constexpr int kMaxSectionPieces = 32768;

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

// The header line of every dictionary.
QString dictionaryHeaderLine();

} // namespace ortelia
