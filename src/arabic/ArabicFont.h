#pragma once

#include <QStringList>

namespace ortelia::ArabicFont {

// The family to show Arabic letters in: a well-drawn one among the installed families with
// Arabic letters, else the first of them; empty when none has them.
QString choose(const QStringList &familiesWithArabic);

// choose() over the families installed on this system.
QString installed();

// The hint shown when no installed font has Arabic letters.
QString missingHint();

} // namespace ortelia::ArabicFont
