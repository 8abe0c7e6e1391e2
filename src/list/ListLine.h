#pragma once

#include <QString>
#include <QStringList>

namespace ortelia {

// A dictionary line taken apart by position: field 1 is the key, field 2 the translation, field 3
// the note. "a;;c" has an empty second field, so "c" stays the third.
QString lineField(const QString &line, int index);
// The fields of a line in order; the empty piece after a trailing ";" is not a field.
QStringList lineFields(const QString &line);
// The line as shown in hover help: every ";" becomes "  -  ".
QString displayLine(const QString &line);

} // namespace ortelia
