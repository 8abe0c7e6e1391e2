#include "TranslationWalk.h"

#include "Dialogs.h"
#include "Dictionary.h"
#include "FormTimer.h"
#include "ListWalk.h"
#include "OptionGroup.h"
#include "TextTranslation.h"
#include "TextWalk.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTimer>

namespace ortelia {

namespace {

constexpr int kLookupDelay = 40;
constexpr int kAnswerDelay = 100;
constexpr int kReadDelay = 1500;
constexpr int kDictationClearDelay = 2000;
constexpr int kDictationSettle = 300;

} // namespace

TranslationWalk::TranslationWalk(const Shared &shared, const Controls &controls, QWidget *window)
    : QObject(window), m_shared(shared), m_controls(controls),
      m_walkTimer(new FormTimer(QLatin1String(controls.walkTimer), shared.pause->value(), false, window)),
      m_lookupTimer(new FormTimer(QLatin1String(controls.lookupTimer), kLookupDelay, false, window)),
      m_answerTimer(new FormTimer(QLatin1String(controls.answerTimer), kAnswerDelay, false, window)),
      m_readTimer(new FormTimer(QLatin1String(controls.readTimer), kReadDelay, false, window)),
      m_clearTimer(new FormTimer(QLatin1String(controls.clearTimer), kDictationClearDelay, false, window)),
      m_settleTimer(new QTimer(this))
{
    m_settleTimer->setSingleShot(true);
    m_settleTimer->setInterval(kDictationSettle);
    connect(m_settleTimer, &QTimer::timeout, this, &TranslationWalk::dictationSettled);
    connect(m_controls.input, &QPlainTextEdit::textChanged, this, &TranslationWalk::inputChanged);
    connect(m_controls.words, &QListWidget::currentRowChanged, this, &TranslationWalk::wordSelected);
    connect(m_controls.word, &QLineEdit::textChanged, this, &TranslationWalk::wordChanged);
    connect(m_walkTimer, &FormTimer::timeout, this, &TranslationWalk::pauseOver);
    connect(m_lookupTimer, &FormTimer::timeout, this, &TranslationWalk::lookUpNow);
    connect(m_answerTimer, &FormTimer::timeout, this, &TranslationWalk::collectAnswer);
    connect(m_readTimer, &FormTimer::timeout, this, [this] {
        m_readTimer->setEnabled(false);
        m_controls.readAloud->click();
    });
    connect(m_clearTimer, &FormTimer::timeout, this, &TranslationWalk::clearDictatedInput);
    connect(m_controls.dictation, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            m_controls.input->setFocus();
    });
}

TranslationWalk::~TranslationWalk() = default;

void TranslationWalk::translate()
{
    m_shared.foreignList->clear();
    m_shared.germanList->clear();
    m_shared.foreignList->addItem(m_shared.foreignVoice->text());
    m_shared.germanList->addItem(m_shared.germanVoice->text());
    m_advanceWhenAnswered = false;
    m_walkTimer->setEnabled(false);
    m_controls.words->clear();
    // The window keeps the splitter's limit: more than 1,501 words are refused.
    const QChar blank(QLatin1Char(' '));
    m_translation.reset();
    if (const std::optional<QStringList> words =
            splitWords(TextWalk::normalised(m_workCopy, m_controls.direction), blank)) {
        m_translation = std::make_unique<TextTranslation>(*m_shared.dictionary, m_controls.direction);
        m_translation->setWords(*words);
        m_controls.words->addItems(*words);
    } else {
        Dialogs::message(QString(), QString::fromLatin1(kTooManyWords));
    }
    selectNextRow(m_controls.words);
}

void TranslationWalk::inputChanged()
{
    m_workCopy = m_controls.input->toPlainText();
    if (m_controls.dictation->isChecked())
        m_settleTimer->start();
}

void TranslationWalk::dictationSettled()
{
    if (!m_controls.dictation->isChecked())
        return;
    translate();
    m_clearTimer->restart(kDictationClearDelay);
}

void TranslationWalk::wordSelected(int row)
{
    if (row < 0)
        return;
    m_walkTimer->restart(m_shared.pause->value());
    lookUp(m_controls.words->item(row)->text());
}

void TranslationWalk::lookUp(const QString &word)
{
    // The same word twice in a row changes nothing in the field, yet it is a word of its own.
    if (m_controls.word->text() == word)
        wordChanged();
    else
        m_controls.word->setText(word);
}

void TranslationWalk::wordChanged()
{
    QLineEdit *field = m_controls.word;
    const QString lower = field->text().toLower();
    if (lower != field->text()) {
        field->setText(lower);
        return;
    }
    field->setCursorPosition(int(lower.size()));
    m_lookupTimer->restart(kLookupDelay);
    if (m_controls.reading->value(0))
        m_readTimer->setEnabled(false);
    else if (m_controls.reading->value(1))
        m_readTimer->restart(kReadDelay);
    if (m_controls.dictation->isChecked())
        m_clearTimer->restart(kDictationClearDelay);
}

void TranslationWalk::lookUpNow()
{
    m_lookupTimer->setEnabled(false);
    // The word of the selected line is answered as a word of the text; a word typed is answered alone.
    const int row = m_controls.words->currentRow();
    const bool wordOfText =
        m_translation && row >= 0 && m_controls.words->item(row)->text().toLower() == m_controls.word->text();
    m_answer = wordOfText ? m_translation->answerAt(row)
                          : m_shared.dictionary->answer(m_controls.word->text(), m_controls.direction);
    m_answerGiven = wordOfText && m_translation->joinedToEarlier(row);
    // A page of the user's may correct the word in its search field.
    if (m_answer && !m_answer->searchField.isEmpty() && m_answer->searchField != m_controls.word->text())
        m_controls.word->setText(m_answer->searchField);
    m_answerTimer->restart(kAnswerDelay);
}

void TranslationWalk::collectAnswer()
{
    m_answerTimer->setEnabled(false);
    // Without a page the labels keep what they show.
    if (m_answer) {
        m_shared.foreignAnswer->setText(m_answer->translation);
        m_shared.germanAnswer->setText(m_answer->german);
    }
    // A phrase is one line, heard once: its later words add none. The pointer on a line shows the
    // grammar of its German word.
    if (!m_answerGiven) {
        m_shared.foreignList->addItem(m_shared.foreignAnswer->text());
        m_shared.germanList->addItem(m_shared.germanAnswer->text());
        const QString grammar = m_shared.dictionary->grammar(m_shared.germanAnswer->text()).text();
        for (QListWidget *list : {m_shared.foreignList, m_shared.germanList})
            list->item(list->count() - 1)->setToolTip(grammar);
    }
    if (m_advanceWhenAnswered && !answerPending())
        advance();
}

bool TranslationWalk::answerPending() const
{
    return m_lookupTimer->isActive() || m_answerTimer->isActive();
}

void TranslationWalk::pauseOver()
{
    m_walkTimer->setEnabled(false);
    if (answerPending())
        m_advanceWhenAnswered = true;
    else
        advance();
}

void TranslationWalk::advance()
{
    m_advanceWhenAnswered = false;
    selectNextRow(m_controls.words);
}

void TranslationWalk::stop()
{
    m_walkTimer->setEnabled(false);
    m_answerTimer->setEnabled(false);
    m_advanceWhenAnswered = false;
}

void TranslationWalk::readAfterwards()
{
    m_readTimer->restart(kReadDelay);
}

void TranslationWalk::setWordPause(int milliseconds)
{
    m_walkTimer->setInterval(milliseconds);
}

void TranslationWalk::clearDictatedInput()
{
    m_clearTimer->setEnabled(false);
    // Emptying the field is a change of its own: the lists start again for the next sentence.
    if (!m_controls.input->toPlainText().isEmpty())
        m_controls.input->clear();
    m_controls.input->setFocus();
}

} // namespace ortelia
