#include "DictdDatabase.h"

#include <QFile>
#include <QSet>

#include <zlib.h>

namespace ortelia {

namespace {

constexpr qint64 kMaxInflatedBytes = qint64(1) << 30;

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

} // namespace

std::optional<QStringList> readDictdEntries(const QString &indexPath, const QString &dictPath, QString &error)
{
    QFile indexFile(indexPath);
    if (!indexFile.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Der Index kann nicht gelesen werden: %1").arg(indexPath);
        return std::nullopt;
    }
    const QByteArray index = indexFile.readAll();
    const std::optional<QByteArray> data = inflateGzip(dictPath);
    if (!data) {
        error = QStringLiteral("Die Wörterbuchdaten können nicht gelesen werden: %1").arg(dictPath);
        return std::nullopt;
    }
    QStringList entries;
    QSet<qint64> seenOffsets;
    qsizetype pos = 0;
    while (pos < index.size()) {
        qsizetype end = index.indexOf('\n', pos);
        if (end < 0)
            end = index.size();
        const QList<QByteArray> fields = index.mid(pos, end - pos).split('\t');
        pos = end + 1;
        if (fields.size() < 3 || fields[0].trimmed().isEmpty())
            continue;
        const qint64 offset = base64Number(fields[1]);
        const qint64 length = base64Number(fields[2].trimmed());
        if (offset < 0 || length <= 0 || offset + length > data->size() || seenOffsets.contains(offset))
            continue;
        seenOffsets.insert(offset);
        entries << QString::fromUtf8(data->constData() + offset, length);
    }
    return entries;
}

} // namespace ortelia
