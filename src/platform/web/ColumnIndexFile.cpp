#include "ColumnIndexFile.h"

#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace ortelia::web {

namespace {

constexpr quint32 kMagic = 0x4F524958; // "ORIX"
constexpr quint32 kVersion = 1;

void writeKey(QDataStream &out, const ColumnIndexFile::Key &key)
{
    out << kMagic << kVersion << key.size << key.modified.toMSecsSinceEpoch() << quint16(key.delimiter)
        << quint8(key.useHeader) << qint32(key.records);
}

bool keyMatches(QDataStream &in, const ColumnIndexFile::Key &key)
{
    quint32 magic = 0, version = 0;
    qint64 size = 0, modified = 0;
    quint16 delimiter = 0;
    quint8 useHeader = 0;
    qint32 records = 0;
    in >> magic >> version >> size >> modified >> delimiter >> useHeader >> records;
    return in.status() == QDataStream::Ok && magic == kMagic && version == kVersion && size == key.size &&
           modified == key.modified.toMSecsSinceEpoch() && delimiter == key.delimiter &&
           bool(useHeader) == key.useHeader && records == key.records;
}

} // namespace

ColumnIndexFile::ColumnIndexFile(const QString &dataPath, Key key)
    : m_path(pathFor(dataPath)), m_key(std::move(key))
{
}

QString ColumnIndexFile::pathFor(const QString &dataPath)
{
    const QFileInfo info(dataPath);
    return info.absolutePath() + QLatin1String("/.") + info.fileName() + QLatin1String(".index");
}

std::map<int, std::vector<int>> ColumnIndexFile::readAll() const
{
    std::map<int, std::vector<int>> indexes;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return indexes;
    QDataStream in(&file);
    if (!keyMatches(in, m_key))
        return indexes;
    qint32 count = 0;
    in >> count;
    const qint64 bytes = qint64(m_key.records) * qint64(sizeof(qint32));
    for (qint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        qint32 column = -1;
        in >> column;
        std::vector<int> index(size_t(m_key.records));
        if (in.readRawData(reinterpret_cast<char *>(index.data()), int(bytes)) != bytes)
            break;
        // A damaged file must not send a lookup outside the records.
        if (std::all_of(index.begin(), index.end(), [&](int r) { return r >= 0 && r < m_key.records; }))
            indexes.emplace(column, std::move(index));
    }
    return indexes;
}

std::optional<std::vector<int>> ColumnIndexFile::read(int column) const
{
    std::map<int, std::vector<int>> indexes = readAll();
    const auto found = indexes.find(column);
    if (found == indexes.end())
        return std::nullopt;
    return std::move(found->second);
}

void ColumnIndexFile::write(const std::map<int, std::vector<int>> &indexes) const
{
    // Another process may have kept other columns meanwhile: they stay.
    std::map<int, std::vector<int>> all = readAll();
    for (const auto &[column, index] : indexes)
        all[column] = index;
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    QDataStream out(&file);
    writeKey(out, m_key);
    out << qint32(all.size());
    for (const auto &[column, index] : all) {
        out << qint32(column);
        out.writeRawData(reinterpret_cast<const char *>(index.data()), int(index.size() * sizeof(int)));
    }
    if (out.status() == QDataStream::Ok)
        file.commit();
    else
        file.cancelWriting();
}

} // namespace ortelia::web
