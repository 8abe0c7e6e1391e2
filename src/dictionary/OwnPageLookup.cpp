#include "OwnPageLookup.h"

#include "DictionaryFile.h"
#include "DictionaryFormat.h"
#include "FileRead.h"
#include "LookupKey.h"
#include "LookupPage.h"
#include "PageFile.h"
#include "TabularDataObject.h"

#include <QFileInfo>

namespace ortelia {

namespace {

// The program's pages are about 6 KB: a larger file is no own page and is not read here.
constexpr qint64 kMaxOwnPageBytes = 64 * 1024;

QString refusalOf(const QString &dataUrl, FileRead::Failure why)
{
    QString cause;
    switch (why) {
    case FileRead::Failure::NotRegular:
        cause = QStringLiteral("ist keine gewöhnliche Datei");
        break;
    case FileRead::Failure::TooLarge:
        cause = QStringLiteral("ist größer als %1 MB").arg(kMaxDictionaryBytes / (1024 * 1024));
        break;
    case FileRead::Failure::Unreadable:
        cause = QStringLiteral("kann nicht gelesen werden");
        break;
    default:
        return QString();
    }
    return dictionaryFailureMessages().first() + QStringLiteral(": ") + dataUrl + QLatin1Char(' ') + cause +
           QLatin1Char('!');
}

// A typed phrase as the dictionary holds it: single blanks between its words, none around them,
// and without the mark a sentence ends with ("guten  Morgen!": guten Morgen). Null when that is the
// word as typed, or no phrase.
QString typedPhrase(const QString &word)
{
    QString phrase = word.simplified();
    if (!phrase.contains(QLatin1Char(' ')))
        return QString();
    if (phrase.size() > 1 && QStringLiteral("!?.,").contains(phrase.back()))
        phrase = phrase.chopped(1).trimmed();
    return phrase == word ? QString() : phrase;
}

bool empty(const LookupAnswer &answer)
{
    return answer.translation.isEmpty() && answer.german.isEmpty() && answer.note.isEmpty();
}

LookupAnswer lookUpOnce(web::TabularDataObject &data, const QString &word, TextDirection direction)
{
    data.setFilter((direction == TextDirection::German ? germanColumn() : foreignColumn()) +
                   QStringLiteral(" = ") + word);
    data.Reset();
    return LookupAnswer{
        data.field(foreignColumn()), data.field(germanColumn()), data.field(noteColumn()), {}};
}

} // namespace

std::optional<QMap<QString, QString>> ownPageParams(const QString &pagePath)
{
    const std::optional<QByteArray> bytes = FileRead::regularFile(pagePath, kMaxOwnPageBytes);
    if (!bytes || !web::PageFile::looksLikeHtml(pagePath, *bytes))
        return std::nullopt;
    return LookupPage::dataObjectParams(web::PageFile::decode(*bytes));
}

LookupAnswer lookUpOnDataObject(web::TabularDataObject &data, const QString &typed, TextDirection direction,
                                QString *answered)
{
    const QString word = LookupKey::cleaned(typed);
    // The phrase as typed first: keys such as "was geht?" end in a mark themselves.
    LookupAnswer answer = lookUpOnce(data, word, direction);
    QString key = word;
    if (const QString phrase = typedPhrase(word); empty(answer) && !phrase.isNull()) {
        answer = lookUpOnce(data, phrase, direction);
        key = phrase;
    }
    if (const QStringView core = LookupKey::core(word); empty(answer) && !core.isEmpty() && core != word) {
        key = core.toString();
        answer = lookUpOnce(data, key, direction);
    }
    if (answered)
        *answered = key;
    return answer;
}

QString dictionaryRefusal(const web::TabularDataObject &data)
{
    return refusalOf(data.dataUrl(), data.loadFailure());
}

std::optional<LookupAnswer> lookUpOnOwnPage(const QString &pagePath, const QString &word,
                                            TextDirection direction, QString *refusal)
{
    if (word.isEmpty())
        return std::nullopt;
    const std::optional<QMap<QString, QString>> params = ownPageParams(pagePath);
    if (!params)
        return std::nullopt;
    // One search: only the records it compares are read.
    web::TabularDataObject data(*params, QFileInfo(pagePath).absolutePath(), nullptr,
                                web::TabularDataObject::Reading::OneSearch);
    const LookupAnswer answer = lookUpOnDataObject(data, word, direction);
    if (refusal)
        *refusal = dictionaryRefusal(data);
    return answer;
}

} // namespace ortelia
