#include "TabularData.h"

#include "CaseFold.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <limits>
#include <optional>

namespace ortelia::web {

Selection Selection::all(int count)
{
    Selection s;
    s.m_all = true;
    s.m_count = count;
    return s;
}

Selection Selection::of(std::vector<int> records)
{
    Selection s;
    s.m_records = std::move(records);
    return s;
}

namespace {

// Field f of a record whose fields begin at offsets[0..count) and whose last field ends at
// offsets[count]; the others end where the delimiter before the next one begins.
QByteArrayView fieldSlice(QByteArrayView bytes, const quint32 *offsets, size_t count, size_t f,
                          qsizetype delimiterSize)
{
    const quint32 end = f + 1 == count ? offsets[f + 1] : offsets[f + 1] - quint32(delimiterSize);
    return bytes.sliced(offsets[f], end - offsets[f]);
}

struct FilterTerm {
    int column = -1;
    QString value;
    bool notEqual = false;
    bool wildcard = false;
};

bool isNameStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_');
}
bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// Reads "name op" at pos (blanks allowed around); on success pos is just after the operator.
bool readNameAndOperator(const QString &f, qsizetype &pos, QString &name, bool &notEqual)
{
    qsizetype p = pos;
    while (p < f.size() && f[p].isSpace())
        ++p;
    if (p >= f.size() || !isNameStart(f[p]))
        return false;
    const qsizetype start = p;
    while (p < f.size() && isNameChar(f[p]))
        ++p;
    name = f.mid(start, p - start);
    while (p < f.size() && f[p].isSpace())
        ++p;
    if (f.mid(p, 2) == QLatin1String("<>")) {
        notEqual = true;
        p += 2;
    } else if (p < f.size() && f[p] == QLatin1Char('=')) {
        notEqual = false;
        p += 1;
    } else {
        return false;
    }
    pos = p;
    return true;
}

// A "&" only separates terms when a new "name op" follows it; otherwise it belongs to the value.
std::optional<std::vector<FilterTerm>> parseFilter(const QString &filter, const TabularData &data)
{
    std::vector<FilterTerm> terms;
    if (filter.trimmed().isEmpty())
        return terms;
    qsizetype pos = 0;
    while (pos < filter.size()) {
        QString name;
        FilterTerm term;
        if (!readNameAndOperator(filter, pos, name, term.notEqual))
            return std::nullopt;
        qsizetype end = pos;
        qsizetype next = filter.size();
        while ((end = filter.indexOf(QLatin1Char('&'), end)) >= 0) {
            qsizetype after = end + 1;
            QString n;
            bool ne = false;
            if (readNameAndOperator(filter, after, n, ne)) {
                next = end;
                break;
            }
            ++end;
        }
        QString value = filter.mid(pos, next - pos).trimmed();
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
            value = value.mid(1, value.size() - 2);
        term.column = data.column(name);
        term.value = value;
        term.wildcard = value.contains(QLatin1Char('*'));
        terms.push_back(term);
        pos = next < filter.size() ? next + 1 : next;
    }
    return terms;
}

bool termMatches(const FilterTerm &term, QStringView value, bool caseSensitive)
{
    bool equal;
    if (term.wildcard)
        equal = casefold::wildcardMatch(value, term.value, caseSensitive);
    else if (caseSensitive)
        equal = value == QStringView(term.value);
    else
        equal = casefold::compareFolded(value, term.value) == 0;
    return equal != term.notEqual;
}

} // namespace

TabularData::TabularData(MappedText text, QChar delimiter, bool useHeader) : m_text(std::move(text))
{
    const QByteArrayView bytes = m_text.bytes();
    const QByteArray delim = m_text.encode(delimiter);
    m_delimiterSize = delim.size();
    const char *data = bytes.data();
    const qsizetype size = bytes.size();
    // Fields of the line being read: each field's start, then the end of the last one.
    std::vector<quint32> fields;
    const auto splitLine = [&](qsizetype pos, qsizetype end, size_t maxFields) {
        fields.clear();
        fields.push_back(quint32(pos));
        if (!delim.isEmpty()) {
            qsizetype at = pos;
            while (fields.size() < maxFields &&
                   (at = bytes.sliced(0, end).indexOf(QByteArrayView(delim), at)) >= 0) {
                fields.push_back(quint32(at + m_delimiterSize));
                at += m_delimiterSize;
            }
        }
        // Fields beyond the columns are not kept: the last kept one ends at its own delimiter.
        qsizetype last = end;
        if (fields.size() == maxFields && !delim.isEmpty()) {
            const qsizetype next = bytes.sliced(0, end).indexOf(QByteArrayView(delim), fields.back());
            if (next >= 0)
                last = next;
        }
        fields.push_back(quint32(last));
    };

    qsizetype pos = 0;
    bool headerPending = useHeader;
    m_firstOffset.push_back(0);
    while (pos < size) {
        qsizetype end = pos;
        while (end < size && data[end] != '\n' && data[end] != '\r')
            ++end;
        if (end > pos) {
            if (headerPending) {
                splitLine(pos, end, std::numeric_limits<size_t>::max());
                for (size_t f = 0; f + 1 < fields.size(); ++f)
                    m_columns << m_text
                                     .decode(fieldSlice(bytes, fields.data(), fields.size() - 1, f,
                                                        m_delimiterSize))
                                     .trimmed();
                headerPending = false;
            } else {
                splitLine(pos, end,
                          m_columns.isEmpty() ? std::numeric_limits<size_t>::max()
                                              : size_t(m_columns.size()));
                if (m_columns.isEmpty()) {
                    for (size_t c = 0; c + 1 < fields.size(); ++c)
                        m_columns << QStringLiteral("Column%1").arg(c + 1);
                }
                m_offsets.insert(m_offsets.end(), fields.begin(), fields.end());
                m_firstOffset.push_back(quint32(m_offsets.size()));
            }
        }
        pos = end;
        if (pos < size && data[pos] == '\r')
            ++pos;
        if (pos < size && data[pos] == '\n')
            ++pos;
    }
    m_offsets.shrink_to_fit();
    m_firstOffset.shrink_to_fit();
}

void TabularData::keepIndexesIn(std::unique_ptr<ColumnIndexFile> file)
{
    m_indexFile = std::move(file);
}

int TabularData::column(QStringView name) const
{
    for (int c = 0; c < m_columns.size(); ++c) {
        if (name.compare(m_columns[c], Qt::CaseInsensitive) == 0)
            return c;
    }
    return -1;
}

QByteArrayView TabularData::fieldBytes(int record, int column) const
{
    if (record < 0 || record >= recordCount() || column < 0)
        return {};
    const quint32 first = m_firstOffset[size_t(record)];
    const quint32 fieldCount = m_firstOffset[size_t(record) + 1] - first - 1;
    if (quint32(column) >= fieldCount)
        return {};
    return fieldSlice(m_text.bytes(), m_offsets.data() + first, fieldCount, size_t(column), m_delimiterSize);
}

QString TabularData::field(int record, int column) const
{
    return m_text.decode(fieldBytes(record, column));
}

int TabularData::compareField(int record, int column, QStringView value) const
{
    return casefold::compare(field(record, column), value);
}

const std::vector<int> &TabularData::index(int column) const
{
    if (const auto found = m_indexes.find(column); found != m_indexes.end())
        return found->second;
    std::optional<std::vector<int>> stored = m_indexFile ? m_indexFile->read(column) : std::nullopt;
    if (stored && stored->size() == size_t(recordCount()))
        return m_indexes.emplace(column, std::move(*stored)).first->second;
    const std::vector<int> &built = m_indexes.emplace(column, buildIndex(column)).first->second;
    if (m_indexFile)
        m_indexFile->write(m_indexes);
    return built;
}

std::vector<int> TabularData::buildIndex(int column) const
{
    const int records = recordCount();
    // The column decoded once into one buffer, so that sorting compares text, not bytes.
    QString values;
    std::vector<quint32> starts;
    starts.reserve(size_t(records) + 1);
    for (int r = 0; r < records; ++r) {
        starts.push_back(quint32(values.size()));
        values += field(r, column);
    }
    starts.push_back(quint32(values.size()));
    const auto view = [&](int r) {
        return QStringView(values).sliced(starts[size_t(r)], starts[size_t(r) + 1] - starts[size_t(r)]);
    };
    const auto less = [&](int a, int b) {
        const int c = casefold::compare(view(a), view(b));
        return c != 0 ? c < 0 : a < b;
    };
    // Dictionaries are sorted by their first column already: keep the ordered run and sort only
    // the few records out of order (the separator lines), then merge the two.
    std::vector<int> ordered;
    std::vector<int> others;
    ordered.reserve(size_t(records));
    for (int r = 0; r < records; ++r) {
        if (ordered.empty() || less(ordered.back(), r))
            ordered.push_back(r);
        else
            others.push_back(r);
    }
    std::sort(others.begin(), others.end(), less);
    std::vector<int> index(static_cast<size_t>(records));
    std::merge(ordered.begin(), ordered.end(), others.begin(), others.end(), index.begin(), less);
    return index;
}

Selection TabularData::select(const QString &filter, bool caseSensitive) const
{
    const std::optional<std::vector<FilterTerm>> terms = parseFilter(filter, *this);
    if (!terms)
        return Selection::of({});
    if (terms->empty())
        return Selection::all(recordCount());
    for (const FilterTerm &term : *terms) {
        if (term.column < 0)
            return Selection::of({});
    }

    // The first "=" term whose value has a fixed beginning narrows the search through its index.
    const FilterTerm *driver = nullptr;
    QString prefix;
    for (const FilterTerm &term : *terms) {
        if (term.notEqual)
            continue;
        const qsizetype star = term.value.indexOf(QLatin1Char('*'));
        if (star != 0) {
            driver = &term;
            prefix = star < 0 ? term.value : term.value.left(star);
            break;
        }
    }

    std::vector<int> candidates;
    if (driver) {
        const std::vector<int> &idx = index(driver->column);
        const int col = driver->column;
        auto first = std::lower_bound(idx.begin(), idx.end(), prefix,
                                      [&](int r, const QString &v) { return compareField(r, col, v) < 0; });
        if (!driver->wildcard) {
            for (auto it = first; it != idx.end() && compareField(*it, col, prefix) == 0; ++it)
                candidates.push_back(*it);
        } else {
            for (auto it = first; it != idx.end() && casefold::primaryStartsWith(field(*it, col), prefix);
                 ++it)
                candidates.push_back(*it);
            std::sort(candidates.begin(), candidates.end());
        }
    } else {
        candidates.resize(size_t(recordCount()));
        for (int r = 0; r < recordCount(); ++r)
            candidates[size_t(r)] = r;
    }

    std::vector<int> result;
    for (int r : candidates) {
        bool ok = true;
        for (const FilterTerm &term : *terms) {
            if (!termMatches(term, field(r, term.column), caseSensitive)) {
                ok = false;
                break;
            }
        }
        if (ok)
            result.push_back(r);
    }
    return Selection::of(std::move(result));
}

namespace {

struct CacheEntry {
    qint64 size = -1;
    QDateTime modified;
    std::shared_ptr<const TabularData> data;
    quint64 lastUse = 0;
};

QHash<QString, CacheEntry> &cache()
{
    static QHash<QString, CacheEntry> entries;
    return entries;
}

constexpr int kCachedFiles = 8;

} // namespace

std::shared_ptr<const TabularData> TabularDataCache::load(const QString &path, QChar delimiter,
                                                          bool useHeader)
{
    static quint64 useCounter = 0;
    const QFileInfo info(path);
    if (!info.isFile())
        return std::make_shared<const TabularData>(MappedText::of({}), delimiter, useHeader);
    const QString key = info.absoluteFilePath() + QChar(0) + delimiter + (useHeader ? u'1' : u'0');
    auto &entries = cache();
    auto it = entries.find(key);
    if (it != entries.end() && it->size == info.size() && it->modified == info.lastModified()) {
        it->lastUse = ++useCounter;
        return it->data;
    }
    std::optional<MappedText> text;
    if (info.size() <= kMaxFileBytes)
        text = MappedText::map(path);
    auto data =
        std::make_shared<TabularData>(text ? std::move(*text) : MappedText::of({}), delimiter, useHeader);
    data->keepIndexesIn(std::make_unique<ColumnIndexFile>(
        path, ColumnIndexFile::Key{info.size(), info.lastModified(), delimiter.unicode(), useHeader,
                                   data->recordCount()}));
    CacheEntry entry{info.size(), info.lastModified(), std::move(data), ++useCounter};
    if (it == entries.end() && entries.size() >= kCachedFiles) {
        auto oldest = entries.begin();
        for (auto e = entries.begin(); e != entries.end(); ++e) {
            if (e->lastUse < oldest->lastUse)
                oldest = e;
        }
        entries.erase(oldest);
    }
    entries.insert(key, entry);
    return entry.data;
}

void TabularDataCache::clear()
{
    cache().clear();
}

} // namespace ortelia::web
