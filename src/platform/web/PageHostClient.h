#pragma once

#include "HostPageState.h"
#include "HostWire.h"
#include "ScriptWatchdog.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QVariant>

#include <chrono>
#include <functional>
#include <optional>

class QProcess;

namespace ortelia::web {

// The window's side of a page host: starts the host program when a request needs it, sends the
// request and waits for its answer, never longer than kAnswerBound. A host that ends (ended by
// its own bounds, crashed, or not answering in time) gives the page script warning once; the next
// request starts a fresh one. Nothing the host sends is trusted: a frame or state beyond its bounds
// ends the host as well.
class PageHostClient : public QObject {
public:
    // The host ends page code that ignores its stop kGrace after it, and native work is stopped
    // after kNativeLimit: a host that has not answered a little after both is stuck.
    static constexpr std::chrono::milliseconds kAnswerBound =
        ScriptWatchdog::kNativeLimit + ScriptWatchdog::kGrace + std::chrono::milliseconds(750);

    struct Handlers {
        // A timer of the page changed it.
        std::function<void(HostPageState &&state)> state;
        // A stand-in was called: the window-side object of that class carries the call out.
        std::function<void(const QString &classId, const QString &method, const QStringList &args)> call;
        // The host ended while no request waited for it.
        std::function<void()> ended;
    };
    struct Answer {
        HostPageState state;
        QVariant result;
    };

    PageHostClient(QString program, Handlers handlers);
    ~PageHostClient() override;

    // The page's state after the request; nullopt where the host ended before it answered.
    std::optional<Answer> request(HostWire::Kind kind, const QByteArray &body);
    // A frame that is not answered; dropped while no host runs.
    void send(HostWire::Kind kind, const QByteArray &body);
    bool running() const;

private:
    bool start();
    void take();
    void handle(const QByteArray &payload);
    void hostFinished();
    void end(ScriptWatchdog::Stop why);
    // Ends it while no request waits, and tells the page.
    void endIdle(ScriptWatchdog::Stop why);
    // What the host said on standard error as it ended.
    ScriptWatchdog::Stop causeOfEnd();

    QString m_program;
    Handlers m_handlers;
    QPointer<QProcess> m_process;
    HostWire::FrameReader m_reader;
    QByteArray m_errors; // the end of what the host wrote to standard error
    std::optional<Answer> m_answer;
    bool m_awaiting = false;
    bool m_broken = false; // the host sent what cannot be read
};

} // namespace ortelia::web
