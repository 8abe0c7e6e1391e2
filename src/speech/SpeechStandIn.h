#pragma once

#include "PageHostServer.h"

#include <QObject>

namespace ortelia {

// The speech object of a page in the page host: the same calls as SpeechPageObject, handed on to
// the window program, whose speech engine carries them out. paused is what the window last said.
class SpeechStandIn : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool paused READ paused)
public:
    SpeechStandIn(web::WindowObjectLink link, QObject *parent);

    // Makes the host's pages get this stand-in for the speech object's class id.
    static void registerType(web::PageHostServer &server);

    Q_INVOKABLE void speakFile(const QString &name) { m_link.call(QStringLiteral("speakFile"), {name}); }
    Q_INVOKABLE void speakWorkingFolderFile(const QString &name)
    {
        m_link.call(QStringLiteral("speakWorkingFolderFile"), {name});
    }
    Q_INVOKABLE void stop() { m_link.call(QStringLiteral("stop"), {}); }
    Q_INVOKABLE void pause() { m_link.call(QStringLiteral("pause"), {}); }
    Q_INVOKABLE void resume() { m_link.call(QStringLiteral("resume"), {}); }
    Q_INVOKABLE void repeat() { m_link.call(QStringLiteral("repeat"), {}); }
    bool paused() const { return m_link.property(QStringLiteral("paused")).toBool(); }

private:
    web::WindowObjectLink m_link;
};

} // namespace ortelia
