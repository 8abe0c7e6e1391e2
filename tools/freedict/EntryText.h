#pragma once

#include <QString>
#include <QStringList>

namespace ortelia::EntryText {

// Splits at commas and semicolons that stand outside brackets of any kind.
QStringList splitItems(const QString &line, bool atCommas = true);
// The translations of a line, split as splitItems does, without the sources' link marks: of
// "zig#zig", "oxyder#s'oxyder", "reprises#Substantiv" or "make #BE_make#" the word before "#"
// stays.
QStringList translationItems(const QString &line, bool atCommas = true);
// The text outside brackets of any kind.
QString withoutBrackets(const QString &text);
// The contents of the square brackets ("[techn.] [Br.]"), as written.
QString labels(const QString &text);
// What a sense's labels ("[ugs.] [Süddt.]") say of its use: Special for vulgar, slang, colloquial,
// regional, dated or rare words; Field for a special field ("[techn.]", "[zool.]"), which the list
// also names for everyday things ("Hund [zool.]", "Auge [anat.]"); General for none of these (the
// varieties of English, figurative or elevated use).
enum class SenseUse { General, Field, Special };
SenseUse senseUse(const QString &labels);
// Whether a word is a placeholder of valency ("jdn.", "sich", "sth.") or a pair of them
// ("jdn./etw."): no part of a word one looks up.
bool isPlaceholder(const QString &word);
// Whether text is one word: letters and hyphens only ("Häuser", "E-Mail").
bool isWord(const QString &text);
// A translation as a person would say it: no grammar marks, labels or remarks in brackets, no
// ";", and an exclamation ("Hello!") as the plain word ("hello").
QString cleanItem(const QString &item);
// A headword as a dictionary key: without pronunciation, grammar marks or a trailing "!", in
// lower case; prefixForm tells a "Haus…" form.
QString keyOf(const QString &headwordLine, bool &prefixForm);
// Calls f with each run of letters of text, in lower case.
template <typename F> void forEachWord(QStringView text, F f)
{
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool letter = i < text.size() && text[i].isLetter();
        if (letter && start < 0) {
            start = i;
        } else if (!letter && start >= 0) {
            f(text.mid(start, i - start).toString().toLower());
            start = -1;
        }
    }
}
QStringList words(QStringView text);

} // namespace ortelia::EntryText
