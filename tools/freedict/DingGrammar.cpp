#include "DingGrammar.h"

#include "EntryText.h"

#include <QSet>

#include <algorithm>

namespace ortelia::DingGrammar {

namespace {

// The item of a piece that belongs to the headword at index, as written: one headword takes the
// first item, otherwise they follow the headwords' order.
QString writtenItemFor(const QString &piece, qsizetype index, qsizetype heads)
{
    const QStringList items = EntryText::splitItems(piece, false);
    if (heads > 1 && items.size() > heads)
        return QString();
    return items.value(heads == 1 ? 0 : index);
}

QString itemFor(const QString &piece, qsizetype index, qsizetype heads)
{
    return EntryText::withoutBrackets(writtenItemFor(piece, index, heads)).simplified();
}

QString article(const QString &mark)
{
    const QString gender = mark.section(QLatin1Char(';'), 0, 0).trimmed();
    return gender == QLatin1String("m")   ? QStringLiteral("der")
           : gender == QLatin1String("f") ? QStringLiteral("die")
           : gender == QLatin1String("n") ? QStringLiteral("das")
                                          : QString();
}

void addNoun(const QStringList &pieces, const Head &head, qsizetype index, qsizetype heads,
             GermanGrammar &grammar)
{
    const QString theArticle = article(head.mark);
    if (theArticle.isEmpty() || !EntryText::isWord(head.word) || !head.word[0].isUpper())
        return;
    QString plural;
    if (pieces.size() > 1 && writtenItemFor(pieces[1], index, heads).contains(QLatin1String("{pl}")))
        plural = itemFor(pieces[1], index, heads);
    // A verb's infinitive as a noun ("das Gehen") says nothing the verb does not.
    if (!EntryText::isWord(plural) && head.verbalNoun)
        return;
    grammar.addGrammar(head.key,
                       theArticle + QLatin1Char(' ') + head.word +
                           (EntryText::isWord(plural) ? QStringLiteral(", die ") + plural : QString()),
                       head.marked);
}

// "ich/er/sie ging" gives "ging", "er/sie ist/war gegangen" gives "ist gegangen": the words after
// the persons, the auxiliary's present alone, the participle the one the entry names.
struct VerbParts {
    QString past;
    QString perfect;
};

VerbParts verbParts(const QStringList &pieces, const QString &participle, qsizetype index, qsizetype heads)
{
    static const QSet<QString> pastPersons = {QStringLiteral("ich/er/sie"), QStringLiteral("ich/er/sie/es")};
    static const QSet<QString> perfectPersons = {QStringLiteral("er/sie"), QStringLiteral("er/sie/es")};
    VerbParts parts;
    for (qsizetype p = 1; p < pieces.size(); ++p) {
        const QStringList words =
            itemFor(pieces[p], index, heads).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.size() < 2)
            continue;
        if (pastPersons.contains(words[0]) && parts.past.isEmpty() &&
            std::all_of(words.begin() + 1, words.end(), EntryText::isWord)) {
            parts.past = words.mid(1).join(QLatin1Char(' '));
        } else if (perfectPersons.contains(words[0]) && words.size() == 3 && parts.perfect.isEmpty() &&
                   (participle.isEmpty() || words[2] == participle) && EntryText::isWord(words[2])) {
            const QString auxiliary = words[1].section(QLatin1Char('/'), 0, 0);
            if (auxiliary == QLatin1String("hat") || auxiliary == QLatin1String("ist"))
                parts.perfect = auxiliary + QLatin1Char(' ') + words[2];
        }
    }
    return parts;
}

void addVerb(const QStringList &pieces, const Head &head, qsizetype index, qsizetype heads,
             GermanGrammar &grammar)
{
    const QString named = pieces.size() > 2 ? itemFor(pieces[2], index, heads) : QString();
    const QString participle = EntryText::isWord(named) ? named : QString();
    const VerbParts parts = verbParts(pieces, participle, index, heads);
    if (!EntryText::isWord(head.word) || parts.past.isEmpty())
        return;
    // Without the perfect the participle stands alone: the auxiliary is not guessed.
    QString text = head.word + QStringLiteral(", ") + parts.past;
    if (!parts.perfect.isEmpty())
        text += QStringLiteral(", ") + parts.perfect;
    else if (!participle.isEmpty())
        text += QStringLiteral(", ") + participle;
    grammar.addGrammar(head.key, text, head.marked);
}

// "klein, kleiner, am kleinsten", "leise, leiser, am leisesten": the endings alone.
bool isRegularComparison(const QString &base, const QString &comparative, const QString &superlative)
{
    const QString stem = base.endsWith(QLatin1Char('e')) ? base.chopped(1) : base;
    return comparative == stem + QLatin1String("er") &&
           (superlative == stem + QLatin1String("sten") || superlative == stem + QLatin1String("esten"));
}

void addAdjective(const QStringList &pieces, const Head &head, qsizetype index, qsizetype heads,
                  GermanGrammar &grammar)
{
    if (pieces.size() < 3 || !pieces[2].trimmed().startsWith(QLatin1String("am ")))
        return;
    const QString comparative = itemFor(pieces[1], index, heads);
    const QString superlative = itemFor(pieces[2], index, heads);
    if (!EntryText::isWord(head.word) || !EntryText::isWord(comparative) ||
        !superlative.startsWith(QLatin1String("am ")) || !EntryText::isWord(superlative.mid(3)) ||
        isRegularComparison(head.word, comparative, superlative.mid(3)))
        return;
    grammar.addGrammar(head.key,
                       head.word + QStringLiteral(", ") + comparative + QStringLiteral(", ") + superlative,
                       head.marked);
}

bool isVerbMark(const QString &mark)
{
    return mark.startsWith(QLatin1Char('v'));
}

} // namespace

void add(const QStringList &germanPieces, const QList<Head> &heads, GermanGrammar &grammar)
{
    for (qsizetype i = 0; i < heads.size(); ++i) {
        const Head &head = heads[i];
        if (head.key.isEmpty())
            continue;
        if (isVerbMark(head.mark))
            addVerb(germanPieces, head, i, heads.size(), grammar);
        else if (head.mark == QLatin1String("adj"))
            addAdjective(germanPieces, head, i, heads.size(), grammar);
        else
            addNoun(germanPieces, head, i, heads.size(), grammar);
    }
}

} // namespace ortelia::DingGrammar
