#include "DictionaryFile.h"

#include "EncodedText.h"
#include "FileRead.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace ortelia {

namespace {

bool isLineBreak(char c)
{
    return c == '\r' || c == '\n';
}
bool isLineBreak(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// The split on text or on the file's bytes (separators and line breaks are ASCII in both of the
// file's encodings): the lines of a section are decoded only once it is known to be within the
// limit.
template <typename View, typename Decode>
DictionarySections splitSections(View text, View separator, Decode decode)
{
    DictionarySections result;
    qsizetype pos = 0;
    for (int s = 0; s < 4; ++s) {
        if (pos > text.size()) {
            result.failure = DictionaryFailure::MissingSection;
            return result;
        }
        const qsizetype next = text.indexOf(separator, pos);
        const View piece = text.sliced(pos, (next < 0 ? text.size() : next) - pos);
        pos = next < 0 ? text.size() + 1 : next + separator.size();
        // Every line ends in a line break (CR LF, LF or CR); what follows the last one is no line.
        std::vector<std::pair<qsizetype, qsizetype>> lines;
        qsizetype pieces = 1;
        qsizetype start = 0;
        for (qsizetype i = 0; i <= piece.size(); ++i) {
            if (i - start > kMaxDictionaryLineBytes) {
                result.failure = DictionaryFailure::LineTooLong;
                return result;
            }
            if (i == piece.size() || !isLineBreak(piece[i]))
                continue;
            if (++pieces > kMaxSectionPieces) {
                result.failure = DictionaryFailure::SectionTooLarge;
                return result;
            }
            if (i > start)
                lines.emplace_back(start, i - start);
            if (piece[i] == u'\r' && i + 1 < piece.size() && piece[i + 1] == u'\n')
                ++i;
            start = i + 1;
        }
        QStringList &section = result.sections[s];
        section.reserve(qsizetype(lines.size()));
        for (const auto &[from, length] : lines)
            section << decode(piece.sliced(from, length));
    }
    return result;
}

DictionaryFailure failureOf(FileRead::Failure why)
{
    switch (why) {
    case FileRead::Failure::NotRegular:
        return DictionaryFailure::NotRegular;
    case FileRead::Failure::TooLarge:
        return DictionaryFailure::TooLarge;
    default:
        return DictionaryFailure::Unreadable;
    }
}

// Control bytes other than tab, CR and LF mean the file is not text (a picture, a program, a
// file of another encoding with zero bytes); in both encodings they are the same characters.
bool holdsControlBytes(QByteArrayView bytes)
{
    return std::any_of(bytes.begin(), bytes.end(),
                       [](char c) { return uchar(c) < 0x20 && c != '\t' && c != '\r' && c != '\n'; });
}

} // namespace

DictionarySections splitDictionarySections(const QString &text)
{
    const QString separator = dictionarySeparator();
    return splitSections(QStringView(text), QStringView(separator),
                         [](QStringView line) { return line.toString(); });
}

DictionarySections readDictionarySections(const QString &path)
{
    DictionarySections result;
    FileRead::Failure why = FileRead::Failure::None;
    std::optional<QByteArray> bytes = FileRead::regularFile(path, kMaxDictionaryBytes, &why);
    if (!bytes) {
        result.failure = failureOf(why);
        return result;
    }
    return splitDictionaryText(EncodedText::of(std::move(*bytes)));
}

DictionarySections splitDictionaryText(const EncodedText &file)
{
    if (holdsControlBytes(file.bytes())) {
        DictionarySections result;
        result.failure = DictionaryFailure::NotText;
        return result;
    }
    const QByteArray separator = dictionarySeparator().toLatin1();
    return splitSections(file.bytes(), QByteArrayView(separator),
                         [&](QByteArrayView line) { return file.decode(line); });
}

QStringList dictionaryFailureMessages()
{
    const QString sep = dictionarySeparator();
    const QStringList example = {
        QStringLiteral("Das Wörterbuch sollte mit 3 Trennlinien eingeteilt werden"),
        QStringLiteral("z.B.:"),
        QStringLiteral("ab und zu;every now and then;"),
        QStringLiteral("1") + sep + QStringLiteral(" Trennlinie"),
        QStringLiteral("auto;car;"),
        QStringLiteral("2") + sep + QStringLiteral(" Trennlinie"),
        QStringLiteral("süssigkeit;sweetness;"),
        QStringLiteral("süssigkeiten;sweets;"),
        QStringLiteral("süsskartoffel;sweetpotato;"),
        QStringLiteral("3") + sep + QStringLiteral(" Trennlinie"),
        QStringLiteral("versuch;trial;"),
        QStringLiteral("xyz;yxz;TEST;"),
        QStringLiteral(" "),
        QStringLiteral("Grosse umfangreiche Wörterbücher müssen so aufgeteilt werden,"),
        QStringLiteral("ansonsten ist der Listenspeicher überladen."),
        QStringLiteral("Es müssen immer Drei Trennlinien im Wörterbuch vorhanden sein!"),
        QStringLiteral("Eine Trennlinien besteht aus folgenden Zeichen:  ") + sep,
    };
    return {QStringLiteral("Achtung: Im Woerterbuch sind Fehler"), example.join(QStringLiteral("\r\n"))};
}

QStringList dictionaryFailureMessages(DictionaryFailure why)
{
    QStringList messages = dictionaryFailureMessages();
    switch (why) {
    case DictionaryFailure::LineTooLong:
        messages[1] = QStringLiteral("Achtung : Eine Zeile im Wörterbuch ist länger als %1 KB!")
                          .arg(kMaxDictionaryLineBytes / 1024);
        break;
    default:
        break;
    }
    return messages;
}

} // namespace ortelia
