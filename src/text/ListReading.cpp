#include "ListReading.h"

#include "HoverHelp.h"
#include "Speaker.h"
#include "SpeechEngine.h"
#include "VoiceChoice.h"
#include "VoiceTagTable.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace ortelia {

namespace {

QString voiceLine(const QString &name)
{
    return QStringLiteral("#voice=name:") + name + QLatin1Char('#');
}

QStringList items(const QListWidget *list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

} // namespace

ListReading::ListReading(Speaker &speaker, const Controls &controls, QObject *parent)
    : QObject(parent), m_speaker(speaker), m_controls(controls)
{
    connect(controls.foreignVoices, &QComboBox::activated, this, [this] {
        chooseVoice(m_controls.foreignVoices, m_controls.foreignVoice, m_controls.foreignPrompt);
        HoverHelp::setHelpText(voiceLine(m_controls.foreignVoices->currentText()) +
                               QStringLiteral("Test 1 2 3!"));
    });
    connect(controls.germanVoices, &QComboBox::activated, this, [this] {
        chooseVoice(m_controls.germanVoices, m_controls.germanVoice, m_controls.germanPrompt);
        HoverHelp::setHelpText(
            QStringLiteral("  Über das Auswahlfeld können Sie die Stimme mit der, der Text "
                           "gesprochen werden soll auswählen. "));
    });
    // Whose request is heard: every request, of any window, starts on the engine.
    connect(&speaker, &Speaker::started, this, &ListReading::requestStarted);
    connect(&speaker, &Speaker::wordSpoken, this, &ListReading::wordHeard);
}

void ListReading::fillVoices()
{
    const SpeechEngine &engine = m_speaker.engine();
    for (QComboBox *box : {m_controls.foreignVoices, m_controls.germanVoices}) {
        box->clear();
        for (int i = 0; i < engine.count(); ++i)
            box->addItem(engine.alias(i));
    }
}

void ListReading::showLanguages(const QString &foreign, const QString &german)
{
    // A voice picked for one language does not read the next one: both lists go back to the
    // user's voice in their language, and each box shows the voice that will read its list.
    m_controls.foreignVoice->setText(VoiceTagTable::kStandardSpeaker);
    m_controls.germanVoice->setText(VoiceTagTable::kStandardSpeaker);
    m_controls.foreignPrompt->show();
    m_controls.germanPrompt->show();
    showReadingVoice(m_controls.foreignVoices, foreign);
    showReadingVoice(m_controls.germanVoices, german);
}

void ListReading::showReadingVoice(QComboBox *box, const QString &language)
{
    const int voice =
        VoiceChoice::namedVoice(m_speaker.listInLanguage({QString(VoiceTagTable::kStandardSpeaker)}, language));
    if (voice >= 0 && voice < box->count())
        box->setCurrentIndex(voice);
}

void ListReading::chooseVoice(QComboBox *box, QLabel *voiceLineLabel, QLineEdit *prompt)
{
    m_speaker.engine().select(box->currentIndex());
    // The voice line becomes the list's first line at the next translation.
    voiceLineLabel->setText(voiceLine(box->currentText()));
    prompt->hide();
}

void ListReading::read(QListWidget *list, const QString &language)
{
    QStringList lines = m_speaker.listInLanguage(items(list), language);
    m_asked = Reading{list, lines.join(QLatin1Char('\n'))};
    m_speaker.speakText(lines);
    m_asked.reset();
}

void ListReading::togglePause()
{
    if (m_speaker.paused())
        m_speaker.resume();
    else
        m_speaker.pause();
    m_controls.pause->setText(m_speaker.paused() ? QStringLiteral("Weiter") : QStringLiteral("Pause"));
}

void ListReading::requestStarted(const QString &request)
{
    // A repeat of the same request is still this window's reading.
    if (m_asked && m_asked->request == request)
        m_speaking = m_asked;
    else if (!m_speaking || m_speaking->request != request)
        m_speaking.reset();
}

void ListReading::wordHeard(int start, int length)
{
    Q_UNUSED(length);
    if (!m_speaking)
        return;
    const QString &request = m_speaking->request;
    const int row = int(request.left(std::clamp(start, 0, int(request.size()))).count(QLatin1Char('\n')));
    // The lists may have changed since the reading began.
    QListWidget *foreign = m_controls.foreignList;
    if (row >= m_speaking->list->count() || row >= foreign->count())
        return;
    foreign->setCurrentRow(row);
    foreign->scrollToItem(foreign->item(row));
    m_controls.foreignAnswer->setText(foreign->item(row)->text());
    if (row < m_controls.germanList->count())
        m_controls.germanAnswer->setText(m_controls.germanList->item(row)->text());
}

} // namespace ortelia
