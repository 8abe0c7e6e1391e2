#include "Dictionary.h"

#include "HeadlessPage.h"
#include "DictionaryFormat.h"
#include "OwnPageLookup.h"
#include "PhraseBeginnings.h"
#include "TabularDataObject.h"

#include <QFileInfo>
#include <QMetaObject>

namespace ortelia {

namespace {

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

} // namespace

Dictionary::Dictionary(HeadlessPage &page, Hits hits, QObject *parent)
    : QObject(parent), m_page(page), m_hits(hits)
{
    connect(&page, &HeadlessPage::loaded, this, [this] {
        m_ownData.reset();
        m_ownDataSought = false;
        m_refusalSaid = false;
        for (std::optional<QSet<QString>> &beginnings : m_phraseBeginnings)
            beginnings.reset();
    });
}

Dictionary::~Dictionary() = default;

web::TabularDataObject *Dictionary::ownData()
{
    if (!m_ownDataSought) {
        m_ownDataSought = true;
        if (const std::optional<QMap<QString, QString>> params = ownPageParams(m_page.location())) {
            m_ownParams = *params;
            m_ownData = std::make_unique<web::TabularDataObject>(*params,
                                                                 QFileInfo(m_page.location()).absolutePath());
        }
    }
    return m_ownData.get();
}

std::optional<LookupAnswer> Dictionary::answer(const QString &word, TextDirection direction)
{
    if (word.isEmpty())
        return LookupAnswer{};
    if (web::TabularDataObject *data = ownData()) {
        // The phrase as typed first: keys such as "was geht?" end in a mark themselves.
        LookupAnswer answer = lookUpOnDataObject(*data, word, direction);
        QString answered = word;
        if (const QString phrase = typedPhrase(word); empty(answer) && !phrase.isNull()) {
            answer = lookUpOnDataObject(*data, phrase, direction);
            answered = phrase;
        }
        if (m_hits == Hits::Shown) {
            LookUpOnPage(m_page, answered, direction);
            m_page.takeRefusedData();
        }
        noteRefusal(!dictionaryRefusal(*data).isEmpty());
        return answer;
    }
    if (!m_page.hasMember(1, QStringLiteral("Textfeld2")))
        return std::nullopt;
    LookUpOnPage(m_page, word, direction);
    noteRefusal(m_page.takeRefusedData());
    LookupAnswer answer = readLookupAnswer(m_page);
    answer.searchField = m_page.value(0, searchFieldOf(direction));
    return answer;
}

const QSet<QString> *Dictionary::phraseBeginnings(TextDirection direction)
{
    if (!ownData())
        return nullptr;
    const bool german = direction == TextDirection::German;
    std::optional<QSet<QString>> &beginnings = m_phraseBeginnings[german ? 0 : 1];
    if (!beginnings)
        beginnings = ortelia::phraseBeginnings(m_ownParams, QFileInfo(m_page.location()).absolutePath(),
                                               german ? germanColumn() : foreignColumn());
    return &*beginnings;
}

void Dictionary::lookUp(const QString &word, TextDirection direction)
{
    const std::optional<LookupAnswer> found = answer(word, direction);
    QMetaObject::invokeMethod(
        this, [this, word, direction, found] { emit finished(word, direction, found); },
        Qt::QueuedConnection);
}

void Dictionary::noteRefusal(bool refusedNow)
{
    if (!refusedNow || m_refusalSaid)
        return;
    m_refusalSaid = true;
    emit refused();
}

} // namespace ortelia
