#include "TabularData.h"

#include "CaseFold.h"
#include "DictionaryFormat.h"
#include "ProgramFolder.h"
#include "ScriptWatchdog.h"

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

// The end of the line that begins at pos.
qsizetype lineEnd(QByteArrayView bytes, qsizetype pos)
{
    while (pos < bytes.size() && bytes[pos] != '\n' && bytes[pos] != '\r')
        ++pos;
    return pos;
}

// Where the line after the one ending at end begins (after CR LF, LF or CR).
qsizetype nextLine(QByteArrayView bytes, qsizetype end)
{
    if (end < bytes.size() && bytes[end] == '\r')
        ++end;
    if (end < bytes.size() && bytes[end] == '\n')
        ++end;
    return end;
}

// The file's first line that is not empty, the lines before it and two bytes after it (a CR LF
// ends it), or the whole file when it is shorter: what the header is read from.
std::optional<QByteArray> firstLines(const FileRead::OpenFile &file)
{
    const qint64 size = file.state().size;
    for (qint64 want = 4096;; want *= 2) {
        QByteArray bytes(qMin(want, size), Qt::Uninitialized);
        if (!file.read(0, {bytes.data(), size_t(bytes.size())}))
            return std::nullopt;
        qsizetype pos = 0;
        while (pos < bytes.size() && lineEnd(bytes, pos) == pos)
            pos = nextLine(bytes, pos);
        if (bytes.size() == size || lineEnd(bytes, pos) + 2 <= bytes.size())
            return bytes;
    }
}

} // namespace

TabularData::TabularData(EncodedText text, QChar delimiter, bool useHeader)
    : m_text(std::move(text)), m_delimiter(m_text.encode(delimiter))
{
    // The columns come from the first line that is not empty: its names, or its number of fields.
    const QByteArrayView bytes = m_text.bytes();
    qsizetype pos = 0;
    while (pos < bytes.size() && lineEnd(bytes, pos) == pos)
        pos = nextLine(bytes, pos);
    if (pos >= bytes.size())
        return;
    const qsizetype end = lineEnd(bytes, pos);
    for (qsizetype start = pos;; start += m_delimiter.size()) {
        const qsizetype stop = fieldEnd(bytes, start);
        m_columns << (useHeader ? m_text.decode(bytes.sliced(start, stop - start)).trimmed()
                                : QStringLiteral("Column%1").arg(m_columns.size() + 1));
        if (stop >= end)
            break;
        start = stop;
    }
    m_bodyStart = useHeader ? nextLine(bytes, end) : pos;
}

void TabularData::keepIndexesIn(std::unique_ptr<ColumnIndexFile> file)
{
    m_indexFile = std::move(file);
}

std::shared_ptr<const TabularData> TabularData::inPieces(const QString &path, QChar delimiter, bool useHeader)
{
    if (path.isEmpty() || !ProgramFolder::holds(path))
        return nullptr;
    std::optional<FileRead::OpenFile> file = FileRead::open(path, kMaxDictionaryBytes);
    if (!file)
        return nullptr;
    const FileRead::State &state = file->state();
    std::optional<IndexFileEntries> index =
        IndexFileEntries::open(path, {state.size, state.modifiedNs, delimiter.unicode(), useHeader});
    std::optional<QByteArray> head = index ? firstLines(*file) : std::nullopt;
    if (!head)
        return nullptr;
    const qint64 headSize = head->size();
    auto data = std::make_shared<TabularData>(EncodedText::of(std::move(*head)), delimiter, useHeader);
    // A UTF-16 file is read whole: the index counts in its text turned into UTF-8.
    if (!data->m_text.keepsFileBytes())
        return nullptr;
    // The text begins after a byte-order mark.
    const qint64 textStart = headSize - data->m_text.bytes().size();
    data->m_pieces =
        std::make_unique<RecordReader>(std::move(*file), std::move(*index), textStart, data->m_bodyStart);
    return data;
}

int TabularData::column(QStringView name) const
{
    for (int c = 0; c < m_columns.size(); ++c) {
        if (name.compare(m_columns[c], Qt::CaseInsensitive) == 0)
            return c;
    }
    return -1;
}

std::span<const quint32> TabularData::recordStarts() const
{
    if (m_scannedStarts)
        return *m_scannedStarts;
    if (m_indexFile) {
        if (const auto stored = m_indexFile->recordStarts())
            return *stored;
    }
    m_scannedStarts = scanRecordStarts();
    return *m_scannedStarts;
}

std::vector<quint32> TabularData::scanRecordStarts() const
{
    const QByteArrayView bytes = m_text.bytes();
    std::vector<quint32> starts;
    // Offsets are 32 bits: the cache refuses larger files long before.
    for (qsizetype pos = m_bodyStart; pos < bytes.size() && pos <= std::numeric_limits<quint32>::max();) {
        const qsizetype end = lineEnd(bytes, pos);
        if (end > pos)
            starts.push_back(quint32(pos));
        pos = nextLine(bytes, end);
    }
    return starts;
}

qsizetype TabularData::fieldEnd(QByteArrayView bytes, qsizetype pos) const
{
    const char *data = bytes.data();
    const qsizetype size = bytes.size();
    const char first = m_delimiter.isEmpty() ? '\n' : m_delimiter[0];
    for (; pos < size; ++pos) {
        const char c = data[pos];
        if (c == '\n' || c == '\r' || (c == first && bytes.sliced(pos).startsWith(m_delimiter)))
            return pos;
    }
    return pos;
}

QByteArrayView TabularData::recordBytes(int record) const
{
    if (m_pieces)
        return m_pieces->line(record);
    const QByteArrayView bytes = m_text.bytes();
    const qsizetype start = recordStarts()[size_t(record)];
    return start < bytes.size() ? bytes.sliced(start) : QByteArrayView();
}

QByteArrayView TabularData::fieldBytes(int record, int column) const
{
    if (record < 0 || record >= recordCount() || column < 0 || column >= m_columns.size())
        return {};
    const QByteArrayView bytes = recordBytes(record);
    qsizetype start = 0;
    qsizetype end = fieldEnd(bytes, start);
    for (int c = 0; c < column; ++c) {
        // A line with fewer fields than columns leaves the others empty.
        if (end >= bytes.size() || bytes[end] == '\n' || bytes[end] == '\r' || m_delimiter.isEmpty())
            return {};
        start = end + m_delimiter.size();
        end = fieldEnd(bytes, start);
    }
    return bytes.sliced(start, end - start);
}

QString TabularData::field(int record, int column) const
{
    return m_text.decode(fieldBytes(record, column));
}

int TabularData::compareField(int record, int column, QStringView value, QString &buffer) const
{
    return casefold::compare(m_text.decode(fieldBytes(record, column), buffer), value);
}

TabularData::Order TabularData::index(int column) const
{
    if (m_pieces)
        return Order(*m_pieces, column);
    if (const auto found = m_builtIndexes.find(column); found != m_builtIndexes.end())
        return Order(found->second);
    const std::span<const quint32> starts = recordStarts();
    if (m_indexFile) {
        if (const auto stored = m_indexFile->index(column); stored && stored->size() == starts.size())
            return Order(*stored);
    }
    const std::vector<qint32> &built = m_builtIndexes.emplace(column, buildIndex(column)).first->second;
    if (m_indexFile)
        m_indexFile->write(starts, {m_builtIndexes.begin(), m_builtIndexes.end()});
    return Order(built);
}

std::vector<qint32> TabularData::buildIndex(int column) const
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
    std::vector<qint32> ordered;
    std::vector<qint32> others;
    ordered.reserve(size_t(records));
    for (int r = 0; r < records; ++r) {
        if (ordered.empty() || less(ordered.back(), r))
            ordered.push_back(r);
        else
            others.push_back(r);
    }
    std::sort(others.begin(), others.end(), less);
    std::vector<qint32> index(static_cast<size_t>(records));
    std::merge(ordered.begin(), ordered.end(), others.begin(), others.end(), index.begin(), less);
    return index;
}

qsizetype TabularData::lowerBound(const Order &order, int column, QStringView value, QString &buffer) const
{
    // A plain binary search: clang's fuzzing build cannot take the ranges of libstdc++ 12.
    qsizetype low = 0;
    qsizetype high = order.size();
    while (low < high) {
        const qsizetype middle = low + (high - low) / 2;
        if (compareField(order[middle], column, value, buffer) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

int TabularData::firstRecord(int column, QStringView value) const
{
    if (column < 0 || column >= m_columns.size())
        return -1;
    const Order order = index(column);
    QString buffer;
    // Equal values are in file order in the index: the first of them is the first in the file.
    const qsizetype first = lowerBound(order, column, value, buffer);
    if (first == order.size())
        return -1;
    const int record = order[first];
    return compareField(record, column, value, buffer) == 0 ? record : -1;
}

QStringList TabularData::valuesBeginning(int column, QStringView prefix, int limit) const
{
    QStringList values;
    if (column < 0 || column >= m_columns.size() || prefix.isEmpty())
        return values;
    // The search starts at the prefix's primary characters: "ba" sorts before "bä" and begins with it.
    QString start;
    for (casefold::PrimaryReader reader(prefix); !reader.atEnd();)
        start += QChar(reader.next());
    const Order order = index(column);
    QString buffer;
    for (qsizetype p = lowerBound(order, column, start, buffer); p < order.size() && values.size() < limit; ++p) {
        const QString value = field(order[p], column);
        if (!casefold::primaryStartsWith(value, prefix))
            break;
        // Values that differ in case alone are neighbours in the order.
        if (values.isEmpty() || casefold::compareFolded(values.back(), value) != 0)
            values << value;
    }
    return values;
}

void TabularData::forEachValue(int column, const std::function<void(QStringView)> &visit) const
{
    if (column < 0 || column >= m_columns.size())
        return;
    if (m_pieces) {
        m_pieces->fail();
        return;
    }
    QString buffer;
    for (int r = 0; r < recordCount(); ++r)
        visit(m_text.decode(fieldBytes(r, column), buffer));
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
        const int col = driver->column;
        const Order order = index(col);
        QString buffer;
        const auto matches = [&](int r) {
            return driver->wildcard ? casefold::primaryStartsWith(field(r, col), prefix)
                                    : compareField(r, col, prefix, buffer) == 0;
        };
        for (qsizetype p = lowerBound(order, col, prefix, buffer); p < order.size(); ++p) {
            const int r = order[p];
            if (!matches(r))
                break;
            candidates.push_back(r);
        }
        if (driver->wildcard)
            std::sort(candidates.begin(), candidates.end());
    } else if (m_pieces) {
        // Every record would be read one by one: the whole file answers faster.
        m_pieces->fail();
        return Selection::of({});
    } else {
        candidates.resize(size_t(recordCount()));
        for (int r = 0; r < recordCount(); ++r)
            candidates[size_t(r)] = r;
    }

    std::vector<int> result;
    for (int r : candidates) {
        // Page code that asked for this search and has been stopped gets what was found so far.
        if (ScriptWatchdog::stopRequested())
            break;
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
    FileRead::State state;
    std::shared_ptr<const TabularData> data;
    quint64 lastUse = 0;
};

QHash<QString, CacheEntry> &cache()
{
    static QHash<QString, CacheEntry> entries;
    return entries;
}

constexpr int kCachedFiles = 8;

std::shared_ptr<const TabularData> nothing(QChar delimiter, bool useHeader)
{
    return std::make_shared<const TabularData>(EncodedText::of({}), delimiter, useHeader);
}

} // namespace

std::shared_ptr<const TabularData> TabularDataCache::load(const QString &path, QChar delimiter,
                                                          bool useHeader, FileRead::Failure *failure)
{
    static quint64 useCounter = 0;
    FileRead::Failure why = FileRead::Failure::Missing;
    const std::optional<FileRead::State> state =
        path.isEmpty() ? std::nullopt : FileRead::check(path, kMaxDictionaryBytes, &why);
    if (failure)
        *failure = why;
    if (!state)
        return nothing(delimiter, useHeader);
    const QString key = QFileInfo(path).absoluteFilePath() + QChar(0) + delimiter + (useHeader ? u'1' : u'0');
    auto &entries = cache();
    auto it = entries.find(key);
    if (it != entries.end() && it->state == *state) {
        it->lastUse = ++useCounter;
        return it->data;
    }
    std::optional<QByteArray> bytes = FileRead::regularFile(path, kMaxDictionaryBytes, &why);
    if (failure)
        *failure = why;
    if (!bytes)
        return nothing(delimiter, useHeader);
    // A file that changed between the look and the read is kept without its index file (the next
    // load sees the change and reads it again), and so is one whose index would lie outside the
    // program folder (a user's page folder, a link from there into ours): nothing is written there.
    const bool indexFile = bytes->size() == state->size &&
                           ProgramFolder::holds(QFileInfo(ColumnIndexFile::pathFor(path)).absolutePath());
    auto data = std::make_shared<TabularData>(EncodedText::of(std::move(*bytes)), delimiter, useHeader);
    if (indexFile)
        data->keepIndexesIn(std::make_unique<ColumnIndexFile>(
            path, ColumnIndexFile::Key{state->size, state->modifiedNs, delimiter.unicode(), useHeader}));
    CacheEntry entry{*state, std::move(data), ++useCounter};
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
