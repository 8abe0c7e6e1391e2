#include "DictionaryFile.h"

#include "Dialogs.h"
#include "MappedText.h"

namespace ortelia {

namespace {

// The split on text or on the file's bytes (separators and line breaks are ASCII in both of the
// file's encodings): only the lines of a section within the limit are ever decoded.
template <typename View, typename Decode>
DictionarySections splitSections(View text, View separator, View lineBreak, Decode decode)
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
        if (piece.count(lineBreak) + 1 > kMaxSectionPieces) {
            result.failure = DictionaryFailure::SectionTooLarge;
            return result;
        }
        // Every line ends in a line break; what follows the last one is no line.
        QStringList &section = result.sections[s];
        qsizetype end = 0;
        for (qsizetype start = 0; (end = piece.indexOf(lineBreak, start)) >= 0;
             start = end + lineBreak.size()) {
            if (end > start)
                section << decode(piece.sliced(start, end - start));
        }
    }
    return result;
}

} // namespace

DictionarySections splitDictionarySections(const QString &text)
{
    const QString separator = dictionarySeparator();
    return splitSections(QStringView(text), QStringView(separator), QStringView(u"\r\n"),
                         [](QStringView line) { return line.toString(); });
}

DictionarySections readDictionarySections(const QString &path)
{
    const std::optional<MappedText> file = MappedText::map(path);
    if (!file) {
        DictionarySections result;
        result.failure = DictionaryFailure::Unreadable;
        return result;
    }
    const QByteArray separator = dictionarySeparator().toLatin1();
    return splitSections(file->bytes(), QByteArrayView(separator), QByteArrayView("\r\n"),
                         [&](QByteArrayView line) { return file->decode(line); });
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

void showDictionaryFailure()
{
    for (const QString &text : dictionaryFailureMessages())
        Dialogs::message(Dialogs::programTitle(), text);
}

} // namespace ortelia
