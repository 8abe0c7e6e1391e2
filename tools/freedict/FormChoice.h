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
// ("katzen": katze, never katz). A noun's plural names its singular with a capital ("wände;Wand"),
// which a word typed with a capital prefers, also over a key of its own ("Männer": Mann, not the
// key "männer", menfolk), unless ownWord(form, base) says the form's own key answers well enough
// ("daten": data, not the plural of "Datum").
QStringList chooseFormLines(const FormList &hand, const FormList &source,
                            const std::function<BaseUse(const QString &)> &useOf,
                            const std::function<bool(const QString &, const QString &)> &ownWord = {});

} // namespace ortelia
