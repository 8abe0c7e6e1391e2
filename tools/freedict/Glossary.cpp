#include "Glossary.h"

#include "CaseFold.h"
#include "DictionaryFormat.h"
#include "EntryText.h"
#include "TextFile.h"

#include <QSet>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace ortelia {

namespace {

// Lines of one section stay below the list translator's limit of 32,768 pieces (a section
// after a separator has an empty piece before its first line and one after its last).
constexpr int kMaxSectionLines = kMaxSectionPieces - 2;
constexpr int kFurtherTranslations = 6;

const QString kBridgeNote = QStringLiteral("(über Englisch)");

int wordCount(const QString &text)
{
    return int(text.count(QLatin1Char(' '))) + 1;
}

// Placeholders of valency on either side ("sb.", "someone's", "jdm."): the user looks up and hears
// the words around them.
bool isPlaceholder(const QString &part)
{
    static const QSet<QString> marks = {
        QStringLiteral("sb."),       QStringLiteral("sth."),      QStringLiteral("so."),
        QStringLiteral("sb"),        QStringLiteral("sth"),       QStringLiteral("sb.'s"),
        QStringLiteral("sb.’s"),     QStringLiteral("sb.s"),      QStringLiteral("sb.s’"),
        QStringLiteral("sb.s'"),
        QStringLiteral("sth.'s"),    QStringLiteral("sth.’s"),    QStringLiteral("so.'s"),
        QStringLiteral("someone's"), QStringLiteral("someone’s"), QStringLiteral("jdn."),
        QStringLiteral("jdm."),      QStringLiteral("etw."),      QStringLiteral("jds."),
        QStringLiteral("jd.")};
    return marks.contains(part);
}

// The text without its placeholders ("listen to sb./sth.": listen to), unless nothing else is left
// ("someone's" alone is a word). What follows a placeholder's slash is another filling of its slot:
// "believe capable of sth./of doing" is "believe capable of". A remark in brackets keeps them: "(of
// sth.)" tells what the word goes with.
QString withoutPlaceholders(const QString &text, bool &had)
{
    had = false;
    QStringList kept;
    int depth = 0;
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &word : words) {
        const bool inRemark = depth > 0 || word.startsWith(QLatin1Char('('));
        depth += int(word.count(QLatin1Char('('))) - int(word.count(QLatin1Char(')')));
        // "sth.," and "sb.?" end a piece of the source's text: the mark stays.
        qsizetype end = word.size();
        while (end > 0 && QStringLiteral(",:;.?!").contains(word[end - 1]))
            --end;
        const bool dot = end < word.size() && word[end] == QLatin1Char('.');
        const QString mark = word.mid(end).remove(QLatin1Char('.'));
        const QStringList parts = word.left(end).split(QLatin1Char('/'));
        // A sentence ends in "so." ("I think so."); the placeholder stands before further words.
        const bool last = &word == &words.last();
        const auto placeholder = [last, dot](const QString &part) {
            const QString withDot = part + QLatin1Char('.');
            return isPlaceholder(part) ||
                   (dot && isPlaceholder(withDot) && !(last && withDot == QLatin1String("so.")));
        };
        if (inRemark || std::none_of(parts.begin(), parts.end(), placeholder)) {
            kept << word;
            continue;
        }
        had = true;
        if (!mark.isEmpty() && !kept.isEmpty())
            kept.last() += mark;
        if (placeholder(parts.first()) && !std::all_of(parts.begin(), parts.end(), placeholder))
            break;
    }
    return kept.isEmpty() ? text : kept.join(QLatin1Char(' '));
}

bool hasWordClass(const std::vector<Candidate> &candidates, WordClass wordClass)
{
    return std::any_of(candidates.begin(), candidates.end(),
                       [wordClass](const Candidate &c) { return c.wordClass == wordClass; });
}

int sourceRank(Source source)
{
    return source == Source::Inverted ? 1 : source == Source::Bridge ? 2 : 0;
}

} // namespace

void Glossary::add(const QString &key, Candidate candidate)
{
    // The apostrophe a keyboard types: "children’s book" is found as "children's book".
    candidate.text.replace(QChar(0x2019), QLatin1Char('\''));
    candidate.text = withoutPlaceholders(candidate.text, candidate.placeholders);
    // A key of signs alone ("?", "-") is no word: a search for the sign would find it.
    if (candidate.text.isEmpty() || key == QLatin1String("??") ||
        std::none_of(key.begin(), key.end(), [](QChar c) { return c.isLetterOrNumber(); }))
        return;
    auto it = m_byKey.find(key);
    if (it == m_byKey.end()) {
        it = m_byKey.insert(key, int(m_entries.size()));
        m_entries.push_back({key, {}, {}, {}, false, false, true, false});
    }
    m_entries[size_t(*it)].candidates.push_back(candidate);
}

// Evidence that the translation is this key's everyday sense: the source's sense order, the pair
// met together in the source's entries and examples, the same part of speech, a plain word
// rather than a phrase with placeholders, no subject label.
double Glossary::score(const Entry &entry, const Candidate &c) const
{
    // Our table's word is checked by hand: first, whatever the sources' evidence says.
    if (c.source == Source::Curated)
        return std::numeric_limits<double>::max();
    if (c.source == Source::Pivot)
        return 100.0;
    return -2.0 * c.sense - 0.4 * c.item - 6.0 * sourceRank(c.source) - (c.label.isEmpty() ? 0.0 : 1.5) -
           (c.prefixForm ? 5.0 : 0.0) - (c.verbalNoun ? 6.0 : 0.0) - (c.synonym ? 3.0 : 0.0) -
           (c.placeholders ? 3.0 : 0.0) - 0.8 * (wordCount(c.text) - 1) + 0.3 * qMin(c.examples, 10) +
           (c.comparison ? 4.0 : 0.0) +
           0.8 * std::log2(1.0 + m_evidence.together(entry.key, c.text));
}

void Glossary::orderTranslations(Entry &entry) const
{
    std::vector<std::pair<double, const Candidate *>> ranked;
    for (const Candidate &c : entry.candidates)
        ranked.emplace_back(score(entry, c), &c);
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto &a, const auto &b) { return a.first > b.first; });
    // A learner needs the general senses before the marked ones, however well the source attests those.
    std::stable_partition(ranked.begin(), ranked.end(), [](const auto &r) { return !r.second->marked; });
    QSet<QString> seen;
    for (const auto &[value, c] : ranked) {
        const QString folded = c->text.toCaseFolded();
        if (seen.contains(folded))
            continue;
        seen.insert(folded);
        if (entry.translations.isEmpty()) {
            entry.firstLabel = c->label;
            entry.firstIsPlain = c->sense == 0 && c->label.isEmpty() && !c->prefixForm && !c->synonym;
            entry.bridged = c->source == Source::Bridge;
        }
        entry.translations << c->text;
    }
}

// How surely a key is the everyday German word for its first translation.
double Glossary::ownerScore(const Entry &entry) const
{
    const QString first = entry.translations.first();
    return 1.5 * std::log2(1.0 + m_evidence.together(entry.key, first)) +
           std::log2(1.0 + germanCount(entry.key)) + (entry.firstIsPlain ? 2.0 : 0.0) -
           2.0 * (wordCount(entry.key) - 1) - (entry.bridged ? 3.0 : 0.0);
}

// The adjective an inflected key that the source marks as no noun or adjective stands for ("rote",
// "schwarzer": rot, schwarz), when it shares the key's first translation; the user looks up the base form.
Glossary::Entry *Glossary::adjectiveOf(const Entry &entry, const std::vector<Entry *> &group)
{
    static const QStringList endings = {QStringLiteral("e"), QStringLiteral("en"), QStringLiteral("er"),
                                        QStringLiteral("es"), QStringLiteral("em")};
    // "Alternative" is a noun, "präzise" an adjective of its own.
    if (hasWordClass(entry.candidates, WordClass::Noun) ||
        hasWordClass(entry.candidates, WordClass::Adjective))
        return nullptr;
    for (Entry *base : group) {
        if (entry.key.size() > base->key.size() && entry.key.startsWith(base->key) &&
            endings.contains(QStringView(entry.key).mid(base->key.size())) &&
            hasWordClass(base->candidates, WordClass::Adjective))
            return base;
    }
    return nullptr;
}

void Glossary::giveFirstTranslationsOwners()
{
    QHash<QString, std::vector<Entry *>> byFirst;
    for (Entry &entry : m_entries) {
        if (!entry.translations.isEmpty())
            byFirst[entry.translations.first().toCaseFolded()].push_back(&entry);
    }
    for (std::vector<Entry *> &group : byFirst) {
        if (group.size() < 2)
            continue;
        Entry *owner = *std::max_element(group.begin(), group.end(), [this](const Entry *a, const Entry *b) {
            const double sa = ownerScore(*a), sb = ownerScore(*b);
            return sa != sb ? sa < sb : casefold::compare(a->key, b->key) > 0;
        });
        if (Entry *base = adjectiveOf(*owner, group))
            owner = base;
        for (Entry *entry : group) {
            if (entry == owner || casefold::compare(entry->key, owner->key) > 0)
                continue;
            // Before the owner in the file: the page would find this key first. A word reached
            // through English has no label to tell it apart and is left out. A plain word says its
            // next translation with it ("time, times" for mal), not its German key, which would be
            // spoken in the foreign voice. One with no other translation hides the owner.
            entry->owner = false;
            QStringList &translations = entry->translations;
            if (entry->bridged)
                translations.clear();
            else if (!entry->firstLabel.isEmpty())
                translations.first() += QLatin1Char(' ') + entry->firstLabel;
            else if (translations.size() > 1)
                translations.first() += QStringLiteral(", ") + translations.takeAt(1);
            else
                entry->hidesOwner = true;
        }
    }
}

// How surely the key is the everyday German word for a foreign word it gives at place in its list.
double Glossary::foreignOwnerScore(const Entry &entry, const QString &translation, int place) const
{
    double reverse = 0.0;
    double comparison = 0.0;
    for (const Candidate &c : entry.candidates) {
        if (c.text.compare(translation, Qt::CaseInsensitive) != 0)
            continue;
        // Our table's word is checked by hand.
        if (c.source == Source::Curated)
            return std::numeric_limits<double>::max();
        // The reverse dictionary's own order for the foreign headword ("toujours": immer, stets).
        if (c.source == Source::Inverted)
            reverse = std::max(reverse, 3.0 - c.sense - 0.5 * c.item);
        // "older" is the comparison "älter", not the noun "Ältere".
        if (c.comparison)
            comparison = 4.0;
    }
    return reverse + comparison + 1.5 * std::log2(1.0 + m_evidence.together(entry.key, translation)) +
           std::log2(1.0 + germanCount(entry.key)) - 1.5 * place + (place == 0 && entry.firstIsPlain ? 2.0 : 0.0) -
           2.0 * (wordCount(entry.key) - 1) - (entry.bridged ? 3.0 : 0.0);
}

void Glossary::chooseForeignOwners()
{
    constexpr int kPlaces = 3;
    m_foreignOwners.clear();
    for (int i = 0; i < int(m_entries.size()); ++i) {
        const Entry &entry = m_entries[size_t(i)];
        for (int place = 0; place < std::min(kPlaces, int(entry.translations.size())); ++place) {
            const QString &translation = entry.translations[place];
            if (useOf(entry.key, translation) != Use::General)
                continue;
            const double score = foreignOwnerScore(entry, translation, place);
            const QString word = translation.toLower();
            const auto it = m_foreignOwners.constFind(word);
            if (it == m_foreignOwners.cend() || score > it->first ||
                (score == it->first && casefold::compare(entry.key, m_entries[size_t(it->second)].key) < 0))
                m_foreignOwners.insert(word, {score, i});
        }
    }
}

QStringList Glossary::foreignOwnerLines() const
{
    // The entry a search finds: the first in the file with the word as its first translation. Only
    // single words: the pages look a phrase up as typed.
    QHash<QString, int> found;
    for (int i = 0; i < int(m_entries.size()); ++i) {
        const Entry &entry = m_entries[size_t(i)];
        if (entry.translations.isEmpty())
            continue;
        const QString word = entry.translations.first().toLower();
        const auto it = found.constFind(word);
        if (it == found.cend() || casefold::compare(entry.key, m_entries[size_t(*it)].key) < 0)
            found.insert(word, i);
    }
    // The file's own choice stands unless another key is clearly the commoner word for it.
    constexpr double kMargin = 2.0;
    QStringList lines;
    for (auto it = m_foreignOwners.cbegin(); it != m_foreignOwners.cend(); ++it) {
        const Entry &owner = m_entries[size_t(it->second)];
        const int first = found.value(it.key(), -1);
        if (first != it->second &&
            (first < 0 || it->first > foreignOwnerScore(m_entries[size_t(first)], it.key(), 0) + kMargin) &&
            !it.key().contains(QLatin1Char(';')) && !it.key().contains(QLatin1Char(' ')))
            lines << it.key() + QLatin1Char(';') + owner.key;
    }
    return lines;
}

void Glossary::finish()
{
    for (Entry &entry : m_entries)
        orderTranslations(entry);
    chooseForeignOwners();
    giveFirstTranslationsOwners();
}

void Glossary::leaveOutForms(const FormTable &table)
{
    const auto isKey = [this](const QString &base) { return m_byKey.contains(base); };
    for (Entry &entry : m_entries) {
        // A word of our function-word table is a key of its own ("mich", not a form of "ich").
        if (std::any_of(entry.candidates.begin(), entry.candidates.end(),
                        [](const Candidate &c) { return c.source == Source::Curated; }))
            continue;
        const bool verb = hasWordClass(entry.candidates, WordClass::Verb);
        const bool ownWord = verb || hasWordClass(entry.candidates, WordClass::Noun) ||
                             hasWordClass(entry.candidates, WordClass::Adjective);
        const QString tableBase = table.baseOf(entry.key);
        const QStringList sourceBases = m_forms.basesOf(entry.key);
        // Our table is checked by hand against the nouns and adjectives its forms meet ("hast", "weiß").
        if ((!verb && isKey(tableBase) && tableBase != entry.key) ||
            (!ownWord && std::any_of(sourceBases.begin(), sourceBases.end(), isKey)))
            entry.candidates.clear();
    }
}

bool Glossary::hasGeneralSense(const QString &key) const
{
    const auto it = m_byKey.constFind(key);
    return it != m_byKey.cend() && std::any_of(m_entries[size_t(*it)].candidates.begin(),
                                               m_entries[size_t(*it)].candidates.end(),
                                               [](const Candidate &c) { return !c.marked; });
}

Glossary::Use Glossary::useOf(const QString &key, const QString &text) const
{
    const auto it = m_byKey.constFind(key);
    if (it == m_byKey.cend())
        return Use::None;
    Use use = Use::None;
    for (const Candidate &c : m_entries[size_t(*it)].candidates) {
        if (c.text.compare(text, Qt::CaseInsensitive) != 0)
            continue;
        if (!c.marked)
            return Use::General;
        use = Use::Marked;
    }
    return use;
}

bool Glossary::hasOneWordClassFor(const QString &key, const QString &text) const
{
    const auto it = m_byKey.constFind(key);
    if (it == m_byKey.cend())
        return false;
    WordClass seen = WordClass::Other;
    bool given = false;
    for (const Candidate &c : m_entries[size_t(*it)].candidates) {
        const bool same = c.text.compare(text, Qt::CaseInsensitive) == 0;
        if (same && c.verbalNoun)
            return false;
        given = given || same;
        if (c.verbalNoun || c.wordClass == WordClass::Other || c.wordClass == seen)
            continue;
        if (seen != WordClass::Other)
            return false;
        seen = c.wordClass;
    }
    return given;
}

QString Glossary::firstTranslation(const QString &key) const
{
    const auto it = m_byKey.constFind(key);
    return it == m_byKey.cend() ? QString() : m_entries[size_t(*it)].translations.value(0);
}

bool Glossary::ownsFirstTranslation(const QString &key) const
{
    const auto it = m_byKey.constFind(key);
    return it != m_byKey.cend() && m_entries[size_t(*it)].owner;
}

QStringList Glossary::keys() const
{
    QStringList all;
    for (const Entry &entry : m_entries)
        all << entry.key;
    return all;
}

bool Glossary::hasSingularNoun(const QString &key) const
{
    const auto it = m_byKey.constFind(key);
    return it != m_byKey.cend() &&
           std::any_of(m_entries[size_t(*it)].candidates.begin(), m_entries[size_t(*it)].candidates.end(),
                       [](const Candidate &c) { return c.wordClass == WordClass::Noun && !c.marked && !c.pluralOnly; });
}

WordClass Glossary::firstWordClass(const QString &key) const
{
    const auto it = m_byKey.constFind(key);
    if (it == m_byKey.cend() || m_entries[size_t(*it)].translations.isEmpty())
        return WordClass::Other;
    const Entry &entry = m_entries[size_t(*it)];
    for (const Candidate &c : entry.candidates) {
        // Only the Ding list marks parts of speech: the first translation is a verb where it says so.
        if (c.wordClass != WordClass::Other && c.text.compare(entry.translations.first(), Qt::CaseInsensitive) == 0)
            return c.wordClass;
    }
    return WordClass::Other;
}

namespace {

// "macht" machen, "jünger" jung: the form begins with the base without its infinitive ending, umlauts aside.
bool beginsWithStem(const QString &form, const QString &base)
{
    const auto folded = [](QString word) {
        return word.replace(QChar(u'ä'), QLatin1Char('a')).replace(QChar(u'ö'), QLatin1Char('o')).replace(QChar(u'ü'), QLatin1Char('u'));
    };
    QString stem = folded(base);
    if (stem.endsWith(QLatin1String("en")))
        stem.chop(2);
    else if (stem.endsWith(QLatin1Char('n')))
        stem.chop(1);
    return stem.size() >= 2 && folded(form).startsWith(stem);
}

} // namespace

// A noun key that is also the form of a verb or an adjective the source lists ("Sucht", "sucht":
// suchen; "Jünger", "jünger": jung): that word's first translation, which a word written in lower
// case means.
QString Glossary::lowerCaseReading(const QString &key, const FormTable &hand) const
{
    QString reading;
    std::pair<FormKind, qsizetype> best{FormKind::Plural, 0};
    std::vector<WordForm> forms;
    for (const QString &base : hand.basesOf(key))
        forms.push_back({key, base, FormKind::Hand});
    const std::vector<WordForm> sourceForms = m_forms.entriesOf(key);
    forms.insert(forms.end(), sourceForms.begin(), sourceForms.end());
    for (const WordForm &form : forms) {
        const QString translation = firstTranslation(form.base);
        const WordClass wordClass = firstWordClass(form.base);
        // "sucht" is "suchen", not "aussuchen" ("sucht aus") or "heimsuchen": a form that begins with
        // its base's stem, a verb before a separable one, the shorter base first.
        if (form.kind == FormKind::Plural || translation.isEmpty() || !beginsWithStem(key, form.base) ||
            (wordClass != WordClass::Verb && wordClass != WordClass::Adjective))
            continue;
        const std::pair<FormKind, qsizetype> rank{form.kind, form.base.size()};
        if (reading.isEmpty() || rank < best) {
            reading = translation;
            best = rank;
        }
    }
    return reading;
}

QStringList Glossary::wordClassLines(const FormTable &hand) const
{
    QStringList lines;
    for (const Entry &entry : m_entries) {
        QString verb;
        QString noun;
        QString adjective;
        for (const QString &translation : entry.translations) {
            for (const Candidate &c : entry.candidates) {
                if (c.text.compare(translation, Qt::CaseInsensitive) != 0)
                    continue;
                if (c.wordClass == WordClass::Verb && verb.isEmpty())
                    verb = translation;
                else if (c.wordClass == WordClass::Noun && noun.isEmpty())
                    noun = translation;
                else if (c.wordClass == WordClass::Adjective && !c.marked && adjective.isEmpty())
                    adjective = translation;
            }
        }
        // Written in lower case, a noun key is the adjective ("arm": poor) or the form it also is.
        if (verb.isEmpty() && !noun.isEmpty() && noun == entry.translations.value(0))
            verb = adjective.isEmpty() ? lowerCaseReading(entry.key, hand) : adjective;
        if (!verb.isEmpty() && !noun.isEmpty() && verb.compare(noun, Qt::CaseInsensitive) != 0)
            lines << entry.key + QLatin1Char(';') + verb + QLatin1Char(';') + noun;
    }
    lines.sort();
    return lines;
}

int Glossary::germanCount(const QString &key) const
{
    return m_evidence.germanCount(key) + (m_otherCounts ? m_otherCounts->germanCount(key) : 0);
}

bool Glossary::mostlyOutsideWindows1252() const
{
    qsizetype outside = 0;
    for (const Entry &entry : m_entries) {
        if (!entry.translations.isEmpty() && !TextFile::fitsWindows1252(entry.translations.first()))
            ++outside;
    }
    return outside * 2 > qsizetype(m_entries.size());
}

// How likely a person looks the key up: words met often in the sources, keys with many senses and
// examples, short keys and few words first. A key that hides the owner of its translation from the
// foreign direction's search goes first when the file is full: the supplementary file still answers
// it, and the owner is found.
double Glossary::usefulness(const Entry &entry) const
{
    if (entry.hidesOwner)
        return std::numeric_limits<double>::lowest();
    int examples = 0;
    for (const Candidate &c : entry.candidates)
        examples += c.examples;
    return 2.0 * std::log2(1.0 + germanCount(entry.key)) + qMin<double>(double(entry.candidates.size()), 5) +
           0.5 * qMin(examples, 6) - 0.1 * double(entry.key.size()) - 2.0 * double(wordCount(entry.key) - 1) -
           (entry.bridged ? 2.0 : 0.0);
}

GlossaryResult Glossary::write(const QString &outPath, const QString &languageName, int maxKeys,
                               const QString &supplementPath)
{
    GlossaryResult result;
    result.utf8 = mostlyOutsideWindows1252();
    std::vector<Entry *> kept;
    for (Entry &entry : m_entries) {
        if (!result.utf8) {
            if (!TextFile::fitsWindows1252(entry.key))
                continue;
            entry.translations.removeIf([](const QString &t) { return !TextFile::fitsWindows1252(t); });
        }
        if (!entry.translations.isEmpty())
            kept.push_back(&entry);
    }
    maxKeys = qBound(0, maxKeys - 1, 4 * kMaxSectionLines - 2);
    std::vector<Entry *> further;
    if (int(kept.size()) > maxKeys) {
        std::vector<std::pair<double, Entry *>> ranked;
        for (Entry *entry : kept)
            ranked.emplace_back(usefulness(*entry), entry);
        std::stable_sort(ranked.begin(), ranked.end(),
                         [](const auto &a, const auto &b) { return a.first > b.first; });
        kept.clear();
        for (size_t i = 0; i < ranked.size(); ++i)
            (int(i) < maxKeys ? kept : further).push_back(ranked[i].second);
    }
    const auto lineOf = [](const Entry *entry) {
        QStringList furtherTranslations = entry->translations.mid(1, kFurtherTranslations);
        if (entry->bridged)
            furtherTranslations.prepend(kBridgeNote);
        // A label may hold the field separator ("[Thema; Frage]").
        const QString fields[] = {entry->key, entry->translations.first(),
                                  furtherTranslations.join(QLatin1String(", "))};
        QStringList line;
        for (QString field : fields)
            line << field.replace(QLatin1Char(';'), QLatin1Char(','));
        return line.join(QLatin1Char(';'));
    };
    // Sorted as the pages' search compares keys.
    const auto sortedLines = [&lineOf](std::vector<Entry *> &entries) {
        std::sort(entries.begin(), entries.end(), [](const Entry *a, const Entry *b) {
            const int c = casefold::compare(a->key, b->key);
            return c != 0 ? c < 0 : a->key < b->key;
        });
        QStringList lines;
        for (const Entry *entry : entries)
            lines << lineOf(entry);
        return lines;
    };

    QStringList lines;
    lines << dictionaryHeaderLine() << QStringLiteral("??;Deutsch;") + languageName << sortedLines(kept);
    result.keys = int(kept.size()) + 1;

    // Four sections of (nearly) equal size.
    const qsizetype per = (lines.size() + 3) / 4;
    QStringList withSeparators;
    for (int s = 0; s < 4; ++s) {
        if (s > 0)
            withSeparators << dictionarySeparator();
        withSeparators << lines.mid(s * per, per);
    }
    if (!TextFile::writeLines(outPath, withSeparators)) {
        result.error = QStringLiteral("Die Datei kann nicht geschrieben werden: %1").arg(outPath);
        return result;
    }
    if (supplementPath.isEmpty())
        return result;
    result.furtherKeys = int(further.size());
    if (!TextFile::writeLines(supplementPath, QStringList{dictionaryHeaderLine()} << sortedLines(further)))
        result.error = QStringLiteral("Die Datei kann nicht geschrieben werden: %1").arg(supplementPath);
    return result;
}

} // namespace ortelia
