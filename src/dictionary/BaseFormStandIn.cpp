#include "BaseFormStandIn.h"

#include "BaseFormFinder.h"
#include "DictionaryFormat.h"
#include "FormTable.h"
#include "GermanVerbs.h"
#include "PageFile.h"
#include "ProgramFolder.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace ortelia::web {

namespace {

const QString kGerman = germanColumn();
const QString kForeign = foreignColumn();
const QString kNote = noteColumn();

int firstRecord(const TabularData &data, const QString &column, const QString &word)
{
    return data.firstRecord(data.column(column), word);
}

QString fieldOf(const TabularData &data, int record, const QString &column)
{
    return data.field(record, data.column(column));
}

// The asked form first, so that the answer shows what happened.
QString noteWithForm(const TabularData &data, int record, const QString &asked)
{
    const QString note = fieldOf(data, record, kNote);
    return note.isEmpty() ? asked : asked + QStringLiteral(" – ") + note;
}

// The first record of the foreign base whose German key is of the kind the form asks for (a verb
// for "fought", a noun for "fights"), else its first record.
int recordOfKind(const TabularData &data, const QString &base, WordKind kind, const GermanVerbs &verbs)
{
    const Selection records = data.select(kForeign + QStringLiteral(" = ") + base, false);
    for (int i = 0; i < records.size(); ++i) {
        const int record = records.record(i);
        if (verbs.isVerbFor(fieldOf(data, record, kGerman), base) == (kind == WordKind::Verb))
            return record;
    }
    return firstRecord(data, kForeign, base);
}

// The key's sense as a noun (capital) or as a verb or adjective where its first translation is the
// other one ("Essen" food, "sucht" look for); empty where the first translation fits already.
QString otherReading(const GermanVerbs &senses, const QString &key, const QString &first, bool capital)
{
    const QString other = senses.senseOf(key, !capital);
    const QString wanted = senses.senseOf(key, capital);
    return !wanted.isEmpty() && first.compare(other, Qt::CaseInsensitive) == 0 ? wanted : QString();
}

// "oberestextfeld = Haus": the column in lower case and the word.
std::optional<std::pair<QString, QString>> singleTerm(const QString &filter)
{
    static const QRegularExpression single(QStringLiteral("^\\s*(\\w+)\\s*=\\s*(\\w+)\\s*$"),
                                           QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch match = single.match(filter);
    if (!match.hasMatch())
        return std::nullopt;
    return std::make_pair(match.captured(1).toLower(), match.captured(2));
}

} // namespace

BaseFormStandIn::BaseFormStandIn(const QString &param, const QString &pageDir)
{
    const QStringList words = param.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return;
    const QString table = ProgramFolder::resolve(pageDir, words[0]);
    if (!PageFile::withinReach(pageDir, table))
        return;
    m_tablePath = table;
    m_foreignLanguage = words.value(1);
}

const BaseFormFinder &BaseFormStandIn::finder() const
{
    return BaseFormFinder::shared(m_tablePath, m_foreignLanguage);
}

std::optional<BaseFormStandIn::Answer> BaseFormStandIn::answer(const TabularData &data, const QString &filter,
                                                               const QString &dataPath) const
{
    if (m_tablePath.isEmpty())
        return std::nullopt;
    const auto term = singleTerm(filter);
    if (!term)
        return std::nullopt;
    const auto &[column, word] = *term;
    if (column == kGerman)
        return german(data, word, dataPath);
    if (column != kForeign)
        return std::nullopt;
    // "closed" is a form of "close" before it is a further sense of "gesperrt".
    if (!m_foreignLanguage.isEmpty()) {
        if (std::optional<Answer> found = foreign(data, word, dataPath))
            return found;
    }
    if (std::optional<Answer> owned = ownerAnswer(data, word, dataPath))
        return owned;
    return furtherTranslation(data, word);
}

std::optional<BaseFormStandIn::Answer> BaseFormStandIn::caseReading(const TabularData &data, const QString &filter,
                                                                    int record, const QString &dataPath) const
{
    const auto term = singleTerm(filter);
    if (!m_tablePath.isEmpty() && term && term->first == kForeign)
        return ownerAnswer(data, term->second, dataPath);
    if (m_tablePath.isEmpty() || !term || term->first != kGerman ||
        fieldOf(data, record, kGerman).compare(term->second, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    const QString &word = term->second;
    const bool capital = word[0].isUpper();
    const QString singular =
        finder().singularOf(word, [&data](const QString &w) { return firstRecord(data, kGerman, w) >= 0; });
    if (!singular.isEmpty()) {
        Answer answer;
        answer.record = firstRecord(data, kGerman, singular);
        answer.fields.insert(kNote, noteWithForm(data, answer.record, word));
        return answer;
    }
    const QString wanted = otherReading(verbsOf(dataPath), word, fieldOf(data, record, kForeign), capital);
    if (wanted.isEmpty())
        return std::nullopt;
    Answer answer;
    answer.record = record;
    answer.fields.insert(kForeign, wanted);
    return answer;
}

QString BaseFormStandIn::foreignBase(const QString &word,
                                     const std::function<bool(const QString &)> &known) const
{
    if (m_tablePath.isEmpty() || m_foreignLanguage.isEmpty())
        return QString();
    return finder().foreign(word, known).value(0);
}

std::optional<BaseFormStandIn::Answer> BaseFormStandIn::german(const TabularData &data, const QString &word,
                                                               const QString &dataPath) const
{
    const QStringList parts =
        finder().german(word, [&data](const QString &w) { return firstRecord(data, kGerman, w) >= 0; });
    if (parts.isEmpty())
        return std::nullopt;
    Answer answer;
    answer.record = firstRecord(data, kGerman, parts.last());
    if (parts.size() == 1) {
        answer.fields.insert(kNote, noteWithForm(data, answer.record, word));
        // "ärmer" is poorer, not the limb of "arm".
        const QString sense = otherReading(verbsOf(dataPath), parts[0], fieldOf(data, answer.record, kForeign),
                                           word[0].isUpper());
        if (!sense.isEmpty())
            answer.fields.insert(kForeign, sense);
        return answer;
    }
    QStringList translations;
    for (const QString &part : parts)
        translations << fieldOf(data, firstRecord(data, kGerman, part), kForeign);
    answer.fields.insert(kGerman, parts.join(QLatin1Char('+')));
    answer.fields.insert(kForeign, translations.join(QLatin1Char(' ')));
    answer.fields.insert(kNote, word);
    return answer;
}

std::optional<BaseFormStandIn::Answer> BaseFormStandIn::foreign(const TabularData &data, const QString &word,
                                                                const QString &dataPath) const
{
    const FormTable &owners = ownersOf(dataPath);
    const std::optional<BaseCandidate> found = finder().foreignBase(word, [&](const QString &w) {
        return firstRecord(data, kForeign, w) >= 0 || !owners.baseOf(w).isEmpty();
    });
    if (!found)
        return std::nullopt;
    const GermanVerbs &verbs = verbsOf(dataPath);
    Answer answer;
    // The everyday German word for the base, where it is of the kind the form asks for.
    const QString owner = owners.baseOf(found->base);
    const int ownerRecord = owner.isEmpty() ? -1 : firstRecord(data, kGerman, owner);
    if (ownerRecord >= 0 &&
        (found->kind == WordKind::Any || verbs.isVerbFor(owner, found->base) == (found->kind == WordKind::Verb))) {
        answer.record = ownerRecord;
        answer.fields.insert(kForeign, found->base);
    } else if (firstRecord(data, kForeign, found->base) < 0) {
        return std::nullopt;
    } else {
        answer.record = found->kind == WordKind::Any ? firstRecord(data, kForeign, found->base)
                                                     : recordOfKind(data, found->base, found->kind, verbs);
    }
    answer.fields.insert(kNote, noteWithForm(data, answer.record, word));
    return answer;
}

std::optional<BaseFormStandIn::Answer> BaseFormStandIn::furtherTranslation(const TabularData &data,
                                                                           const QString &word) const
{
    if (m_itemsOf != &data || m_itemsCount != data.recordCount()) {
        m_items.clear();
        m_itemsOf = &data;
        m_itemsCount = data.recordCount();
        const int column = data.column(kNote);
        const int keys = data.column(kGerman);
        // The earliest place in a record's list wins, then the shorter key ("city": Stadt before
        // Großstadt at the same place), then the record first in the file.
        QHash<QString, std::pair<int, qsizetype>> rank;
        for (int record = 0; record < m_itemsCount; ++record) {
            const QStringList items = data.field(record, column).split(QStringLiteral(", "), Qt::SkipEmptyParts);
            const qsizetype keyLength = data.field(record, keys).size();
            for (int i = 0; i < items.size(); ++i) {
                const QString item = items[i].trimmed().toCaseFolded();
                const std::pair<int, qsizetype> here{i, keyLength};
                const auto known = rank.constFind(item);
                if (known == rank.cend() || here < *known) {
                    rank.insert(item, here);
                    m_items.insert(item, record);
                }
            }
        }
    }
    const QString folded = word.toCaseFolded();
    auto found = m_items.constFind(folded);
    QString item = word;
    // "cities": the further translation "city".
    if (found == m_items.cend() && !m_foreignLanguage.isEmpty()) {
        item = finder().foreign(word, [this](const QString &w) { return m_items.contains(w.toCaseFolded()); }).value(0);
        found = item.isEmpty() ? m_items.cend() : m_items.constFind(item.toCaseFolded());
    }
    if (found == m_items.cend())
        return std::nullopt;
    Answer answer;
    answer.record = *found;
    answer.fields.insert(kForeign, item);
    answer.fields.insert(kNote, word.compare(item, Qt::CaseInsensitive) == 0 ? fieldOf(data, *found, kNote)
                                                                             : noteWithForm(data, *found, word));
    return answer;
}

std::optional<BaseFormStandIn::Answer> BaseFormStandIn::ownerAnswer(const TabularData &data, const QString &word,
                                                                    const QString &dataPath) const
{
    const QString owner = ownersOf(dataPath).baseOf(word);
    const int record = owner.isEmpty() ? -1 : firstRecord(data, kGerman, owner);
    // A dictionary edited since the import may no longer give the key that word.
    if (record < 0 || !(fieldOf(data, record, kForeign) + QStringLiteral(", ") + fieldOf(data, record, kNote))
                           .contains(word, Qt::CaseInsensitive))
        return std::nullopt;
    Answer answer;
    answer.record = record;
    answer.fields.insert(kForeign, word);
    return answer;
}

const FormTable &BaseFormStandIn::ownersOf(const QString &dataPath) const
{
    if (!m_owners || dataPath != m_ownersPath) {
        m_ownersPath = dataPath;
        QString error;
        std::optional<FormTable> read =
            dataPath.isEmpty() || !QFileInfo::exists(foreignOwnersName(dataPath))
                ? std::nullopt
                : FormTable::read(foreignOwnersName(dataPath), error);
        m_owners = std::make_shared<const FormTable>(read ? std::move(*read) : FormTable());
    }
    return *m_owners;
}

const GermanVerbs &BaseFormStandIn::verbsOf(const QString &dataPath) const
{
    if (!m_verbs || dataPath != m_verbsPath) {
        m_verbsPath = dataPath;
        m_verbs = std::make_shared<const GermanVerbs>(dataPath.isEmpty() ? GermanVerbs()
                                                                         : GermanVerbs::read(wordClassesName(dataPath)));
    }
    return *m_verbs;
}

} // namespace ortelia::web
