#include "Dictionary.h"

#include "HeadlessPage.h"
#include "BaseFormStandIn.h"
#include "DictionaryFormat.h"
#include "LookupKey.h"
#include "OwnPageLookup.h"
#include "PhraseBeginnings.h"
#include "ProgramFolder.h"
#include "SpellingSuggestions.h"
#include "TabularDataObject.h"

#include <QFileInfo>
#include <QMetaObject>

namespace ortelia {

Dictionary::Dictionary(HeadlessPage &page, Hits hits, QObject *parent)
    : QObject(parent), m_page(page), m_hits(hits)
{
    connect(&page, &HeadlessPage::loaded, this, [this] {
        m_ownData.reset();
        m_ownDataSought = false;
        m_refusalSaid = false;
        for (std::unique_ptr<PhraseBeginnings> &beginnings : m_phraseBeginnings)
            beginnings.reset();
        m_baseForms.reset();
        m_wordClasses.reset();
        m_suggestions.reset();
    });
}

Dictionary::~Dictionary() = default;

web::TabularDataObject *Dictionary::ownData()
{
    if (!m_ownDataSought) {
        m_ownDataSought = true;
        if (const std::optional<QMap<QString, QString>> params = ownPageParams(m_page.location())) {
            m_ownParams = *params;
            const QString pageDir = QFileInfo(m_page.location()).absolutePath();
            m_ownData = std::make_unique<web::TabularDataObject>(*params, pageDir);
            m_baseForms =
                std::make_unique<web::BaseFormStandIn>(params->value(QStringLiteral("BaseForms")), pageDir);
        }
    }
    return m_ownData.get();
}

namespace {

bool isEmpty(const LookupAnswer &answer)
{
    return answer.translation.isEmpty() && answer.german.isEmpty() && answer.note.isEmpty();
}

} // namespace

std::optional<LookupAnswer> Dictionary::answer(const QString &word, TextDirection direction)
{
    if (word.isEmpty())
        return LookupAnswer{};
    if (web::TabularDataObject *data = ownData()) {
        QString answered;
        const LookupAnswer answer = lookUpOnDataObject(*data, word, direction, &answered);
        if (m_hits == Hits::Shown) {
            LookUpOnPage(m_page, answered, direction);
            m_page.takeRefusedData();
        }
        noteRefusal(!dictionaryRefusal(*data).isEmpty());
        return answer;
    }
    if (!m_page.hasMember(1, QStringLiteral("Textfeld2")))
        return std::nullopt;
    // A user's page is asked as the data object is: the word cleaned, then without its edge marks.
    const QString key = LookupKey::cleaned(word);
    LookupAnswer answer = answerOfPage(key, direction);
    if (const QStringView core = LookupKey::core(key); isEmpty(answer) && !core.isEmpty() && core != key)
        answer = answerOfPage(core.toString(), direction);
    return answer;
}

LookupAnswer Dictionary::answerOfPage(const QString &word, TextDirection direction)
{
    LookUpOnPage(m_page, word, direction);
    noteRefusal(m_page.takeRefusedData());
    LookupAnswer answer = readLookupAnswer(m_page);
    answer.searchField = m_page.value(0, searchFieldOf(direction));
    return answer;
}

std::optional<bool> Dictionary::beginsPhrase(const QString &beginning, TextDirection direction)
{
    if (!ownData())
        return std::nullopt;
    const bool german = direction == TextDirection::German;
    std::unique_ptr<PhraseBeginnings> &beginnings = m_phraseBeginnings[german ? 0 : 1];
    if (!beginnings)
        beginnings = std::make_unique<PhraseBeginnings>(m_ownParams, QFileInfo(m_page.location()).absolutePath(),
                                                        german ? germanColumn() : foreignColumn());
    return beginnings->contains(beginning);
}

std::optional<LookupAnswer> Dictionary::baseFormAnswer(const QString &word)
{
    if (!ownData())
        return std::nullopt;
    const QString base = m_baseForms->foreignBase(word, [this](const QString &candidate) {
        const std::optional<LookupAnswer> found = answer(candidate, TextDirection::Foreign);
        return found && found->translation.compare(candidate, Qt::CaseInsensitive) == 0;
    });
    if (base.isEmpty() || base.compare(word, Qt::CaseInsensitive) == 0)
        return std::nullopt;
    return answer(base, TextDirection::Foreign);
}

const QHash<QString, SenseInContext::VerbAndNoun> *Dictionary::wordClasses()
{
    if (!ownData())
        return nullptr;
    if (!m_wordClasses) {
        m_wordClasses.emplace();
        // Beside the dictionary file the data object read.
        if (m_ownData->loadFailure() == FileRead::Failure::None) {
            const QFileInfo data(ProgramFolder::resolve(QFileInfo(m_page.location()).absolutePath(),
                                                        m_ownData->dataUrl().trimmed()));
            *m_wordClasses = SenseInContext::readWordClasses(
                ProgramFolder::resolve(data.absolutePath(), wordClassesName(data.fileName())));
        }
    }
    return &*m_wordClasses;
}

QStringList Dictionary::wordsBeginning(const QString &prefix, TextDirection direction, int limit)
{
    web::TabularDataObject *data = ownData();
    if (!data)
        return {};
    return data->valuesBeginning(direction == TextDirection::German ? germanColumn() : foreignColumn(),
                                 LookupKey::cleaned(prefix), limit);
}

QStringList Dictionary::suggestions(const QString &word, TextDirection direction)
{
    if (!ownData())
        return {};
    if (!m_suggestions)
        m_suggestions =
            std::make_unique<SpellingSuggestions>(m_ownParams, QFileInfo(m_page.location()).absolutePath());
    return m_suggestions->of(word, direction);
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

WordGrammar Dictionary::grammar(const QString &germanWord)
{
    if (!m_grammar)
        m_grammar = GrammarTable::ofProgram();
    return m_grammar->of(germanWord);
}

} // namespace ortelia
