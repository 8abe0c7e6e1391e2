#include "MappedText.h"

#include "TextFile.h"

#include <QFile>

namespace ortelia {

namespace {
const QByteArrayView kUtf8Bom("\xEF\xBB\xBF", 3);
}

MappedText MappedText::of(QByteArray bytes)
{
    MappedText text;
    text.m_owned = std::move(bytes);
    text.detectEncoding();
    return text;
}

std::optional<MappedText> MappedText::map(const QString &path)
{
    auto file = std::make_shared<QFile>(path);
    if (!file->open(QIODevice::ReadOnly))
        return std::nullopt;
    MappedText text;
    // An empty file cannot be mapped; it is simply no text.
    if (file->size() > 0) {
        const uchar *mapped = file->map(0, file->size());
        if (!mapped)
            return std::nullopt;
        text.m_mapped = reinterpret_cast<const char *>(mapped);
        text.m_size = qsizetype(file->size());
        text.m_file = std::move(file);
    }
    text.detectEncoding();
    return text;
}

void MappedText::detectEncoding()
{
    const QByteArrayView all = m_mapped ? QByteArrayView(m_mapped, m_size) : QByteArrayView(m_owned);
    m_utf8 = all.startsWith(kUtf8Bom);
}

QByteArrayView MappedText::bytes() const
{
    const QByteArrayView all = m_mapped ? QByteArrayView(m_mapped, m_size) : QByteArrayView(m_owned);
    return m_utf8 ? all.sliced(kUtf8Bom.size()) : all;
}

QString MappedText::decode(QByteArrayView piece) const
{
    return m_utf8 ? QString::fromUtf8(piece) : TextFile::decodeWindows1252(piece);
}

QStringView MappedText::decode(QByteArrayView piece, QString &buffer) const
{
    // UTF-8 exactly as decode() reads it: a byte-order mark at the start of a piece and broken
    // sequences must come out the same, or a binary search would disagree with its index.
    if (m_utf8) {
        buffer = QString::fromUtf8(piece);
        return buffer;
    }
    if (buffer.size() < piece.size())
        buffer.resize(piece.size());
    TextFile::decodeWindows1252(piece, buffer.data());
    return QStringView(buffer.data(), piece.size());
}

QByteArray MappedText::encode(QChar c) const
{
    if (m_utf8)
        return QString(c).toUtf8();
    return TextFile::fitsWindows1252(QString(c)) ? TextFile::encode(QString(c)) : QByteArray();
}

} // namespace ortelia
