#include "TextFile.h"

#include <QFile>
#include <QStringDecoder>

#include <array>

namespace ortelia::TextFile {

namespace {

// Windows-1252 bytes 0x80..0x9F; the five unassigned bytes map to the C1 control of the same value.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

const QByteArray kUtf8Bom("\xEF\xBB\xBF", 3);
const QByteArray kCrLf("\r\n", 2);

int windows1252Byte(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (size_t i = 0; i < kHighTable.size(); ++i) {
        if (kHighTable[i] == u)
            return int(0x80 + i);
    }
    return -1;
}

QByteArray joinLines(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return encode(text);
}

} // namespace

std::optional<QString> decodeUtf16(QByteArrayView bytes)
{
    const bool little = bytes.startsWith("\xFF\xFE");
    if (!little && !bytes.startsWith("\xFE\xFF"))
        return std::nullopt;
    // Broken pairs and an odd last byte become U+FFFD, as broken UTF-8 does.
    QStringDecoder utf16(little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                         QStringDecoder::Flag::Stateless);
    return QString(utf16.decode(bytes.sliced(2)));
}

QString decode(const QByteArray &bytes)
{
    if (bytes.startsWith(kUtf8Bom))
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    if (std::optional<QString> text = decodeUtf16(bytes))
        return *text;
    return decodeWindows1252(bytes);
}

void decodeWindows1252(QByteArrayView bytes, QChar *out)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? QChar(kHighTable[b - 0x80]) : QChar(b);
    }
}

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    decodeWindows1252(bytes, text.data());
    return text;
}

QString decodeUserText(const QByteArray &bytes)
{
    if (bytes.startsWith(kUtf8Bom) || decodeUtf16(bytes))
        return decode(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    // Not UTF-8: the attempt goes before the text is decoded again, not beside it.
    text = QString();
    return decode(bytes);
}

bool fitsWindows1252(const QString &text)
{
    for (QChar c : text) {
        if (windows1252Byte(c) < 0)
            return false;
    }
    return true;
}

QByteArray encode(const QString &text)
{
    if (!fitsWindows1252(text))
        return kUtf8Bom + text.toUtf8();
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        bytes[i] = char(windows1252Byte(text[i]));
    return bytes;
}

std::optional<QString> read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decode(file.readAll());
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    QString line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines << line;
            line.clear();
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
        } else {
            line += c;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

std::optional<QStringList> readLines(const QString &path)
{
    const std::optional<QString> text = read(path);
    if (!text)
        return std::nullopt;
    return splitLines(*text);
}

SaveResult write(const QString &path, const QString &text)
{
    return saveFile(path, encode(text));
}

SaveResult writeLines(const QString &path, const QStringList &lines)
{
    return saveFile(path, joinLines(lines));
}

bool writeLinesInPlace(const QString &path, const QStringList &lines)
{
    return writeInPlace(path, joinLines(lines));
}

} // namespace ortelia::TextFile
