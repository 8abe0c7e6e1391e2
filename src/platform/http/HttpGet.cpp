#include "HttpGet.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace ortelia {

namespace {

int g_timeoutMs = HttpGet::kTimeoutMs;

bool isWebAddress(const QUrl &url)
{
    return url.isValid() && !url.host().isEmpty() &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

} // namespace

void HttpGet::setTimeoutForTests(int milliseconds)
{
    g_timeoutMs = milliseconds;
}

HttpGet::HttpGet(const QUrl &url, qint64 maxBytes, QObject *parent)
    : QObject(parent), m_url(url), m_maxBytes(maxBytes), m_manager(new QNetworkAccessManager(this))
{
    m_manager->setProxy(QNetworkProxy::NoProxy);
}

HttpGet *HttpGet::text(const QUrl &url, qint64 maxBytes, QObject *parent)
{
    auto *get = new HttpGet(url, maxBytes, parent);
    get->start();
    return get;
}

HttpGet *HttpGet::file(const QUrl &url, const QString &path, qint64 maxBytes, QObject *parent)
{
    auto *get = new HttpGet(url, maxBytes, parent);
    get->m_file = std::make_unique<QSaveFile>(path);
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
    if (m_file && !m_file->open(QIODevice::WriteOnly)) {
        QTimer::singleShot(0, this, [this] { finish(Outcome::WriteFailed); });
        return;
    }
    QNetworkRequest request(m_url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Ortelia-Update"));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setTransferTimeout(g_timeoutMs);
    m_reply = m_manager->get(request);
    connect(m_reply, &QNetworkReply::redirected, this, [this](const QUrl &target) {
        if (isWebAddress(target))
            emit m_reply->redirectAllowed();
        else
            finishSoon(Outcome::BadAddress);
    });
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &HttpGet::checkHeaders);
    connect(m_reply, &QNetworkReply::readyRead, this, &HttpGet::readAvailable);
    connect(m_reply, &QNetworkReply::downloadProgress, this, &HttpGet::progress);
    connect(m_reply, &QNetworkReply::finished, this, &HttpGet::replyFinished);
}

void HttpGet::checkHeaders()
{
    if (!m_reply || m_outcome != Outcome::Running)
        return;
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        return;
    m_httpStatus = status.toInt();
    const bool redirect = m_httpStatus >= 300 && m_httpStatus < 400;
    if (!redirect && (m_httpStatus < 200 || m_httpStatus >= 300)) {
        finishSoon(Outcome::HttpError);
        return;
    }
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (m_file && length.isValid() && length.toLongLong() > m_maxBytes)
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
    if (m_received + bytes.size() > m_maxBytes) {
        if (m_file) {
            finishSoon(Outcome::TooLarge);
            return false;
        }
        // The list is read once, at most maxBytes: the rest is cut.
        m_body += bytes.left(m_maxBytes - m_received);
        m_received = m_maxBytes;
        finishSoon(Outcome::Ok);
        return false;
    }
    m_received += bytes.size();
    if (!m_file) {
        m_body += bytes;
    } else if (m_file->write(bytes) != bytes.size()) {
        finishSoon(Outcome::WriteFailed);
        return false;
    }
    return true;
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
    switch (m_reply->error()) {
    case QNetworkReply::NoError:
        break;
    case QNetworkReply::OperationCanceledError:
        // The transfer timeout aborts the reply this way.
        finish(Outcome::Timeout);
        return;
    case QNetworkReply::ContentNotFoundError:
    case QNetworkReply::ContentAccessDenied:
    case QNetworkReply::ContentOperationNotPermittedError:
    case QNetworkReply::AuthenticationRequiredError:
    case QNetworkReply::InternalServerError:
    case QNetworkReply::ServiceUnavailableError:
    case QNetworkReply::UnknownContentError:
    case QNetworkReply::UnknownServerError:
        finish(m_httpStatus ? Outcome::HttpError : Outcome::NoConnection);
        return;
    default:
        m_networkError = m_reply->errorString();
        finish(Outcome::NoConnection);
        return;
    }
    if (m_httpStatus < 200 || m_httpStatus >= 300) {
        finish(Outcome::HttpError);
        return;
    }
    if (m_file && !m_file->commit()) {
        finish(Outcome::WriteFailed);
        return;
    }
    finish(Outcome::Ok);
}

void HttpGet::finish(Outcome outcome)
{
    if (m_outcome != Outcome::Running)
        return;
    m_outcome = outcome;
    if (m_file && outcome != Outcome::Ok)
        m_file->cancelWriting();
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
        return QStringLiteral("Achtung : Schreibschutz entfernen [%1]!")
            .arg(m_file ? m_file->fileName() : QString());
    }
    return {};
}

} // namespace ortelia
