#include "ColumnIndexFile.h"

#include "FileRead.h"
#include "FileSave.h"

#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace ortelia::web {

namespace {

constexpr quint32 kMagic = 0x4F524958; // "ORIX"
// Version 3: native byte order, the data file's time in nanoseconds.
constexpr quint32 kVersion = 3;
// Columns kept in the file at most (the pages search up to five); others live in memory. With the
// data file's size this bounds what is read.
constexpr size_t kMaxStoredColumns = 8;

// The file: this header, the records' starts, then per column its number and its index.
struct Header {
    quint32 magic = kMagic;
    quint32 version = kVersion;
    qint64 size = 0;
    qint64 modified = 0;
    quint32 delimiter = 0;
    quint32 useHeader = 0;
    quint32 records = 0;
    quint32 columns = 0;
};
static_assert(sizeof(Header) == 40);

Header headerFor(const ColumnIndexFile::Key &key)
{
    Header header;
    header.size = key.size;
    header.modified = key.modifiedNs;
    header.delimiter = key.delimiter;
    header.useHeader = key.useHeader;
    return header;
}

bool belongsTo(const Header &header, const ColumnIndexFile::Key &key)
{
    const Header expected = headerFor(key);
    return header.magic == kMagic && header.version == kVersion && header.size == expected.size &&
           header.modified == expected.modified && header.delimiter == expected.delimiter &&
           header.useHeader == expected.useHeader;
}

// A record is at least one byte and a line break of its file.
qint64 mostRecords(const ColumnIndexFile::Key &key)
{
    return key.size / 2 + 1;
}

// The largest index file a data file of this state can have: no more is read.
qint64 largestFile(const ColumnIndexFile::Key &key)
{
    const qint64 most = mostRecords(key);
    return qint64(sizeof(Header)) + 4 * most + qint64(kMaxStoredColumns) * (4 + 4 * most);
}

// Whether the header belongs to the data file and its counts fill a file of fileSize exactly.
bool fits(const Header &header, const ColumnIndexFile::Key &key, qint64 fileSize)
{
    if (!belongsTo(header, key) || fileSize < qint64(sizeof(Header)))
        return false;
    const quint64 records = header.records;
    const quint64 bytes = quint64(fileSize) - sizeof(Header);
    // Checked piece by piece, so that a damaged count cannot overflow the sum.
    return records <= quint64(mostRecords(key)) && header.columns <= kMaxStoredColumns &&
           records * 4 <= bytes && bytes == records * 4 + quint64(header.columns) * (1 + records) * 4;
}

// The checks run over every entry without an early exit, so that the compiler vectorises them: a
// lookup pays for them on every start.
bool ascendingBelow(std::span<const quint32> values, quint64 limit)
{
    bool ascending = true;
    for (size_t i = 1; i < values.size(); ++i)
        ascending &= values[i - 1] < values[i];
    return ascending && (values.empty() || values.back() < limit);
}

bool allBelow(std::span<const qint32> values, size_t limit)
{
    quint32 largest = 0;
    for (const qint32 value : values)
        largest = std::max(largest, quint32(value)); // a negative value becomes the largest
    return values.empty() || largest < limit;
}

} // namespace

ColumnIndexFile::ColumnIndexFile(const QString &dataPath, Key key)
    : m_path(pathFor(dataPath)), m_key(std::move(key)), m_contents(open(m_path, m_key))
{
}

ColumnIndexFile::~ColumnIndexFile() = default;

QString ColumnIndexFile::pathFor(const QString &dataPath)
{
    const QFileInfo info(dataPath);
    return info.absolutePath() + QLatin1String("/.") + info.fileName() + QLatin1String(".index");
}

std::optional<ColumnIndexFile::Contents> ColumnIndexFile::open(const QString &path, const Key &key)
{
    const std::optional<QByteArray> file = FileRead::regularFile(path, largestFile(key));
    Header header;
    if (!file || file->size() < qsizetype(sizeof header))
        return std::nullopt;
    std::memcpy(&header, file->constData(), sizeof header);
    if (!fits(header, key, file->size()))
        return std::nullopt;
    const quint64 records = header.records;
    const quint64 bytes = quint64(file->size()) - sizeof(Header);
    auto words = std::make_shared<std::vector<quint32>>(bytes / 4);
    std::memcpy(words->data(), file->constData() + sizeof(Header), bytes);
    // A damaged file must not send a lookup outside the data.
    Contents contents{words, {words->data(), size_t(records)}, {}};
    if (!ascendingBelow(contents.starts, quint64(key.size)))
        return std::nullopt;
    // The columns are checked when first asked for: a lookup needs one of them.
    const quint32 *column = words->data() + records;
    for (quint32 c = 0; c < header.columns; ++c, column += 1 + records)
        contents.indexes.emplace(qint32(column[0]),
                                 std::span(reinterpret_cast<const qint32 *>(column + 1), size_t(records)));
    return contents;
}

std::optional<std::span<const quint32>> ColumnIndexFile::recordStarts() const
{
    if (!m_contents)
        return std::nullopt;
    return m_contents->starts;
}

std::optional<std::span<const qint32>> ColumnIndexFile::index(int column) const
{
    if (!m_contents)
        return std::nullopt;
    const auto found = m_contents->indexes.find(column);
    if (found == m_contents->indexes.end())
        return std::nullopt;
    const std::span<const qint32> index = found->second;
    auto [checked, unchecked] = m_checked.try_emplace(column, false);
    // A damaged file must not send a lookup outside the records.
    if (unchecked)
        checked->second = allBelow(index, index.size());
    if (!checked->second)
        return std::nullopt;
    return index;
}

void ColumnIndexFile::write(std::span<const quint32> starts,
                            const std::map<int, std::span<const qint32>> &indexes) const
{
    // Another process may have kept other columns meanwhile: they stay.
    const std::optional<Contents> current = open(m_path, m_key);
    std::map<int, std::span<const qint32>> all;
    if (current && current->starts.size() == starts.size())
        all = current->indexes;
    for (const auto &[column, index] : indexes) {
        if (index.size() == starts.size() && (all.size() < kMaxStoredColumns || all.contains(column)))
            all[column] = index;
    }
    Header header = headerFor(m_key);
    header.records = quint32(starts.size());
    header.columns = quint32(all.size());
    QByteArray bytes(reinterpret_cast<const char *>(&header), sizeof header);
    bytes.append(reinterpret_cast<const char *>(starts.data()), qsizetype(starts.size_bytes()));
    for (const auto &[column, index] : all) {
        const qint32 number = column;
        bytes.append(reinterpret_cast<const char *>(&number), 4);
        bytes.append(reinterpret_cast<const char *>(index.data()), qsizetype(index.size_bytes()));
    }
    // An index is only a help: a failed write leaves the old one, or none.
    saveFile(m_path, bytes);
}

std::optional<IndexFileEntries> IndexFileEntries::open(const QString &dataPath,
                                                       const ColumnIndexFile::Key &key)
{
    std::optional<FileRead::OpenFile> file =
        FileRead::open(ColumnIndexFile::pathFor(dataPath), largestFile(key));
    Header header;
    if (!file || !file->read(0, {reinterpret_cast<char *>(&header), sizeof header}) ||
        !fits(header, key, file->state().size))
        return std::nullopt;
    IndexFileEntries entries(std::move(*file), header.records);
    for (quint32 c = 0; c < header.columns; ++c) {
        qint32 column = 0;
        if (!entries.m_file.read(entries.columnStart(c), {reinterpret_cast<char *>(&column), 4}))
            return std::nullopt;
        entries.m_columns.push_back(column);
    }
    return entries;
}

IndexFileEntries::IndexFileEntries(FileRead::OpenFile file, quint32 records)
    : m_file(std::move(file)), m_records(records)
{
}

qint64 IndexFileEntries::columnStart(size_t slot) const
{
    return qint64(sizeof(Header)) + 4 * qint64(m_records) + qint64(slot) * 4 * (1 + qint64(m_records));
}

bool IndexFileEntries::recordStarts(quint32 first, std::span<quint32> into) const
{
    return first <= m_records && into.size() <= m_records - first &&
           m_file.read(qint64(sizeof(Header)) + 4 * qint64(first),
                       {reinterpret_cast<char *>(into.data()), into.size_bytes()});
}

std::optional<quint32> IndexFileEntries::record(int column, quint32 position) const
{
    const auto slot = std::ranges::find(m_columns, column);
    quint32 record = 0;
    // A damaged file must not send a search outside the records.
    if (slot == m_columns.end() || position >= m_records ||
        !m_file.read(columnStart(size_t(slot - m_columns.begin())) + 4 + 4 * qint64(position),
                     {reinterpret_cast<char *>(&record), 4}) ||
        record >= m_records)
        return std::nullopt;
    return record;
}

} // namespace ortelia::web
