#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QSaveFile>
#include <QUrl>

#include <memory>

class QNetworkAccessManager;
class QNetworkReply;

namespace ortelia {

// One HTTP GET as the update functions make it: user agent "Ortelia-Update", never from a cache,
// no proxy, redirects only to http or https, a timeout when the server goes quiet, and a byte
// limit. Only 2xx answers count. It runs asynchronously; finished() comes once, also after
// cancel().
class HttpGet : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        Running,
        Ok,
        BadAddress,
        NoConnection,
        HttpError,
        Timeout,
        TooLarge,
        Cancelled,
        WriteFailed
    };

    static constexpr int kTimeoutMs = 15000;

    // The body into memory, cut after maxBytes (the rest is not read).
    static HttpGet *text(const QUrl &url, qint64 maxBytes, QObject *parent);
    // The body into a file, replaced atomically once the whole body arrived; a body over
    // maxBytes is a failure and leaves the file as it was.
    static HttpGet *file(const QUrl &url, const QString &path, qint64 maxBytes, QObject *parent);

    // Waits in a local event loop until the request finished; the window stays responsive.
    Outcome wait();
    void cancel();

    Outcome outcome() const { return m_outcome; }
    const QByteArray &body() const { return m_body; }
    // What went wrong, in the program's words; empty on success.
    QString failureText() const;

    // Tests shorten the timeout instead of waiting 15 s for a silent server.
    static void setTimeoutForTests(int milliseconds);

signals:
    void progress(qint64 received, qint64 total);
    void finished();

private:
    HttpGet(const QUrl &url, qint64 maxBytes, QObject *parent);
    void start();
    void readAvailable();
    void checkHeaders();
    void replyFinished();
    void finish(Outcome outcome);
    // Finishes once the reply's current signal has returned.
    void finishSoon(Outcome outcome);
    bool keep(const QByteArray &bytes);

    QUrl m_url;
    qint64 m_maxBytes;
    qint64 m_received = 0;
    QNetworkAccessManager *m_manager;
    QPointer<QNetworkReply> m_reply;
    std::unique_ptr<QSaveFile> m_file;
    QByteArray m_body;
    Outcome m_outcome = Outcome::Running;
    bool m_finishing = false;
    int m_httpStatus = 0;
    QString m_networkError;
};

} // namespace ortelia
