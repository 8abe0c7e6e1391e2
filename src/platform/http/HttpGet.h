#pragma once

#include "FileSave.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

namespace ortelia {

// One HTTP GET as the update functions make it: user agent "Ortelia-Update", never from a cache,
// no proxy, redirects only to http or https, a timeout when the server goes quiet, one for the
// whole answer when it trickles, and a byte limit. Only 2xx answers count. It runs asynchronously; finished() comes once, also after
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
        WriteFailed,
        Interrupted,      // the connection closed before the announced end
        TooManyRedirects, // a redirect loop
        BadContent,       // an answer Qt cannot read: broken packing, a decompression bomb
        Refused,          // the whole body arrived, but the caller's check refused it
        BadRedirect,      // the server sent the request to an address that is not http or https
        TooSlow           // the answer did not arrive whole within its time
    };

    static constexpr int kTimeoutMs = 15000;
    static constexpr int kMaxRedirects = 10;
    // The whole answer's time: a list gets a few quiet times, a dictionary of 64 MB ten minutes.
    static constexpr int kListTimeouts = 4;
    static constexpr int kMaxFileMs = 10 * 60 * 1000;

    // Why a whole body must not be saved, in the program's words; empty when it may.
    using Check = std::function<QString(const QByteArray &)>;

    // The body into memory, cut after maxBytes (the rest is not read); a server quiet for
    // timeoutMs, or still sending after kListTimeouts times that, is given up.
    static HttpGet *text(const QUrl &url, qint64 maxBytes, QObject *parent, int timeoutMs = kTimeoutMs);
    // The body into a file: only once the whole body arrived and check accepted it, the file is
    // replaced by saveFile. A body over maxBytes, a refused body or a failed save leaves the
    // file as it was.
    static HttpGet *file(const QUrl &url, const QString &path, qint64 maxBytes, Check check, QObject *parent);

    // Waits in a local event loop until the request finished; the window stays responsive.
    Outcome wait();
    void cancel();

    Outcome outcome() const { return m_outcome; }
    const QByteArray &body() const { return m_body; }
    // What went wrong, in the program's words; empty on success.
    QString failureText() const;

signals:
    void progress(qint64 received, qint64 total);
    void finished();

private:
    HttpGet(const QUrl &url, qint64 maxBytes, int timeoutMs, int wholeMs, QObject *parent);
    void start();
    void readAvailable();
    void checkHeaders();
    void replyFinished();
    Outcome failureOf(int networkError);
    void saveBody();
    void finish(Outcome outcome);
    // Finishes once the reply's current signal has returned.
    void finishSoon(Outcome outcome);
    bool keep(const QByteArray &bytes);

    QUrl m_url;
    qint64 m_maxBytes;
    int m_timeoutMs;
    int m_wholeMs;
    QNetworkAccessManager *m_manager;
    QPointer<QNetworkReply> m_reply;
    QString m_path; // empty for a text request
    Check m_check;
    QByteArray m_body;
    Outcome m_outcome = Outcome::Running;
    bool m_finishing = false;
    int m_httpStatus = 0;
    QList<QUrl> m_visited; // the address and every redirect target
    QString m_refusal;
    QUrl m_redirectTarget; // a target that is no web address
    SaveResult m_save;
};

} // namespace ortelia
