#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace ortelia {

// One running program per program folder and user. The first start listens on a local socket; a
// later start hands its request (a window name, or empty for the main window) to it and ends. A
// socket file left by a run that crashed is recovered: nobody answers on it, so it is replaced.
// The socket lies in a folder only the user can enter, and both ends check that the other runs
// as the same user: another user's program neither takes our requests nor sends us any. The
// first start ends its event loop on SIGTERM and SIGINT, so that the socket and its lock file go
// with it.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // socketPath: the socket's file; its lock file lies beside it.
    explicit SingleInstance(QString socketPath, QObject *parent = nullptr);
    ~SingleInstance() override;

    // The socket of the program in this program folder: in the user's runtime folder when it is
    // an absolute path and only the user can enter it, else in <temporary folder>/ortelia-<user id>, made for it. Empty
    // when neither is the user's own.
    static QString socketPathFor(const QString &programFolder);

    // True when a running program of this user took the request. False when this one is the
    // first (and now listens), and also when the socket's folder is not the user's own or
    // another user answers on it: then this one runs alone, without a socket.
    bool handToRunning(const QString &request);

    // Whether SIGTERM or SIGINT came. One that comes while the windows start, before the event
    // loop runs, ends the loops begun for them only: the program then ends without running its own.
    bool endedBySignal() const { return m_endedBySignal; }

signals:
    void requested(const QString &request);
    // SIGTERM or SIGINT came: the event loop ends right after this signal.
    void endingOnSignal();

private:
    void answer();
    // SIGTERM and SIGINT quit the application's event loop (through a pipe: a handler may do
    // no more than write to it).
    void quitOnSignals();

    QString m_socketPath;
    QLocalServer *m_server = nullptr;
    bool m_endedBySignal = false;
};

} // namespace ortelia
