#pragma once

#include "FormList.h"

#include <QStringList>

#include <functional>

namespace ortelia {

// What a form table may send a form to: no key, a key whose senses are all marked ("katz", a
// regional word), or a key with a general sense.
enum class BaseUse { None, Marked, General };

// The lines "form;base" of a form table: every line of our table, and every form of the source
// whose base is a key; a form's bases best first: our table's, a verb's, an adjective's, a noun's,
// a key with a general sense before one with marked senses only, which goes where there is one
// ("katzen": katze, never katz).
QStringList chooseFormLines(const FormList &hand, const FormList &source,
                            const std::function<BaseUse(const QString &)> &useOf);

} // namespace ortelia
