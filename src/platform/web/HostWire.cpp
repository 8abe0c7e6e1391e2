#include "HostWire.h"

#include <QIODevice>
#include <QtEndian>

namespace ortelia::web::HostWire {

namespace {
constexpr QDataStream::Version kVersion = QDataStream::Qt_6_0;
constexpr int kLengthBytes = 4;

qint64 left(QDataStream &in)
{
    return in.device() ? in.device()->bytesAvailable() : 0;
}
} // namespace

QByteArray frame(Kind kind, const QByteArray &body)
{
    QByteArray out(kLengthBytes, Qt::Uninitialized);
    qToBigEndian(quint32(body.size() + 1), out.data());
    out += char(kind);
    out += body;
    return out;
}

void prepare(QDataStream &stream)
{
    stream.setVersion(kVersion);
}

void writeString(QDataStream &out, const QString &text)
{
    out << quint32(text.size());
    out.writeRawData(reinterpret_cast<const char *>(text.utf16()), int(text.size() * 2));
}

bool readString(QDataStream &in, QString &text)
{
    quint32 size = 0;
    in >> size;
    if (in.status() != QDataStream::Ok || qint64(size) * 2 > left(in)) {
        in.setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    text.resize(qsizetype(size));
    return in.readRawData(reinterpret_cast<char *>(text.data()), int(size * 2)) == int(size * 2);
}

void writeStrings(QDataStream &out, const QStringList &texts)
{
    out << quint32(texts.size());
    for (const QString &text : texts)
        writeString(out, text);
}

bool readStrings(QDataStream &in, QStringList &texts)
{
    quint32 count = 0;
    if (!readCount(in, count, 4))
        return false;
    texts.clear();
    texts.reserve(count);
    for (quint32 i = 0; i < count; ++i) {
        QString text;
        if (!readString(in, text))
            return false;
        texts << text;
    }
    return true;
}

bool readCount(QDataStream &in, quint32 &count, qint64 minItemBytes)
{
    in >> count;
    if (in.status() != QDataStream::Ok || qint64(count) * minItemBytes > left(in)) {
        in.setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    return true;
}

std::optional<QByteArray> FrameReader::next()
{
    if (m_failed || m_buffer.size() < kLengthBytes)
        return std::nullopt;
    const quint32 length = qFromBigEndian<quint32>(m_buffer.constData());
    if (length == 0 || length > kMaxFrameBytes) {
        m_failed = true;
        m_buffer.clear();
        return std::nullopt;
    }
    if (m_buffer.size() - kLengthBytes < qsizetype(length))
        return std::nullopt;
    QByteArray payload = m_buffer.mid(kLengthBytes, length);
    m_buffer.remove(0, kLengthBytes + length);
    return payload;
}

} // namespace ortelia::web::HostWire
