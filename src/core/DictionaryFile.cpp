#include "DictionaryFile.h"

#include "Dialogs.h"
#include "MappedText.h"

namespace ortelia {

QString dictionarySeparator()
{
    return QString(8, QLatin1Char('\\'));
}

QString dictionaryHeaderLine()
{
    return QStringLiteral("oberestextfeld;unterestextfeld;zusatztextfeld");
}

DictionarySections splitDictionarySections(const QString &text)
{
    DictionarySections result;
    const QString separator = dictionarySeparator();
    const QStringView lineBreak = u"\r\n";
    qsizetype pos = 0;
    for (int s = 0; s < 4; ++s) {
        if (pos > text.size()) {
            result.failure = DictionaryFailure::MissingSection;
            return result;
        }
        const qsizetype next = text.indexOf(separator, pos);
        const QStringView piece = QStringView(text).sliced(pos, (next < 0 ? text.size() : next) - pos);
        pos = next < 0 ? text.size() + 1 : next + separator.size();
        // Counted before splitting: a section far beyond the limit costs no memory.
        if (piece.count(lineBreak) + 1 > kMaxSectionPieces) {
            result.failure = DictionaryFailure::SectionTooLarge;
            return result;
        }
        QStringList &section = result.sections[s];
        const QList<QStringView> lines = piece.split(lineBreak);
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            if (!lines[i].isEmpty())
                section << lines[i].toString();
        }
    }
    return result;
}

DictionarySections readDictionarySections(const QString &path)
{
    const std::optional<MappedText> bytes = MappedText::map(path);
    if (!bytes) {
        DictionarySections result;
        result.failure = DictionaryFailure::Unreadable;
        return result;
    }
    return splitDictionarySections(bytes->decode(bytes->bytes()));
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
