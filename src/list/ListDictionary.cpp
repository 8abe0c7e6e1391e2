#include "ListDictionary.h"

#include "Dialogs.h"
#include "DictionaryFile.h"
#include "ProgramFolder.h"
#include "TextFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace ortelia {

namespace {

// Control characters other than tab, CR and LF mean the file is not text (a picture, a program,
// a file of another encoding with zero bytes).
bool holdsBinary(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\r') &&
               c != QLatin1Char('\n');
    });
}

} // namespace

ListDictionary ListDictionary::read(const QString &name)
{
    ListDictionary result;
    const QFileInfo installed(ProgramFolder::path(QStringLiteral("TranslateDeGb/DeEn.txt")));
    if (!installed.isFile()) {
        result.outcome = Outcome::NotInstalled;
        return result;
    }
    const std::optional<QString> text =
        TextFile::read(ProgramFolder::path(QStringLiteral("TranslateDeGb/") + name + QStringLiteral(".txt")));
    if (!text)
        return result;
    if (holdsBinary(*text)) {
        result.outcome = Outcome::NotText;
        return result;
    }
    DictionarySections split = splitDictionarySections(*text);
    if (split.failure)
        return result;
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
    case Outcome::NotText:
        Dialogs::message(Dialogs::programTitle(), QStringLiteral("Achtung: Im Woerterbuch sind Fehler"));
        Dialogs::message(Dialogs::programTitle(),
                         QStringLiteral("Das Wörterbuch ist keine Textdatei: es enthält Steuerzeichen oder "
                                        "Nullbytes. Es wurde nicht geladen."));
        break;
    }
}

} // namespace ortelia
