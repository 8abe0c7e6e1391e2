#include "ListDictionary.h"

#include "Dialogs.h"
#include "DictionaryFailureBox.h"
#include "DictionaryFile.h"
#include "ProgramFolder.h"

#include <QFileInfo>

namespace ortelia {

ListDictionary ListDictionary::read(const QString &name)
{
    ListDictionary result;
    const QFileInfo installed(ProgramFolder::path(QStringLiteral("TranslateDeGb/DeEn.txt")));
    if (!installed.isFile()) {
        result.outcome = Outcome::NotInstalled;
        return result;
    }
    DictionarySections split = readDictionarySections(
        ProgramFolder::path(QStringLiteral("TranslateDeGb/") + name + QStringLiteral(".txt")));
    if (split.failure) {
        switch (*split.failure) {
        case DictionaryFailure::NotText:
            result.outcome = Outcome::NotText;
            break;
        case DictionaryFailure::LineTooLong:
            result.outcome = Outcome::LineTooLong;
            break;
        default:
            result.outcome = Outcome::Faulty;
        }
        return result;
    }
    result.sections = std::move(split.sections);
    result.outcome = Outcome::Loaded;
    return result;
}

void ListDictionary::report(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Loaded:
        break;
    case Outcome::NotInstalled:
        Dialogs::message(Dialogs::programTitle(), QStringLiteral("Fehler im Wörterbuch"));
        break;
    case Outcome::Faulty:
        showDictionaryFailure();
        break;
    case Outcome::LineTooLong:
        for (const QString &text : dictionaryFailureMessages(DictionaryFailure::LineTooLong))
            Dialogs::message(Dialogs::programTitle(), text);
        break;
    case Outcome::NotText:
        Dialogs::message(Dialogs::programTitle(), QStringLiteral("Achtung: Im Woerterbuch sind Fehler"));
        Dialogs::message(Dialogs::programTitle(),
                         QStringLiteral("Das Wörterbuch ist keine Textdatei: es enthält Steuerzeichen oder "
                                        "Nullbytes. Es wurde nicht geladen."));
        break;
    }
}

} // namespace ortelia
