#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace ortelia {

// One running program per program folder. The first start listens on a local socket; a later
// start hands its request (a window name, or empty for the main window) to it and ends. A socket
// file left by a run that crashed is recovered: nobody answers on it, so it is replaced.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // socketPath: the socket's file; its lock file lies beside it.
    explicit SingleInstance(QString socketPath, QObject *parent = nullptr);
    ~SingleInstance() override;

    // The socket of the program in this program folder, in the user's runtime folder.
    static QString socketPathFor(const QString &programFolder);

    // True when a running program took the request; false when this one is the first (and
    // now listens) or no socket can be had at all.
    bool handToRunning(const QString &request);

signals:
    void requested(const QString &request);

private:
    void answer();

    QString m_socketPath;
    QLocalServer *m_server = nullptr;
};

} // namespace ortelia
