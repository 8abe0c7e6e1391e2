#include "FreedictImport.h"

#include "CaseFold.h"
#include "Catalogue.h"
#include "ChooserCommands.h"
#include "DictionaryFile.h"
#include "TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cmath>
#include <optional>
#include <vector>

namespace ortelia {

namespace {

constexpr qint64 kMaxInflatedBytes = qint64(1) << 30;
// Lines of one section stay below the list translator's limit of 32,768 pieces (a section
// after a separator has an empty piece before its first line and one after its last).
constexpr int kMaxSectionLines = kMaxSectionPieces - 2;
constexpr int kFurtherTranslations = 6;

// dictd writes offsets and lengths in base 64 (A-Z a-z 0-9 + /).
qint64 base64Number(QByteArrayView digits)
{
    if (digits.isEmpty() || digits.size() > 10)
        return -1;
    qint64 value = 0;
    for (char c : digits) {
        int d;
        if (c >= 'A' && c <= 'Z')
            d = c - 'A';
        else if (c >= 'a' && c <= 'z')
            d = c - 'a' + 26;
        else if (c >= '0' && c <= '9')
            d = c - '0' + 52;
        else if (c == '+')
            d = 62;
        else if (c == '/')
            d = 63;
        else
            return -1;
        value = value * 64 + d;
    }
    return value;
}

// A dictzip file is gzip; it is inflated whole (members one after another).
std::optional<QByteArray> inflateGzip(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray packed = file.readAll();
    z_stream zs{};
    if (inflateInit2(&zs, 16 + MAX_WBITS) != Z_OK)
        return std::nullopt;
    QByteArray out;
    out.reserve(qMin<qint64>(packed.size() * 8, kMaxInflatedBytes));
    zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.constData()));
    zs.avail_in = uInt(packed.size());
    char buffer[1 << 16];
    bool ok = true;
    while (true) {
        zs.next_out = reinterpret_cast<Bytef *>(buffer);
        zs.avail_out = sizeof buffer;
        const int rc = inflate(&zs, Z_NO_FLUSH);
        out.append(buffer, qsizetype(sizeof buffer - zs.avail_out));
        if (out.size() > kMaxInflatedBytes) {
            ok = false;
            break;
        }
        if (rc == Z_STREAM_END) {
            if (zs.avail_in == 0 || inflateReset(&zs) != Z_OK)
                break;
            continue;
        }
        if (rc != Z_OK) {
            ok = rc == Z_BUF_ERROR && zs.avail_in == 0 && !out.isEmpty();
            break;
        }
    }
    inflateEnd(&zs);
    if (!ok)
        return std::nullopt;
    return out;
}

// Splits at commas and semicolons that stand outside brackets of any kind.
QStringList splitItems(const QString &line)
{
    QStringList items;
    int depth = 0;
    QString current;
    for (QChar c : line) {
        const char16_t u = c.unicode();
        if (u == '(' || u == '[' || u == '<' || u == '{')
            ++depth;
        else if ((u == ')' || u == ']' || u == '>' || u == '}') && depth > 0)
            --depth;
        if (depth == 0 && (u == ',' || u == ';')) {
            items << current;
            current.clear();
        } else {
            current += c;
        }
    }
    items << current;
    return items;
}

QString withoutBrackets(const QString &text)
{
    QString out;
    int depth = 0;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '(' || u == '[' || u == '<' || u == '{') {
            ++depth;
        } else if (u == ')' || u == ']' || u == '>' || u == '}') {
            if (depth > 0)
                --depth;
        } else if (depth == 0) {
            out += c;
        }
    }
    return out;
}

// 'Aeneis' (a title) is looked up as Aeneis.
QString withoutQuotes(const QString &text)
{
    if (text.size() > 2 && (text.front() == QLatin1Char('\'') || text.front() == QLatin1Char('"')) &&
        text.back() == text.front())
        return text.mid(1, text.size() - 2).trimmed();
    return text;
}

// A translation as a person would say it: no grammar marks, labels or remarks in brackets, no
// ";", and an exclamation ("Hello!") as the plain word ("hello").
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

struct Sense {
    QStringList items;
    int order = 0;
    int examples = 0;
    bool labelled = false;
    bool noted = false;
    bool prefixForm = false;
    double quality = 0;
};

struct KeyEntry {
    QString key;
    std::vector<Sense> senses;
    int examples = 0;
    QStringList translations;  // ordered, cleaned, unique
    double usefulness = 0;
};

class Importer {
public:
    void addEntry(const QString &text, int order)
    {
        const QStringList lines = text.split(QLatin1Char('\n'));
        if (lines.size() < 2)
            return;
        bool prefixForm = false;
        const QString key = keyOf(lines[0], prefixForm);
        if (key.isEmpty() || key == QLatin1String("??") || key.count(QLatin1Char('\\')) == key.size())
            return;

        Sense sense;
        sense.order = order;
        bool labelled = false;
        int examples = 0;
        static const QRegularExpression numbered(QStringLiteral("^\\d+\\.\\s"));
        static const QRegularExpression trailingNumber(QStringLiteral("\\s+\\d+\\.\\s*$"));
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QString &line = lines[i];
            const bool senseLine = (i == 1) || (!line.isEmpty() && line[0].isDigit() && numbered.match(line).hasMatch());
            const QString trimmed = line.trimmed();
            if (!senseLine) {
                if (trimmed.startsWith(QLatin1String("Note:"))) {
                    sense.noted = true;
                } else if (trimmed.startsWith(QLatin1Char('"'))) {
                    // "ein Haus bauen"  - build a house
                    ++examples;
                    const qsizetype close = trimmed.indexOf(QLatin1Char('"'), 1);
                    countWords(m_wordCounts, QStringView(trimmed).mid(1, close < 0 ? -1 : close - 1));
                    const qsizetype dash = close < 0 ? -1 : trimmed.indexOf(QLatin1String(" - "), close);
                    if (dash >= 0)
                        countWords(m_foreignCounts, QStringView(trimmed).mid(dash + 3));
                } else if (!line.isEmpty() && !line[0].isSpace()) {
                    countWords(m_wordCounts, line);  // a German gloss
                }
                continue;
            }
            if (trimmed.startsWith(QLatin1String("Synonym")) || trimmed.startsWith(QLatin1String("see:")) ||
                trimmed.startsWith(QLatin1String("Note:")))
                continue;
            QString content = trimmed;
            if (!content.isEmpty() && content[0].isDigit())
                content.remove(numbered);
            if (content.endsWith(QLatin1Char('.')))
                content.remove(trailingNumber);
            if (content.startsWith(QLatin1Char('[')))
                labelled = true;
            for (const QString &item : splitItems(content)) {
                const QString clean = cleanItem(item);
                if (!clean.isEmpty())
                    sense.items << clean;
            }
        }
        if (sense.items.isEmpty())
            return;
        sense.examples = examples;
        sense.labelled = labelled;
        sense.prefixForm = prefixForm;
        auto it = m_byKey.find(key);
        if (it == m_byKey.end()) {
            it = m_byKey.insert(key, int(m_entries.size()));
            m_entries.push_back({key, {}, 0, {}, 0});
        }
        KeyEntry &entry = m_entries[size_t(*it)];
        entry.senses.push_back(sense);
        entry.examples += examples;
    }

    FreedictImportResult write(const QString &outPath, const QString &languageName, int maxKeys)
    {
        FreedictImportResult result;
        for (KeyEntry &entry : m_entries)
            orderTranslations(entry);
        result.utf8 = mostlyOutsideWindows1252();
        std::vector<KeyEntry *> kept;
        for (KeyEntry &entry : m_entries) {
            if (!result.utf8 && !keepWindows1252(entry))
                continue;
            if (!entry.translations.isEmpty())
                kept.push_back(&entry);
        }
        maxKeys = qBound(0, maxKeys - 1, 4 * kMaxSectionLines - 2);
        if (int(kept.size()) > maxKeys) {
            for (KeyEntry *entry : kept)
                entry->usefulness = usefulness(*entry);
            std::stable_sort(kept.begin(), kept.end(),
                             [](const KeyEntry *a, const KeyEntry *b) { return a->usefulness > b->usefulness; });
            kept.resize(size_t(maxKeys));
        }
        std::sort(kept.begin(), kept.end(), [](const KeyEntry *a, const KeyEntry *b) {
            const int c = casefold::compare(a->key, b->key);
            return c != 0 ? c < 0 : a->key < b->key;
        });

        QStringList lines;
        lines << dictionaryHeaderLine() << QStringLiteral("??;Deutsch;") + languageName;
        for (const KeyEntry *entry : kept) {
            const QStringList further = entry->translations.mid(1, kFurtherTranslations);
            lines << entry->key + QLatin1Char(';') + entry->translations.first() + QLatin1Char(';') +
                         further.join(QLatin1String(", "));
        }
        result.keys = int(kept.size()) + 1;

        // Four sections of (nearly) equal size.
        const qsizetype per = (lines.size() + 3) / 4;
        QStringList withSeparators;
        for (int s = 0; s < 4; ++s) {
            if (s > 0)
                withSeparators << dictionarySeparator();
            withSeparators << lines.mid(s * per, per);
        }
        if (!TextFile::writeLines(outPath, withSeparators))
            result.error = QStringLiteral("Die Datei kann nicht geschrieben werden: %1").arg(outPath);
        return result;
    }

    bool empty() const { return m_entries.empty(); }

private:
    // Calls f with each run of letters of text, in lower case.
    template <typename F> static void forEachWord(QStringView text, F f)
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

    static void countWords(QHash<QString, int> &counts, QStringView text)
    {
        forEachWord(text, [&counts](const QString &word) { ++counts[word]; });
    }

    static int phraseCount(const QHash<QString, int> &counts, QStringView phrase)
    {
        int frequency = -1;
        forEachWord(phrase, [&](const QString &word) {
            const int count = counts.value(word);
            frequency = frequency < 0 ? count : qMin(frequency, count);
        });
        return qMax(0, frequency);
    }

    // The best sense first: one with examples, without a subject label, usage note or prefix
    // form, whose translation is a common word of the examples ("go" before "step").
    void orderTranslations(KeyEntry &entry) const
    {
        for (Sense &sense : entry.senses) {
            sense.quality = qMin(sense.examples, 10) - (sense.labelled ? 1 : 0) - (sense.noted ? 1 : 0) -
                            (sense.prefixForm ? 5 : 0) +
                            std::log2(1.0 + phraseCount(m_foreignCounts, sense.items.first()));
        }
        std::stable_sort(entry.senses.begin(), entry.senses.end(), [](const Sense &a, const Sense &b) {
            return a.quality != b.quality ? a.quality > b.quality : a.order < b.order;
        });
        QSet<QString> seen;
        for (const Sense &sense : entry.senses) {
            for (const QString &item : sense.items) {
                const QString folded = item.toCaseFolded();
                if (!seen.contains(folded)) {
                    seen.insert(folded);
                    entry.translations << item;
                }
            }
        }
    }

    bool mostlyOutsideWindows1252() const
    {
        qsizetype outside = 0;
        for (const KeyEntry &entry : m_entries) {
            if (!entry.translations.isEmpty() && !TextFile::fitsWindows1252(entry.translations.first()))
                ++outside;
        }
        return outside * 2 > qsizetype(m_entries.size());
    }

    static bool keepWindows1252(KeyEntry &entry)
    {
        if (!TextFile::fitsWindows1252(entry.key))
            return false;
        entry.translations.removeIf([](const QString &t) { return !TextFile::fitsWindows1252(t); });
        return true;
    }

    // How likely a person looks the key up: words met often in the dictionary's own examples and
    // definitions, keys with many senses and examples, short keys and few words first.
    double usefulness(const KeyEntry &entry) const
    {
        const qsizetype words = entry.key.count(QLatin1Char(' ')) + 1;
        return 2.0 * std::log2(1.0 + phraseCount(m_wordCounts, entry.key)) + qMin<double>(entry.senses.size(), 5) +
               0.5 * qMin(entry.examples, 6) - 0.1 * double(entry.key.size()) - 2.0 * double(words - 1);
    }

    QHash<QString, int> m_byKey;
    std::vector<KeyEntry> m_entries;
    QHash<QString, int> m_wordCounts;     // German words of examples and definitions
    QHash<QString, int> m_foreignCounts;  // words of the examples' translations
};

} // namespace

FreedictImportResult importFreedict(const QString &indexPath, const QString &dictPath, const QString &outPath,
                                    const QString &languageName, int maxKeys)
{
    FreedictImportResult result;
    QFile indexFile(indexPath);
    if (!indexFile.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("Der Index kann nicht gelesen werden: %1").arg(indexPath);
        return result;
    }
    const QByteArray index = indexFile.readAll();
    const std::optional<QByteArray> data = inflateGzip(dictPath);
    if (!data) {
        result.error = QStringLiteral("Die Wörterbuchdaten können nicht gelesen werden: %1").arg(dictPath);
        return result;
    }

    Importer importer;
    QSet<qint64> seenOffsets;
    int order = 0;
    qsizetype pos = 0;
    while (pos < index.size()) {
        qsizetype end = index.indexOf('\n', pos);
        if (end < 0)
            end = index.size();
        const QList<QByteArray> fields = index.mid(pos, end - pos).split('\t');
        pos = end + 1;
        // Entries without a headword are the database's own description.
        if (fields.size() < 3 || fields[0].trimmed().isEmpty())
            continue;
        const qint64 offset = base64Number(fields[1]);
        const qint64 length = base64Number(fields[2].trimmed());
        if (offset < 0 || length <= 0 || offset + length > data->size() || seenOffsets.contains(offset))
            continue;
        seenOffsets.insert(offset);
        importer.addEntry(QString::fromUtf8(data->constData() + offset, length), order++);
    }
    if (importer.empty()) {
        result.error = QStringLiteral("Im Wörterbuch %1 wurden keine Einträge gefunden.").arg(indexPath);
        return result;
    }
    return importer.write(outPath, languageName, maxKeys);
}

int runImportFreedictCommand(const QStringList &args, const QDir &startDir)
{
    if (args.size() < 3 || args.size() > 4) {
        std::fputs("Aufruf: ortelia import-freedict INDEX DICT.DZ ZIEL.txt [SPRACHE]\n", stderr);
        return 2;
    }
    const QString out = startDir.absoluteFilePath(args[2]);
    const QString language = args.size() > 3 ? args[3] : catalogueEntry(QFileInfo(out).fileName()).languageName;
    if (language.isEmpty()) {
        std::fputs("Bitte den Namen der Sprache angeben.\n", stderr);
        return 2;
    }
    const FreedictImportResult result =
        importFreedict(startDir.absoluteFilePath(args[0]), startDir.absoluteFilePath(args[1]), out, language);
    if (!result.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", result.error.toUtf8().constData());
        return 1;
    }
    std::printf("%d Einträge nach %s geschrieben.\n", result.keys, out.toUtf8().constData());
    return 0;
}

} // namespace ortelia
