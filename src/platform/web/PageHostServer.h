#pragma once

#include "HeadlessPage.h"
#include "HostWire.h"
#include "ScriptWatchdog.h"

#include <QHash>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <QVariantMap>

#include <functional>

namespace ortelia::web {

// What a stand-in in the host has of the page object the window carries out its calls on.
struct WindowObjectLink {
    std::function<void(const QString &method, const QStringList &args)> call;
    // A property as the window last said it was.
    std::function<QVariant(const QString &name)> property;
};

// The page host's side of the pipe: it holds one HeadlessPage, carries out the window's requests
// on it and answers each with the page's state; the state also goes out after a timer changed the
// page. A script the watchdog stopped is reported, the page stays. The host ends when the window
// closes its pipe.
class PageHostServer : public QObject {
public:
    // Reads requests from input, writes frames to output (file descriptors).
    PageHostServer(int input, int output);
    ~PageHostServer() override;

    WindowObjectLink link(const QString &classId);

private:
    void readInput();
    void handle(const QByteArray &payload);
    void answer(HostWire::Kind kind, const QVariant &result);
    void sendStateSoon();
    void send(HostWire::Kind kind, const QByteArray &body);
    void reportStop(ScriptWatchdog::Stop why);
    static void forwardMessage(QtMsgType type, const QMessageLogContext &context, const QString &message);

    int m_output;
    HeadlessPage m_page;
    QSocketNotifier m_input;
    HostWire::FrameReader m_reader;
    QTimer m_stateTimer;
    bool m_inRequest = false;
    bool m_changed = false;
    QHash<QString, QVariantMap> m_windowObjects;
};

} // namespace ortelia::web
