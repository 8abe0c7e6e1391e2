#include "EntryText.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace ortelia::EntryText {

namespace {

bool opening(char16_t u)
{
    return u == '(' || u == '[' || u == '<' || u == '{';
}
bool closing(char16_t u)
{
    return u == ')' || u == ']' || u == '>' || u == '}';
}

// 'Aeneis' (a title) is looked up as Aeneis.
QString withoutQuotes(const QString &text)
{
    if (text.size() > 2 && (text.front() == QLatin1Char('\'') || text.front() == QLatin1Char('"')) &&
        text.back() == text.front())
        return text.mid(1, text.size() - 2).trimmed();
    return text;
}

} // namespace

QStringList splitItems(const QString &line, bool atCommas)
{
    QStringList items;
    int depth = 0;
    QString current;
    for (QChar c : line) {
        const char16_t u = c.unicode();
        if (opening(u))
            ++depth;
        else if (closing(u) && depth > 0)
            --depth;
        if (depth == 0 && ((atCommas && u == ',') || u == ';')) {
            items << current;
            current.clear();
        } else {
            current += c;
        }
    }
    items << current;
    return items;
}

// FreeDict's entries come from Wiktionary and keep pieces of its links: "zig#zig" (a word and its
// own link), "oxyder#s'oxyder" (the entry linked and the text shown, here and there misspelt),
// "mauve#Substantiv, f 2" (a section: part of speech, then gender, number or language); the Ding
// list has a template, "make #BE_make#". The word before "#" is the entry the link leads to,
// spelt as the source's headwords are, and the form the German key (a verb without "sich")
// asks for; the rest of the item goes, and so do the section's further parts.
QStringList translationItems(const QString &line, bool atCommas)
{
    static const QRegularExpression sectionPart(
        QStringLiteral("^(?:[mfn]|\\d+|indeklinabel|\\p{Lu}\\p{Ll}+isch)(?: \\d+)?$"));
    QStringList items;
    bool afterLink = false;
    for (const QString &item : splitItems(line, atCommas)) {
        if (afterLink && sectionPart.match(item.trimmed()).hasMatch())
            continue;
        const qsizetype mark = item.indexOf(QLatin1Char('#'));
        afterLink = mark >= 0;
        items << (afterLink ? item.left(mark) : item);
    }
    return items;
}

QString withoutBrackets(const QString &text)
{
    QString out;
    int depth = 0;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (opening(u)) {
            ++depth;
        } else if (closing(u)) {
            if (depth > 0)
                --depth;
        } else if (depth == 0) {
            out += c;
        }
    }
    return out;
}

QString labels(const QString &text)
{
    QStringList found;
    qsizetype from = 0;
    while (true) {
        const qsizetype open = text.indexOf(QLatin1Char('['), from);
        const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1Char(']'), open);
        if (close < 0)
            break;
        found << text.mid(open, close - open + 1);
        from = close + 1;
    }
    return found.join(QLatin1Char(' '));
}

SenseUse senseUse(const QString &labels)
{
    static const QSet<QString> general = {
        "Br.",  "Am.",   "eAm.", "eBr.", "Austr.", "NZ",     "Can.",   "Sc.",     "Ir.",          "Irl.",
        "Aus.", "India", "Dt.",  "fig.", "übtr.",  "geh.",   "formal", "pej.",    "humor.",       "iron.",
        "euphem.", "tm", "Sprw.", "prov.", "nachgestellt", "postpositive"};
    static const QSet<QString> special = {
        "vulg.",     "slang",     "ugs.",        "coll.",          "Süddt.",       "Norddt.",  "Ös.",
        "Schw.",     "Bayr.",     "Mitteldt.",   "BW",             "Westdt.",      "Ostdt.",   "Mittelwestdt.",
        "Nordostdt.", "Nordwestdt.", "Mittelostdt.", "Südwestdt.",  "Südtirol",     "Tirol",    "Westös.",
        "Ostös.",    "Wien",      "Sachsen",     "Franken",        "Berlin",       "Lie.",     "Lux.",
        "obs.",      "veraltet",  "veraltend",   "alt",            "dated",        "archaic",  "altertümlich",
        "altertümelnd", "selten", "rare",        "becoming dated", "Jugendsprache", "Kindersprache",
        "Jägersprache", "poet."};
    SenseUse use = SenseUse::General;
    qsizetype from = 0;
    while (true) {
        const qsizetype open = labels.indexOf(QLatin1Char('['), from);
        const qsizetype close = open < 0 ? -1 : labels.indexOf(QLatin1Char(']'), open);
        if (close < 0)
            return use;
        const QString label = labels.mid(open + 1, close - open - 1).trimmed();
        if (special.contains(label))
            return SenseUse::Special;
        if (!general.contains(label))
            use = SenseUse::Field;
        from = close + 1;
    }
}

bool isWord(const QString &text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c.isLetter() || c == QLatin1Char('-');
    });
}

bool isPlaceholder(const QString &word)
{
    static const QSet<QString> placeholders = {
        QStringLiteral("etw."),  QStringLiteral("jdn."),  QStringLiteral("jdm."),   QStringLiteral("jds."),
        QStringLiteral("jd."),   QStringLiteral("sich"),  QStringLiteral("sth."),   QStringLiteral("sb."),
        QStringLiteral("sb.'s"), QStringLiteral("sb.’s"), QStringLiteral("sth.'s"), QStringLiteral("sth.’s")};
    if (placeholders.contains(word))
        return true;
    // "jdn./etw.", "jdm./jdn.": each side of the slash a placeholder.
    const QStringList parts = word.split(QLatin1Char('/'));
    return parts.size() > 1 && std::all_of(parts.begin(), parts.end(), [](const QString &part) {
        return placeholders.contains(part) || placeholders.contains(part + QLatin1Char('.'));
    });
}

QString cleanItem(const QString &item)
{
    QString text = withoutBrackets(item).simplified();
    text.replace(QLatin1Char(';'), QLatin1Char(','));
    while (!text.isEmpty() && (text.endsWith(QLatin1Char(',')) || text.endsWith(QLatin1Char(':'))))
        text.chop(1);
    text = withoutQuotes(text.trimmed());
    if (text.endsWith(QLatin1Char('!'))) {
        while (text.endsWith(QLatin1Char('!')))
            text.chop(1);
        text = text.trimmed();
        if (text.size() > 1 && text[0].isUpper() && text[1].isLower())
            text[0] = text[0].toLower();
    }
    return text;
}

QString keyOf(const QString &headwordLine, bool &prefixForm)
{
    QString head = headwordLine;
    qsizetype cut = head.size();
    for (const char *mark : {" /", " <", " [", " {"}) {
        const qsizetype at = head.indexOf(QLatin1String(mark));
        if (at >= 0)
            cut = qMin(cut, at);
    }
    head = head.left(cut).simplified();
    prefixForm = false;
    bool changed = true;
    while (changed && !head.isEmpty()) {
        changed = false;
        for (const QString &mark : {QStringLiteral("…"), QStringLiteral("..."), QStringLiteral("!")}) {
            if (head.endsWith(mark)) {
                head.chop(mark.size());
                prefixForm = prefixForm || mark != QLatin1String("!");
                changed = true;
            }
            if (head.startsWith(mark)) {
                head.remove(0, mark.size());
                prefixForm = true;
                changed = true;
            }
        }
        head = head.trimmed();
    }
    head.replace(QLatin1Char(';'), QLatin1Char(','));
    return withoutQuotes(head).toLower();
}

QStringList words(QStringView text)
{
    QStringList found;
    forEachWord(text, [&found](const QString &word) { found << word; });
    return found;
}

} // namespace ortelia::EntryText
