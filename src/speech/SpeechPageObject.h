#pragma once

#include <QObject>
#include <QString>

namespace ortelia {

// The speech engine as the speech pages see it: <object id="Sprecher" classid="clsid:0A7E11A0-...">.
// The pages' buttons call these methods; all pages share the program's one engine.
class SpeechPageObject : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool paused READ paused)
public:
    SpeechPageObject(const QString &pageDir, QObject *parent);

    // Makes the browser create this object for the speech object's class id.
    static void registerType();

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

    QString m_pageDir;
};

} // namespace ortelia
