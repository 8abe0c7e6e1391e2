#include "SpeechPageObject.h"

#include "ProgramFolder.h"
#include "SpeechEngine.h"
#include "SpeechPage.h"
#include "TextFile.h"
#include "WebBrowser.h"

#include <QDir>

namespace ortelia {

SpeechPageObject::SpeechPageObject(const QString &pageDir, QObject *parent)
    : QObject(parent), m_pageDir(pageDir)
{
}

void SpeechPageObject::registerType()
{
    static const bool registered = [] {
        WebBrowser::registerObjectType(kSpeechObjectClassId,
                                       [](const QMap<QString, QString> &, const QString &pageDir,
                                          QObject *parent) { return new SpeechPageObject(pageDir, parent); });
        return true;
    }();
    Q_UNUSED(registered);
}

void SpeechPageObject::speakFile(const QString &name)
{
    speakPath(ProgramFolder::resolve(m_pageDir, name));
}

void SpeechPageObject::speakWorkingFolderFile(const QString &name)
{
    speakPath(ProgramFolder::resolve(QDir::currentPath(), name));
}

void SpeechPageObject::speakPath(const QString &path)
{
    const std::optional<QStringList> lines = TextFile::readLines(path);
    if (lines)
        SpeechEngine::instance().speak(lines->join(QLatin1Char('\n')));
}

void SpeechPageObject::stop()
{
    SpeechEngine::instance().stop();
}

void SpeechPageObject::pause()
{
    SpeechEngine::instance().pause();
}

void SpeechPageObject::resume()
{
    SpeechEngine::instance().resume();
}

void SpeechPageObject::repeat()
{
    SpeechEngine::instance().repeat();
}

bool SpeechPageObject::paused() const
{
    return SpeechEngine::instance().paused();
}

} // namespace ortelia
