#include "DingSource.h"

#include "DingForms.h"
#include "DingGrammar.h"
#include "EntryText.h"

#include <QFile>
#include <QSet>

#include <algorithm>

namespace ortelia::DingSource {

namespace {

const QString kPiece = QStringLiteral(" | ");

// Placeholders of valency ("etw. nehmen", "jdn./etw. töten", "to take sth.") are no part of a word
// one looks up.
QString withoutPlaceholders(const QString &text)
{
    QStringList kept;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        // "bad ~worse", "room /rm/": forms and abbreviations are no part of the translation.
        const bool abbreviation =
            word.size() > 2 && word.startsWith(QLatin1Char('/')) && word.endsWith(QLatin1Char('/'));
        if (!EntryText::isPlaceholder(word) && !word.startsWith(QLatin1Char('~')) && !abbreviation)
            kept << word;
    }
    return kept.join(QLatin1Char(' '));
}

QString grammarOf(const QString &text)
{
    const qsizetype open = text.indexOf(QLatin1Char('{'));
    const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1Char('}'), open);
    return close < 0 ? QString() : text.mid(open + 1, close - open - 1).trimmed();
}

bool isVerb(const QString &grammar)
{
    return grammar == QLatin1String("vt") || grammar == QLatin1String("vi") ||
           grammar == QLatin1String("vr") || grammar.startsWith(QLatin1String("v"));
}

// A noun's gender or plural mark: "m", "f", "n", "pl", also "f; pl".
bool isNoun(const QString &grammar)
{
    static const QSet<QString> marks = {QStringLiteral("m"), QStringLiteral("f"), QStringLiteral("n"),
                                        QStringLiteral("pl")};
    return marks.contains(grammar.section(QLatin1Char(';'), 0, 0).trimmed());
}

// A sense a learner does not need first. A field the key's own first sense names is the field of the
// thing itself ("Hund [zool.]", "Auge [anat.]").
bool isMarked(EntryText::SenseUse use, bool ownFirstSense)
{
    return use == EntryText::SenseUse::Special || (use == EntryText::SenseUse::Field && !ownFirstSense);
}

WordClass wordClassOf(const QString &grammar)
{
    return isVerb(grammar)                   ? WordClass::Verb
           : isNoun(grammar)                 ? WordClass::Noun
           : grammar == QLatin1String("adj") ? WordClass::Adjective
                                             : WordClass::Other;
}

QString remarkOf(const QString &text)
{
    const qsizetype open = text.indexOf(QLatin1Char('('));
    const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1Char(')'), open);
    return close < 0 ? QString() : text.mid(open, close - open + 1);
}

struct Headword {
    QString word; // as written, without brackets and placeholders
    QString key;
    QString grammar;
    QString label;
    bool verbalNoun = false;
};

// Every synonym of the headwords' piece, in its order; a prefix form ("Haus…") or a synonym of
// signs alone has no key.
QList<Headword> headwords(const QString &piece)
{
    QList<Headword> found;
    QString lineGrammar = grammarOf(piece); // "ja; jo {adv}": the last synonym carries it
    for (const QString &synonym : EntryText::splitItems(piece, false)) {
        bool prefixForm = false;
        const QString plain = withoutPlaceholders(EntryText::withoutBrackets(synonym).simplified());
        Headword h;
        h.word = plain;
        h.key = EntryText::keyOf(plain, prefixForm);
        if (h.key.isEmpty() || prefixForm) {
            found << Headword{};
            continue;
        }
        h.grammar = grammarOf(synonym).isEmpty() ? lineGrammar : grammarOf(synonym);
        h.label = EntryText::labels(synonym);
        h.verbalNoun =
            plain[0].isUpper() && h.grammar == QLatin1String("n") && h.key.endsWith(QLatin1String("en"));
        found << h;
    }
    return found;
}

// A fixed phrase among a line's further pieces ("auf jeden Fall", "es gibt", "nach Hause gehen"): two
// to four words in lower case, as the key it is looked up by. Null for inflected forms ("er/sie
// geht", "ich esse"), sentences ("Es gibt noch viel zu tun."), nouns with their article and pieces
// with marks.
QString phraseKey(const QString &synonym)
{
    // Persons begin inflected forms, articles a noun's name ("das Essen").
    static const QSet<QString> firstWords = {"ich", "du",   "er",    "sie",   "wir",   "ihr",
                                             "der", "die",  "das",   "den",   "dem",   "des",
                                             "ein", "eine", "einen", "einem", "einer", "eines"};
    const QString plain = EntryText::withoutBrackets(synonym).simplified();
    const QStringList words = plain.split(QLatin1Char(' '));
    // A phrase with a placeholder ("etw. und etw. zusammenziehen") is no phrase without it.
    if (words.size() < 2 || words.size() > 4 || !plain[0].isLower() || firstWords.contains(words[0]) ||
        withoutPlaceholders(plain) != plain)
        return QString();
    for (QChar c : plain) {
        if (!c.isLetter() && c != QLatin1Char(' ') && c != QLatin1Char('-'))
            return QString();
    }
    return plain.toLower();
}

// A German infinitive ends the phrase: its English side says "to ...".
bool endsInVerb(const QString &key)
{
    return key.endsWith(QLatin1String("en")) || key.endsWith(QLatin1String("ern")) ||
           key.endsWith(QLatin1String("eln")) || key.endsWith(QLatin1String(" sein")) ||
           key.endsWith(QLatin1String(" tun"));
}

// The fixed phrases of a line's further pieces, with the English piece at the same place. A verb's
// line lists its forms there ("hielt auf": stopped): only phrases said with "to" are taken from it.
void addPhrases(Glossary &glossary, const QString &german, const QString &english, bool verbLine,
                QHash<QString, int> &senses)
{
    const QStringList germanPieces = german.split(kPiece);
    const QStringList englishPieces = english.split(kPiece);
    if (germanPieces.size() != englishPieces.size())
        return;
    for (qsizetype p = 1; p < germanPieces.size(); ++p) {
        const QStringList items = EntryText::translationItems(englishPieces[p], false);
        for (const QString &synonym : EntryText::splitItems(germanPieces[p], false)) {
            const QString key = phraseKey(synonym);
            if (key.isEmpty())
                continue;
            int &sense = senses[key];
            for (qsizetype i = 0; i < items.size(); ++i) {
                // A contraction loses its apostrophe in the clean item ("it's": its).
                if (items[i].contains(QLatin1Char('\'')) || items[i].contains(QChar(0x2019)) ||
                    (verbLine && !items[i].trimmed().startsWith(QLatin1String("to "))))
                    continue;
                QString translation = withoutPlaceholders(EntryText::cleanItem(items[i]));
                if (endsInVerb(key) && translation.startsWith(QLatin1String("to ")))
                    translation.remove(0, 3);
                if (translation.isEmpty() || QStringLiteral(".?!").contains(translation.back()))
                    continue;
                Candidate c;
                c.text = translation;
                c.sense = sense;
                c.item = int(i);
                c.label =
                    (EntryText::labels(synonym) + QLatin1Char(' ') + EntryText::labels(items[i])).trimmed();
                c.marked = isMarked(EntryText::senseUse(c.label), sense == 0);
                glossary.add(key, c);
            }
            ++sense;
        }
    }
}

// "alt {adj} | älter | am ältesten :: old | older | oldest", "klein {adj} | kleiner | kleinste/r/s": a
// comparison is a key of its own that says the English comparison before any narrower sense the
// list gives it elsewhere ("älter": elderly, "kleiner": lesser).
void addComparison(Glossary &glossary, const QStringList &germanPieces, const QStringList &englishPieces, int sense)
{
    if (germanPieces.size() < 3 || germanPieces.size() != englishPieces.size())
        return;
    // "arm; bedürftig | ärmer; bedürftiger | am ärmsten; am bedürftigsten :: poor; needy | poorer;
    // needier": the first headword's comparison is each piece's first item.
    const auto firstItem = [](const QString &piece) {
        return EntryText::withoutBrackets(EntryText::splitItems(piece, false).value(0)).trimmed();
    };
    QString superlative = firstItem(germanPieces[2]);
    if (superlative.startsWith(QLatin1String("am ")))
        superlative.remove(0, 3);
    else if (superlative.endsWith(QLatin1String("/r/s")))
        superlative.chop(4);
    else
        return;
    const QString forms[] = {firstItem(germanPieces[1]), superlative};
    for (int i = 0; i < 2; ++i) {
        QString english = EntryText::cleanItem(firstItem(englishPieces[i + 1])).trimmed();
        if (english.startsWith(QLatin1String("the ")))
            english.remove(0, 4);
        const bool oneWord = !forms[i].isEmpty() && std::all_of(forms[i].begin(), forms[i].end(),
                                                                [](QChar c) { return c.isLetter(); });
        if (!oneWord || english.isEmpty() || english.count(QLatin1Char(' ')) > 1)
            continue;
        Candidate c;
        c.text = english;
        c.wordClass = WordClass::Adjective;
        c.comparison = true;
        c.sense = sense; // "dunkel | dunkler :: dark | darker" before "murky | murkier"
        glossary.add(forms[i].toLower(), c);
        // "am größten": the superlative before a noun, "die größte Stadt", is typed as often.
        if (i == 1 && forms[i].endsWith(QLatin1String("en")))
            glossary.add(forms[i].chopped(1).toLower(), c);
    }
}

} // namespace

int addText(Glossary &glossary, const QString &text, GermanGrammar *grammar)
{
    QHash<QString, int> senses; // per key (and part of speech): lines where it is the first headword
    int noOrder = 0;
    int count = 0;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype cut = line.indexOf(QLatin1String(" :: "));
        if (cut < 0)
            continue;
        ++count;
        const QString german = line.left(cut).toString();
        const QString english = line.mid(cut + 4).trimmed().toString();
        glossary.evidence().addLine(EntryText::words(german), EntryText::words(english));
        const QString germanHead = german.section(kPiece, 0, 0);
        const QString englishHead = english.section(kPiece, 0, 0);
        const QStringList items = EntryText::translationItems(englishHead, false);
        const QList<Headword> heads = headwords(germanHead);
        QList<DingForms::Head> formHeads;
        QList<DingGrammar::Head> grammarHeads;
        qsizetype n = 0; // among the synonyms with a key
        int headSense = 0; // the first headword's sense
        for (const Headword &h : heads) {
            formHeads.append({h.key, wordClassOf(h.grammar)});
            grammarHeads.append({h.word, h.key, h.grammar, h.verbalNoun,
                                 EntryText::senseUse(h.label) != EntryText::SenseUse::General});
            if (h.key.isEmpty())
                continue;
            // The order of lines where the key is a further synonym follows another headword. A
            // verb's senses are counted apart from its verbal noun's ("Kochen", then "kochen": cook).
            const bool verb = wordClassOf(h.grammar) == WordClass::Verb;
            int &sense = n == 0 ? senses[verb ? h.key + QStringLiteral("/verb") : h.key] : noOrder;
            if (n == 0)
                headSense = sense;
            const EntryText::SenseUse headUse = EntryText::senseUse(h.label);
            for (qsizetype i = 0; i < items.size(); ++i) {
                QString translation = withoutPlaceholders(EntryText::cleanItem(items[i]));
                if (isVerb(h.grammar) && translation.startsWith(QLatin1String("to ")))
                    translation.remove(0, 3);
                if (translation.isEmpty())
                    continue;
                Candidate c;
                c.text = translation;
                c.sense = sense;
                c.item = int(i);
                c.label = (h.label + QLatin1Char(' ') + EntryText::labels(items[i])).trimmed();
                const EntryText::SenseUse use = std::max(headUse, EntryText::senseUse(EntryText::labels(items[i])));
                c.marked = isMarked(use, sense == 0 && n == 0);
                if (c.label.isEmpty())
                    c.label = remarkOf(items[i]);
                c.verbalNoun = h.verbalNoun;
                c.synonym = n > 0;
                c.wordClass = wordClassOf(h.grammar);
                c.pluralOnly = h.grammar.startsWith(QLatin1String("pl"));
                glossary.add(h.key, c);
            }
            ++sense;
            noOrder = 0;
            ++n;
        }
        DingForms::add(german.split(kPiece), english.split(kPiece), formHeads, glossary.forms(),
                       glossary.foreignForms());
        if (!formHeads.isEmpty() && formHeads[0].wordClass == WordClass::Adjective)
            addComparison(glossary, german.split(kPiece), english.split(kPiece), headSense);
        if (grammar)
            DingGrammar::add(german.split(kPiece), grammarHeads, *grammar);
        addPhrases(glossary, german, english, !formHeads.isEmpty() && formHeads[0].wordClass == WordClass::Verb,
                   senses);
    }
    return count;
}

int add(Glossary &glossary, const QString &path, QString &error, GermanGrammar *grammar)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Die Wortliste kann nicht gelesen werden: %1").arg(path);
        return -1;
    }
    return addText(glossary, QString::fromUtf8(file.readAll()), grammar);
}

} // namespace ortelia::DingSource
