#pragma once

#include "FileSave.h"

#include <QList>
#include <QString>

#include <optional>

namespace ortelia {

// The start settings syso/reg2.txt: five lines "True" or "False", the values of Option1(0),
// Option1(1), Option3(0), Option3(1) and Option3(2) in this order.
namespace StartSettings {

inline constexpr int kLineCount = 5;

QString path();

// Writes the five values (missing ones as "False"); a failure is shown in a message and returned.
SaveResult write(const QList<bool> &values);

// The values of the file's first five lines, in order; a line that is missing or holds no truth
// value gives nullopt, and its button keeps its state. An unreadable file (also one that is not a
// regular file or is too large for a settings file) gives five nullopts.
QList<std::optional<bool>> read();

} // namespace StartSettings
} // namespace ortelia
