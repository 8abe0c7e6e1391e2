#include "EncodedText.h"

#include "TextFile.h"

namespace ortelia {

namespace {
const QByteArrayView kUtf8Bom("\xEF\xBB\xBF", 3);
}

EncodedText EncodedText::of(QByteArray bytes)
{
    EncodedText text;
    if (const std::optional<QString> utf16 = TextFile::decodeUtf16(bytes)) {
        text.m_bytes = kUtf8Bom.toByteArray() + utf16->toUtf8();
        text.m_fromUtf16 = true;
    } else {
        text.m_bytes = std::move(bytes);
    }
    text.m_utf8 = text.m_bytes.startsWith(kUtf8Bom);
    return text;
}

QByteArrayView EncodedText::bytes() const
{
    const QByteArrayView all(m_bytes);
    return m_utf8 ? all.sliced(kUtf8Bom.size()) : all;
}

QString EncodedText::decode(QByteArrayView piece) const
{
    return m_utf8 ? QString::fromUtf8(piece) : TextFile::decodeWindows1252(piece);
}

QStringView EncodedText::decode(QByteArrayView piece, QString &buffer) const
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

QByteArray EncodedText::encode(QChar c) const
{
    if (m_utf8)
        return QString(c).toUtf8();
    return TextFile::fitsWindows1252(QString(c)) ? TextFile::encode(QString(c)) : QByteArray();
}

} // namespace ortelia
