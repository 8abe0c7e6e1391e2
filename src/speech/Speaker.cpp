#include "Speaker.h"

#include "ProgramFolder.h"
#include "SettingsFiles.h"
#include "SpeechEngine.h"
#include "VoiceChoice.h"
#include "VoiceLines.h"

namespace ortelia {

namespace {

// Voice line, volume, echo, base pitch, speed, intonation, roughness.
constexpr qsizetype kProfileLines = 7;

} // namespace

Speaker::Speaker(SpeechEngine &engine, QObject *parent) : QObject(parent), m_engine(engine)
{
    connect(&engine, &SpeechEngine::started, this, &Speaker::started);
    connect(&engine, &SpeechEngine::wordSpoken, this, &Speaker::wordSpoken);
    connect(&engine, &SpeechEngine::finished, this, &Speaker::finished);
    connect(&engine, &SpeechEngine::message, this, &Speaker::message);
}

bool Speaker::speakText(QStringList &lines, AfterWriting after)
{
    return speakRequest(QStringLiteral("hilfe.txt"), lines, after);
}

bool Speaker::speakTranslation(QStringList &lines, AfterWriting after)
{
    return speakRequest(QStringLiteral("erkennung.txt"), lines, after);
}

bool Speaker::speakText(QStringList &lines, const QString &language, AfterWriting after)
{
    return speakRequest(QStringLiteral("hilfe.txt"), lines, language, after);
}

bool Speaker::speakTranslation(QStringList &lines, const QString &language, AfterWriting after)
{
    return speakRequest(QStringLiteral("erkennung.txt"), lines, language, after);
}

QStringList Speaker::inLanguage(const QStringList &lines, const QString &language)
{
    return VoiceChoice::inLanguage(lines, VoiceChoice::languageOf(language), m_engine.current());
}

QStringList Speaker::listInLanguage(const QStringList &lines, const QString &language)
{
    const QString code = VoiceChoice::languageOf(language);
    if (code.isEmpty())
        return lines;
    return VoiceChoice::forList(lines, [this, &code] { return inLanguage(voiceProfile(), code); });
}

bool Speaker::speakRequest(const QString &fileName, QStringList &lines, const QString &language,
                           AfterWriting after)
{
    QStringList request = inLanguage(lines, language);
    if (after == AfterWriting::EmptyList)
        lines.clear();
    return speakRequest(fileName, request, after);
}

bool Speaker::speakRequest(const QString &fileName, QStringList &lines, AfterWriting after)
{
    const QStringList request = lines;
    if (!writeRequest(ProgramFolder::path(fileName), lines, after))
        return false;
    speak(request);
    return true;
}

QStringList Speaker::voiceProfile()
{
    FileRead::Failure failure = FileRead::Failure::None;
    const std::optional<QStringList> lines =
        SettingsFiles::readLines(SettingsFiles::voiceProfilePath(), &failure);
    if (lines && SettingsFiles::isPlainText(*lines))
        return lines->mid(0, kProfileLines);
    if (failure == FileRead::Failure::Missing)
        return {};
    // Whatever is in the file's place would be spoken, or never end being read.
    emit message(
        QStringLiteral("Achtung : stimm2.txt ist kein Stimm-Muster! Es spricht die Standardstimme."));
    return {QString(VoiceLines::kFirstRunProfile)};
}

void Speaker::speak(const QStringList &lines)
{
    m_engine.speak(lines.join(QLatin1Char('\n')));
}

void Speaker::stop()
{
    m_engine.stop();
}

void Speaker::pause()
{
    m_engine.pause();
}

void Speaker::resume()
{
    m_engine.resume();
}

bool Speaker::paused() const
{
    return m_engine.paused();
}

void Speaker::repeat()
{
    m_engine.repeat();
}

} // namespace ortelia
