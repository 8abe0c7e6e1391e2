#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace ortelia {

// Replace-all: matches are found left to right from a search position that moves past each
// inserted text, so "  " -> " " turns three blanks into two. Changes text in place and returns it.
// An empty search text changes nothing.
QString &ZeichenErsetzen(QString &text, const QString &oldText, const QString &newText);

enum class TextDirection { German, Foreign };

// The line-break marker that stands for a line feed after normalisation: blank, "`", "´", blank.
QString lineBreakMarker();

// The punctuation normalisation run before word-by-word translation (the ERSETZ and ERSETZEE
// steps): 23 replacements in a fixed order; the foreign direction removes hyphens instead of
// padding them. Typographic quotes are taken as their plain kinds: „ “ ” « » as '"' (they end as
// line-break markers), ‚ ‘ ’ ‹ › as "'" (padded to words of their own).
QString normalizeForTranslation(const QString &text, TextDirection direction);

// Limits of the word splitter.
inline constexpr int kMaxWords = 1501;
inline constexpr int kMaxSplitLength = 32767;
inline constexpr const char *kTooManyWords = "Zu viele Worte!";

// The word splitter: only the last separator of a run ends a word, a trailing separator ends
// none. Returns the words in order, or nullopt when the text holds more than 1,501 words (a window
// then says kTooManyWords). Only the first 32,767 characters of a longer text are split.
std::optional<QStringList> splitWords(const QString &text, QChar separator);

// Waits the given seconds in a nested event loop: clicks, keys, timers and repaints go on and
// may run other handlers before this returns.
void pause(double seconds);

} // namespace ortelia
