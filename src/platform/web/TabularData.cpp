#include "TabularData.h"

#include "CaseFold.h"
#include "TextFile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
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

struct FilterTerm {
    int column = -1;
    QString value;
    bool notEqual = false;
    bool wildcard = false;
};

bool isNameStart(QChar c) { return c.isLetter() || c == QLatin1Char('_'); }
bool isNameChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

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

TabularData::TabularData(QString text, QChar delimiter, bool useHeader) : m_text(std::move(text))
{
    const QChar *data = m_text.constData();
    const qsizetype size = m_text.size();
    qsizetype pos = 0;
    bool headerPending = useHeader;
    std::vector<std::pair<qsizetype, qsizetype>> fields;
    while (pos < size) {
        qsizetype end = pos;
        while (end < size && data[end] != QLatin1Char('\n') && data[end] != QLatin1Char('\r'))
            ++end;
        if (end > pos) {
            fields.clear();
            qsizetype fieldStart = pos;
            for (qsizetype i = pos; i <= end; ++i) {
                if (i == end || data[i] == delimiter) {
                    fields.emplace_back(fieldStart, i - fieldStart);
                    fieldStart = i + 1;
                }
            }
            if (headerPending) {
                for (const auto &[start, length] : fields)
                    m_columns << m_text.mid(start, length).trimmed();
                headerPending = false;
            } else {
                if (m_columns.isEmpty()) {
                    for (size_t c = 0; c < fields.size(); ++c)
                        m_columns << QStringLiteral("Column%1").arg(c + 1);
                }
                for (int c = 0; c < m_columns.size(); ++c) {
                    const bool present = size_t(c) < fields.size();
                    m_start.push_back(present ? quint32(fields[size_t(c)].first) : 0);
                    m_length.push_back(present ? quint32(fields[size_t(c)].second) : 0);
                }
                ++m_records;
            }
        }
        pos = end;
        if (pos < size && data[pos] == QLatin1Char('\r'))
            ++pos;
        if (pos < size && data[pos] == QLatin1Char('\n'))
            ++pos;
    }
    m_indexes.resize(size_t(m_columns.size()));
}

int TabularData::column(QStringView name) const
{
    for (int c = 0; c < m_columns.size(); ++c) {
        if (name.compare(m_columns[c], Qt::CaseInsensitive) == 0)
            return c;
    }
    return -1;
}

QStringView TabularData::field(int record, int column) const
{
    if (record < 0 || record >= m_records || column < 0 || column >= m_columns.size())
        return {};
    const size_t i = size_t(record) * size_t(m_columns.size()) + size_t(column);
    return QStringView(m_text).mid(m_start[i], m_length[i]);
}

int TabularData::compareField(int record, int column, QStringView value) const
{
    return casefold::compare(field(record, column), value);
}

const std::vector<int> &TabularData::index(int column) const
{
    std::vector<int> &index = m_indexes[size_t(column)];
    if (!index.empty() || m_records == 0)
        return index;
    const auto less = [this, column](int a, int b) {
        const int c = casefold::compare(field(a, column), field(b, column));
        return c != 0 ? c < 0 : a < b;
    };
    // Dictionaries are sorted by their first column already: keep the ordered run and sort only
    // the few records out of order (the separator lines), then merge the two.
    std::vector<int> ordered;
    std::vector<int> others;
    ordered.reserve(size_t(m_records));
    for (int r = 0; r < m_records; ++r) {
        if (ordered.empty() || less(ordered.back(), r))
            ordered.push_back(r);
        else
            others.push_back(r);
    }
    std::sort(others.begin(), others.end(), less);
    index.resize(size_t(m_records));
    std::merge(ordered.begin(), ordered.end(), others.begin(), others.end(), index.begin(), less);
    return index;
}

Selection TabularData::select(const QString &filter, bool caseSensitive) const
{
    const std::optional<std::vector<FilterTerm>> terms = parseFilter(filter, *this);
    if (!terms)
        return Selection::of({});
    if (terms->empty())
        return Selection::all(m_records);
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
            for (auto it = first; it != idx.end() && casefold::primaryStartsWith(field(*it, col), prefix); ++it)
                candidates.push_back(*it);
            std::sort(candidates.begin(), candidates.end());
        }
    } else {
        candidates.resize(size_t(m_records));
        for (int r = 0; r < m_records; ++r)
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

std::shared_ptr<const TabularData> TabularDataCache::load(const QString &path, QChar delimiter, bool useHeader)
{
    static quint64 useCounter = 0;
    const QFileInfo info(path);
    if (!info.isFile())
        return std::make_shared<const TabularData>(QString(), delimiter, useHeader);
    const QString key = info.absoluteFilePath() + QChar(0) + delimiter + (useHeader ? u'1' : u'0');
    auto &entries = cache();
    auto it = entries.find(key);
    if (it != entries.end() && it->size == info.size() && it->modified == info.lastModified()) {
        it->lastUse = ++useCounter;
        return it->data;
    }
    QString text;
    if (info.size() <= kMaxFileBytes) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            text = TextFile::decode(file.readAll());
    }
    CacheEntry entry{info.size(), info.lastModified(),
                     std::make_shared<const TabularData>(std::move(text), delimiter, useHeader), ++useCounter};
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

void TabularDataCache::clear() { cache().clear(); }

} // namespace ortelia::web
