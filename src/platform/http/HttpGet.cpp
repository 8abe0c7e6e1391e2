#include "HttpGet.h"


#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace ortelia {

namespace {

bool isWebAddress(const QUrl &url)
{
    return url.isValid() && !url.host().isEmpty() &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

} // namespace

HttpGet::HttpGet(const QUrl &url, qint64 maxBytes, int timeoutMs, int wholeMs, QObject *parent)
    : QObject(parent), m_url(url), m_maxBytes(maxBytes), m_timeoutMs(timeoutMs), m_wholeMs(wholeMs),
      m_manager(new QNetworkAccessManager(this))
{
    m_manager->setProxy(QNetworkProxy::NoProxy);
}

HttpGet *HttpGet::text(const QUrl &url, qint64 maxBytes, QObject *parent, int timeoutMs)
{
    auto *get = new HttpGet(url, maxBytes, timeoutMs, timeoutMs * kListTimeouts, parent);
    get->start();
    return get;
}

HttpGet *HttpGet::file(const QUrl &url, const QString &path, qint64 maxBytes, Check check, QObject *parent)
{
    auto *get = new HttpGet(url, maxBytes, kTimeoutMs, kMaxFileMs, parent);
    get->m_path = path;
    get->m_check = std::move(check);
    get->start();
    return get;
}

void HttpGet::start()
{
    if (!isWebAddress(m_url)) {
        // Reported once the caller could connect to finished().
        QTimer::singleShot(0, this, [this] { finish(Outcome::BadAddress); });
        return;
    }
    QNetworkRequest request(m_url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Ortelia-Update"));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    request.setTransferTimeout(m_timeoutMs);
    // Qt checks a packed answer for a bomb only past this many unpacked bytes (10 MB by default),
    // more than a list may hold.
    request.setDecompressedSafetyCheckThreshold(qMin<qint64>(m_maxBytes, 10 << 20));
    m_visited = {m_url};
    m_reply = m_manager->get(request);
    connect(m_reply, &QNetworkReply::redirected, this, [this](const QUrl &target) {
        if (!isWebAddress(target)) {
            m_redirectTarget = target;
            finishSoon(Outcome::BadRedirect);
            return;
        }
        // A loop is found by its first repeat: Qt does not always end one with an error.
        if (m_visited.contains(target) || m_visited.size() > kMaxRedirects) {
            finishSoon(Outcome::TooManyRedirects);
            return;
        }
        m_visited << target;
        emit m_reply->redirectAllowed();
    });
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &HttpGet::checkHeaders);
    connect(m_reply, &QNetworkReply::readyRead, this, &HttpGet::readAvailable);
    connect(m_reply, &QNetworkReply::finished, this, &HttpGet::replyFinished);
    QTimer::singleShot(m_wholeMs, this, [this] {
        if (m_outcome == Outcome::Running)
            finish(Outcome::TooSlow);
    });
}

void HttpGet::checkHeaders()
{
    if (!m_reply || m_outcome != Outcome::Running)
        return;
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        return;
    m_httpStatus = status.toInt();
    // An interim status (Qt shows one at the end of a redirect loop) is judged when the reply
    // finished, with its network error.
    const bool pending = m_httpStatus < 200 || (m_httpStatus >= 300 && m_httpStatus < 400);
    if (!pending && m_httpStatus >= 300) {
        finishSoon(Outcome::HttpError);
        return;
    }
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (!m_path.isEmpty() && length.isValid() && length.toLongLong() > m_maxBytes)
        finishSoon(Outcome::TooLarge);
}

void HttpGet::finishSoon(Outcome outcome)
{
    // Aborting a reply from inside its own signals upsets Qt Network; the reply's data is
    // ignored until then.
    if (m_finishing)
        return;
    m_finishing = true;
    QMetaObject::invokeMethod(
        this, [this, outcome] { finish(outcome); }, Qt::QueuedConnection);
}

void HttpGet::readAvailable()
{
    if (!m_reply || m_outcome != Outcome::Running || m_finishing)
        return;
    checkHeaders();
    if (m_finishing)
        return;
    keep(m_reply->readAll());
}

bool HttpGet::keep(const QByteArray &bytes)
{
    if (m_body.size() + bytes.size() > m_maxBytes) {
        if (!m_path.isEmpty()) {
            finishSoon(Outcome::TooLarge);
            return false;
        }
        // The list is read once, at most maxBytes: the rest is cut.
        m_body += bytes.left(m_maxBytes - m_body.size());
        finishSoon(Outcome::Ok);
        return false;
    }
    m_body += bytes;
    // Qt's own progress signal comes at most every 100 ms; this one comes with the data.
    if (!bytes.isEmpty())
        emit progress(m_body.size(),
                      m_reply ? m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() : 0);
    return true;
}

HttpGet::Outcome HttpGet::failureOf(int networkError)
{
    // Qt itself refuses a redirect to a scheme it does not speak (file:, ftp:) before asking us.
    // Its error comes before the headers reach us: the status and target are read off the reply.
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    QUrl target = m_reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
    if (!target.isValid())
        target = QUrl::fromEncoded(m_reply->rawHeader("Location"));
    if (status >= 300 && status < 400 && target.isValid() && !isWebAddress(m_url.resolved(target))) {
        m_redirectTarget = m_url.resolved(target);
        return Outcome::BadRedirect;
    }
    switch (networkError) {
    case QNetworkReply::OperationCanceledError:
        // The transfer timeout aborts the reply this way.
        return Outcome::Timeout;
    case QNetworkReply::TooManyRedirectsError:
        return Outcome::TooManyRedirects;
    case QNetworkReply::RemoteHostClosedError:
        return m_httpStatus ? Outcome::Interrupted : Outcome::NoConnection;
    case QNetworkReply::ContentNotFoundError:
    case QNetworkReply::ContentAccessDenied:
    case QNetworkReply::ContentOperationNotPermittedError:
    case QNetworkReply::ContentGoneError:
    case QNetworkReply::AuthenticationRequiredError:
    case QNetworkReply::InternalServerError:
    case QNetworkReply::OperationNotImplementedError:
    case QNetworkReply::ServiceUnavailableError:
    case QNetworkReply::UnknownServerError:
        return m_httpStatus >= 200 && m_httpStatus < 300 ? Outcome::BadContent : Outcome::HttpError;
    case QNetworkReply::UnknownContentError:
    case QNetworkReply::ProtocolFailure:
    case QNetworkReply::ProtocolUnknownError:
    case QNetworkReply::ProtocolInvalidOperationError:
        // The server answered, but what it sent cannot be read (Qt refuses a body that unpacks
        // far beyond its packed size, among others).
        return m_httpStatus ? Outcome::BadContent : Outcome::NoConnection;
    default:
        return Outcome::NoConnection;
    }
}

void HttpGet::replyFinished()
{
    if (!m_reply || m_outcome != Outcome::Running || m_finishing)
        return;
    checkHeaders();
    if (m_finishing)
        return;
    if (m_reply->isOpen() && !keep(m_reply->readAll()))
        return;
    if (m_reply->error() != QNetworkReply::NoError) {
        finish(failureOf(m_reply->error()));
        return;
    }
    // A redirect Qt did not follow: its limit of redirects was reached.
    if (m_httpStatus >= 300 && m_httpStatus < 400 &&
        m_reply->attribute(QNetworkRequest::RedirectionTargetAttribute).isValid()) {
        finish(Outcome::TooManyRedirects);
        return;
    }
    // Qt ends a reply whose connection closed before any answer without an error.
    if (m_httpStatus < 200) {
        finish(Outcome::Interrupted);
        return;
    }
    if (m_httpStatus >= 300) {
        finish(Outcome::HttpError);
        return;
    }
    if (!m_path.isEmpty())
        saveBody();
    else
        finish(Outcome::Ok);
}

void HttpGet::saveBody()
{
    if (m_check)
        m_refusal = m_check(m_body);
    if (!m_refusal.isEmpty()) {
        finish(Outcome::Refused);
        return;
    }
    m_save = saveFile(m_path, m_body);
    finish(m_save ? Outcome::Ok : Outcome::WriteFailed);
}

void HttpGet::finish(Outcome outcome)
{
    if (m_outcome != Outcome::Running)
        return;
    m_outcome = outcome;
    // What arrived of a failed answer is no body.
    if (outcome != Outcome::Ok)
        m_body.clear();
    if (m_reply) {
        QNetworkReply *reply = m_reply;
        m_reply = nullptr;
        reply->disconnect(this);
        if (reply->isRunning())
            reply->abort();
        reply->deleteLater();
    }
    emit finished();
}

void HttpGet::cancel()
{
    finish(Outcome::Cancelled);
}

HttpGet::Outcome HttpGet::wait()
{
    if (m_outcome == Outcome::Running) {
        QEventLoop loop;
        connect(this, &HttpGet::finished, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return m_outcome;
}

QString HttpGet::failureText() const
{
    switch (m_outcome) {
    case Outcome::Running:
    case Outcome::Ok:
        return {};
    case Outcome::BadAddress:
        return QStringLiteral("Achtung : Keine gültige Internet-Adresse [%1]!").arg(m_url.toString());
    case Outcome::NoConnection:
        return QStringLiteral("Achtung :keine Verbindung !");
    case Outcome::HttpError:
        return QStringLiteral("Achtung : Der Server antwortet mit Fehler %1 [%2]!")
            .arg(m_httpStatus)
            .arg(m_url.toString());
    case Outcome::Timeout:
        return QStringLiteral("Achtung : Der Server antwortet nicht [%1]!").arg(m_url.toString());
    case Outcome::TooLarge:
        return QStringLiteral("Achtung : Die Datei ist zu groß [%1]!").arg(m_url.toString());
    case Outcome::Cancelled:
        return QStringLiteral("Achtung : Download abgebrochen!");
    case Outcome::WriteFailed:
        return m_save.message();
    case Outcome::Interrupted:
        return QStringLiteral("Achtung : Die Verbindung brach vor dem Ende ab [%1]!").arg(m_url.toString());
    case Outcome::TooManyRedirects:
        return QStringLiteral("Achtung : Zu viele Weiterleitungen [%1]!").arg(m_url.toString());
    case Outcome::BadContent:
        return QStringLiteral("Achtung : Die Antwort des Servers ist nicht lesbar (fehlerhaft oder zu stark "
                              "gepackt) [%1]!")
            .arg(m_url.toString());
    case Outcome::BadRedirect:
        return QStringLiteral("Achtung : Der Server leitet die Anfrage an eine Adresse weiter, die keine "
                              "http- oder https-Adresse ist [%1]!")
            .arg(m_redirectTarget.toString());
    case Outcome::TooSlow:
        return QStringLiteral("Achtung : Der Server sendet zu langsam, die Antwort kam nicht in %1 Sekunden "
                              "[%2]!")
            .arg(m_wholeMs / 1000.0)
            .arg(m_url.toString());
    case Outcome::Refused:
        return QStringLiteral("Achtung : Die Datei ist kein Wörterbuch (%1) [%2]! Es wurde nichts ersetzt.")
            .arg(m_refusal, m_url.toString());
    }
    return {};
}

} // namespace ortelia
