#pragma once

#include <QLatin1String>
#include <QObject>
#include <QString>

namespace ortelia {

class SpeechEngine;

// The class id of the speech engine object on the program's speech pages.
inline constexpr QLatin1String kSpeechObjectClassId("clsid:0A7E11A0-0E7E-4A11-A5EE-000000000001");

// The speech engine as a page sees it: <object id="Sprecher" classid="clsid:0A7E11A0-...">. The
// program speaks through its Speaker; this object lets a page (the program's speech pages sp,
// blank.htm and sprech.htm, or one a user writes) speak and control the same engine.
class SpeechPageObject : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool paused READ paused)
public:
    SpeechPageObject(SpeechEngine &engine, const QString &pageDir, QObject *parent);

    // Makes the browser create this object, on that engine, for the speech object's class id.
    static void registerType(SpeechEngine &engine);

    // Speaks a request file of the page's folder: its lines, markup applied, one after the other.
    // A missing or unreadable file speaks nothing.
    Q_INVOKABLE void speakFile(const QString &name);
    // The same for a file of the current directory.
    Q_INVOKABLE void speakWorkingFolderFile(const QString &name);
    Q_INVOKABLE void stop();
    Q_INVOKABLE void pause();
    Q_INVOKABLE void resume();
    Q_INVOKABLE void repeat();
    bool paused() const;

private:
    void speakPath(const QString &path);

    SpeechEngine &m_engine;
    QString m_pageDir;
};

} // namespace ortelia
