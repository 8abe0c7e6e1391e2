#include "DingForms.h"

#include "EntryText.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <optional>

namespace ortelia::DingForms {

namespace {

const QString kPiece = QStringLiteral(" | ");

// "ich/er/sie", "er/sie", "du", and "hat/hatte" before a participle.
bool isPersonOrAuxiliary(const QString &word)
{
    static const QSet<QString> words = {"ich", "du",  "er",    "sie", "es",   "wir", "ihr",
                                        "man", "hat", "hatte", "ist", "war",  "habe", "hast",
                                        "bin", "bist", "sind", "seid", "haben", "waren"};
    const QStringList parts = word.split(QLatin1Char('/'));
    return std::all_of(parts.begin(), parts.end(), [](const QString &part) { return words.contains(part); });
}

struct VerbForm {
    QString word;
    QString particle; // "um" of "bringt um"
};

// The form of the verb key an item of a form piece names, without persons, auxiliaries and
// placeholders; nullopt when the item is no such form (a phrase, a sentence, a noun).
std::optional<VerbForm> verbForm(const QString &item, const QString &key)
{
    QStringList words = EntryText::withoutBrackets(item).simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    while (!words.isEmpty() && isPersonOrAuxiliary(words.first()))
        words.removeFirst();
    words.removeIf([](const QString &word) { return EntryText::isPlaceholder(word); });
    if (words.isEmpty() || !EntryText::isWord(words[0]) || !words[0][0].isLower())
        return std::nullopt;
    if (words.size() == 1)
        return VerbForm{words[0], {}};
    if (words.size() == 2 && EntryText::isWord(words[1]) && key.size() > words[1].size() &&
        key.startsWith(words[1]))
        return VerbForm{words[0], words[1]};
    return std::nullopt;
}

// A piece of a verb's forms in English: no infinitive ("to go home") and no sentence.
bool isEnglishFormPiece(const QString &piece)
{
    const QStringList items = EntryText::splitItems(piece, false);
    return std::none_of(items.begin(), items.end(), [](const QString &item) {
        const QString text = EntryText::withoutBrackets(item).trimmed();
        return text.isEmpty() || text.startsWith(QLatin1String("to ")) || QStringLiteral(".?!").contains(text.back());
    });
}

// The headword an item of a piece belongs to: one headword takes every item, otherwise they follow
// the headwords' order; -1 where a piece has more items than several headwords.
qsizetype headOf(qsizetype item, qsizetype items, qsizetype heads)
{
    return heads == 1 ? 0 : items <= heads ? item : -1;
}

// Pieces of verb forms follow the headwords until the first phrase or example.
void addVerbForms(const QStringList &germanPieces, const QStringList &englishPieces, const QList<Head> &heads,
                  FormList &forms)
{
    for (qsizetype p = 1; p < germanPieces.size() && isEnglishFormPiece(englishPieces[p]); ++p) {
        const QStringList items = EntryText::splitItems(germanPieces[p], false);
        std::vector<std::pair<const Head *, VerbForm>> found;
        for (qsizetype i = 0; i < items.size(); ++i) {
            const qsizetype h = headOf(i, items.size(), heads.size());
            const Head &head = heads[h < 0 ? 0 : h];
            // A phrase's forms ("im Gedächtnis behaltend") are no word's.
            if (head.key.isEmpty() || head.key.contains(QLatin1Char(' ')))
                continue;
            const std::optional<VerbForm> form = verbForm(items[i], head.key);
            if (!form)
                return;
            if (h >= 0 && head.wordClass == WordClass::Verb)
                found.emplace_back(&head, *form);
        }
        for (const auto &[head, form] : found) {
            if (form.particle.isEmpty()) {
                forms.add(form.word, head->key, FormKind::Verb);
            } else {
                forms.add(form.word, head->key, FormKind::SeparatedVerb);
                forms.add(form.word + QLatin1Char(' ') + form.particle, head->key, FormKind::Verb);
            }
        }
    }
}

// The text of an item without brackets, in lower case, when it is one word.
QString singleWord(const QString &item)
{
    const QString text = EntryText::withoutBrackets(item).simplified().toLower();
    return EntryText::isWord(text) ? text : QString();
}

// "houses" of "house", "stopped" of "stop", "bigger" of "big": the lookup's rules find these.
bool isRegularEnglish(const QString &form, const QString &base)
{
    const QString withoutE = base.endsWith(QLatin1Char('e')) ? base.chopped(1) : base;
    const QString withI = base.endsWith(QLatin1Char('y')) ? base.chopped(1) + QLatin1Char('i') : base;
    const QString doubled = base + base.back();
    for (const char *ending : {"s", "es", "d", "ed", "ing", "r", "er", "st", "est"}) {
        for (const QString &stem : {base, withoutE, withI, doubled}) {
            if (form == stem + QLatin1String(ending))
                return true;
        }
    }
    return false;
}

void addIrregular(FormList &forms, const QString &form, const QString &base, FormKind kind)
{
    if (!form.isEmpty() && !base.isEmpty() && !isRegularEnglish(form, base))
        forms.add(form, base, kind);
}

// The items of a piece, each the form of the headword at its place.
void addParallel(FormList &forms, const QList<Head> &heads, const QString &formPiece, FormKind kind)
{
    const QStringList items = EntryText::splitItems(formPiece, false);
    for (qsizetype i = 0; i < items.size() && i < heads.size(); ++i) {
        if (!heads[i].key.contains(QLatin1Char(' ')))
            forms.add(singleWord(items[i]), heads[i].key, kind);
    }
}

// A plural keeps all but the last two letters of its singular ("analyses", "criteria") or, short,
// its first one ("mice", "people"): synonyms in a different order are no plurals.
bool isPluralOf(const QString &form, const QString &base)
{
    qsizetype common = 0;
    while (common < form.size() && common < base.size() && form[common] == base[common])
        ++common;
    return !base.isEmpty() && (common >= base.size() - 2 || (common > 0 && form.size() <= 6 && base.size() <= 6));
}

// The English plurals of a piece whose items stand at the places of their singulars: the same
// number of items.
void addIrregularPlurals(FormList &forms, const QString &headPiece, const QString &formPiece)
{
    const QStringList bases = EntryText::splitItems(headPiece, false);
    const QStringList items = EntryText::splitItems(formPiece, false);
    if (items.size() != bases.size())
        return;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QString base = singleWord(bases[i]);
        const QString form = singleWord(items[i]);
        if (isPluralOf(form, base))
            addIrregular(forms, form, base, FormKind::Plural);
    }
}

// "good | better | best", "bad | worse | worst". A comparison of regular endings of another word
// ("recondite | abstruser | abstrusest") is a synonym's, not the headword's.
void addIrregularComparison(FormList &forms, const QString &basePiece, const QString &comparative,
                            const QString &superlative)
{
    const QString base = singleWord(basePiece);
    const QString more = singleWord(comparative);
    const QString most = singleWord(superlative);
    if (base.isEmpty() || more.isEmpty() || most.isEmpty())
        return;
    if (more[0] != base[0] && more.endsWith(QLatin1String("er")) && most == more.chopped(2) + QLatin1String("est"))
        return;
    addIrregular(forms, more, base, FormKind::Adjective);
    addIrregular(forms, most, base, FormKind::Adjective);
}

// "Häuser {pl}; Säuglinge {pl}": the piece after the headwords, every item a plural.
bool isPluralPiece(const QString &piece)
{
    const QStringList items = EntryText::splitItems(piece, false);
    return std::all_of(items.begin(), items.end(),
                       [](const QString &item) { return item.contains(QLatin1String("{pl}")); });
}

// "to fight {fought; fought}", "to shrink {shrank, shrunk; shrunk}", "smelled / smelt [Br.]".
void addEnglishVerbForms(const QString &headPiece, FormList &forms)
{
    for (const QString &item : EntryText::splitItems(headPiece, false)) {
        const qsizetype open = item.indexOf(QLatin1Char('{'));
        const qsizetype close = open < 0 ? -1 : item.indexOf(QLatin1Char('}'), open);
        const QString inside = close < 0 ? QString() : item.mid(open + 1, close - open - 1);
        if (!inside.contains(QLatin1Char(';')))
            continue;
        QStringList words = item.left(open).simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        words.removeIf([](const QString &word) {
            return word == QLatin1String("to") || EntryText::isPlaceholder(word);
        });
        if (words.size() != 1)
            continue;
        const QString base = singleWord(words[0]);
        for (const QString &form : EntryText::withoutBrackets(inside).split(QRegularExpression(QStringLiteral("[;,/]"))))
            addIrregular(forms, singleWord(form), base, FormKind::Verb);
    }
}

} // namespace

void add(const QStringList &germanPieces, const QStringList &englishPieces, const QList<Head> &heads,
         FormList &german, FormList &english)
{
    if (heads.isEmpty() || germanPieces.size() != englishPieces.size())
        return;
    addEnglishVerbForms(englishPieces[0], english);
    if (germanPieces.size() < 2)
        return;
    const WordClass wordClass = heads[0].wordClass;
    if (wordClass == WordClass::Verb) {
        addVerbForms(germanPieces, englishPieces, heads, german);
    } else if (wordClass == WordClass::Noun && isPluralPiece(germanPieces[1])) {
        addParallel(german, heads, germanPieces[1], FormKind::Plural);
        addIrregularPlurals(english, englishPieces[0], englishPieces[1]);
    } else if (wordClass == WordClass::Adjective && germanPieces.size() > 2 &&
               germanPieces[2].startsWith(QLatin1String("am "))) {
        // "gut {adj} | besser | am besten :: good | better | best"
        addParallel(german, heads, germanPieces[1], FormKind::Adjective);
        addParallel(german, heads, germanPieces[2].mid(3), FormKind::Adjective);
        addIrregularComparison(english, englishPieces[0], englishPieces[1], englishPieces[2]);
    }
}

} // namespace ortelia::DingForms
