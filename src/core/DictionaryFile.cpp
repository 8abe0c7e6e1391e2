#include "DictionaryFile.h"

#include "Dialogs.h"
#include "TextFile.h"

namespace ortelia {

DictionarySections splitDictionarySections(const QString &text)
{
    DictionarySections result;
    const QStringList pieces = text.split(dictionarySeparator());
    const QString lineBreak = QStringLiteral("\r\n");
    for (int s = 0; s < 4; ++s) {
        if (s >= pieces.size()) {
            result.failure = DictionaryFailure::MissingSection;
            return result;
        }
        const QStringList lines = pieces[s].split(lineBreak);
        if (lines.size() > kMaxSectionPieces) {
            result.failure = DictionaryFailure::SectionTooLarge;
            return result;
        }
        QStringList &section = result.sections[s];
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            if (!lines[i].isEmpty())
                section << lines[i];
        }
    }
    return result;
}

DictionarySections readDictionarySections(const QString &path)
{
    const std::optional<QString> text = TextFile::read(path);
    if (!text) {
        DictionarySections result;
        result.failure = DictionaryFailure::Unreadable;
        return result;
    }
    return splitDictionarySections(*text);
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
