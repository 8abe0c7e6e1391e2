#include "PageHostServer.h"

#include "HostPageState.h"
#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QLoggingCategory>

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace ortelia::web {

namespace {

// A timer that changes the page every few milliseconds sends its state no more often than this.
constexpr int kStateInterval = 40;

PageHostServer *g_server = nullptr;
QtMessageHandler g_previousHandler = nullptr;

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// A value of page code as JSON, empty for none: the window reads it without trusting it.
QByteArray resultJson(const QVariant &result)
{
    if (!result.isValid())
        return QByteArray();
    return QJsonDocument(QJsonArray{QJsonValue::fromVariant(result)}).toJson(QJsonDocument::Compact);
}

} // namespace

PageHostServer::PageHostServer(int input, int output)
    : m_output(output), m_input(input, QSocketNotifier::Read)
{
    g_server = this;
    g_previousHandler = qInstallMessageHandler(&PageHostServer::forwardMessage);
    connect(&m_input, &QSocketNotifier::activated, this, &PageHostServer::readInput);
    m_stateTimer.setSingleShot(true);
    m_stateTimer.setInterval(kStateInterval);
    connect(&m_stateTimer, &QTimer::timeout, this, [this] {
        if (std::exchange(m_changed, false))
            answer(HostWire::Kind::State, QVariant());
    });
    connect(&m_page, &HeadlessPage::changed, this, &PageHostServer::sendStateSoon);
}

PageHostServer::~PageHostServer()
{
    qInstallMessageHandler(g_previousHandler);
    g_server = nullptr;
}

WindowObjectLink PageHostServer::link(const QString &objectClass)
{
    const QString classId = HeadlessPage::normalizedClassId(objectClass);
    return {[this, classId](const QString &method, const QStringList &args) {
                QByteArray body;
                QDataStream out(&body, QIODevice::WriteOnly);
                HostWire::prepare(out);
                HostWire::writeString(out, classId);
                HostWire::writeString(out, method);
                HostWire::writeStrings(out, args);
                send(HostWire::Kind::ObjectCall, body);
            },
            [this, classId](const QString &name) { return m_windowObjects.value(classId).value(name); }};
}

void PageHostServer::readInput()
{
    char buffer[64 * 1024];
    const ssize_t n = ::read(int(m_input.socket()), buffer, sizeof buffer);
    if (n < 0 && (errno == EINTR || errno == EAGAIN))
        return;
    if (n <= 0) {
        // The window let go of its page.
        QCoreApplication::exit(0);
        m_input.setEnabled(false);
        return;
    }
    m_reader.append(QByteArray(buffer, qsizetype(n)));
    while (const std::optional<QByteArray> payload = m_reader.next())
        handle(*payload);
}

void PageHostServer::handle(const QByteArray &payload)
{
    QDataStream in(payload);
    HostWire::prepare(in);
    quint8 kind = 0;
    in >> kind;
    QString first, second;
    qint32 number = 0;
    m_inRequest = true;
    QVariant result;
    switch (HostWire::Kind(kind)) {
    case HostWire::Kind::ObjectState: {
        QString classId;
        QVariantMap properties;
        HostWire::readString(in, classId);
        in >> properties;
        m_windowObjects.insert(classId, properties);
        m_inRequest = false;
        return;
    }
    case HostWire::Kind::Navigate:
        HostWire::readString(in, first);
        HostWire::readString(in, second);
        if (!first.isEmpty() && first != ProgramFolder::root())
            ProgramFolder::setRoot(first);
        m_page.navigate(second);
        break;
    case HostWire::Kind::SetValue:
        in >> number;
        HostWire::readString(in, first);
        HostWire::readString(in, second);
        m_page.setValue(number, first, second);
        break;
    case HostWire::Kind::ClickNode:
        in >> number;
        m_page.clickNode(number);
        break;
    case HostWire::Kind::SetBodyHtml:
        HostWire::readString(in, first);
        m_page.setBodyHtml(first);
        break;
    case HostWire::Kind::Evaluate:
        HostWire::readString(in, first);
        result = m_page.evaluateScript(first);
        break;
    default:
        break;
    }
    m_inRequest = false;
    m_changed = false;
    answer(HostWire::Kind::Answer, result);
}

void PageHostServer::answer(HostWire::Kind kind, const QVariant &result)
{
    QByteArray body;
    QDataStream out(&body, QIODevice::WriteOnly);
    HostWire::prepare(out);
    HostWire::writeString(out, QString::fromUtf8(resultJson(result)));
    HostPageState::write(out, m_page);
    send(kind, body);
}

void PageHostServer::sendStateSoon()
{
    if (m_inRequest)
        return;
    m_changed = true;
    if (!m_stateTimer.isActive())
        m_stateTimer.start();
}

void PageHostServer::send(HostWire::Kind kind, const QByteArray &body)
{
    // A page whose state is beyond the frame bound took too much memory for the window to show.
    if (body.size() + 1 > HostWire::kMaxFrameBytes)
        ScriptWatchdog::endProcess(ScriptWatchdog::Stop::Memory);
    if (!writeAll(m_output, HostWire::frame(kind, body)))
        ::_exit(ScriptWatchdog::kEndedStatus);
}

void PageHostServer::reportStop(ScriptWatchdog::Stop why)
{
    QByteArray body;
    QDataStream out(&body, QIODevice::WriteOnly);
    HostWire::prepare(out);
    out << quint8(why);
    send(HostWire::Kind::Stopped, body);
}

// The page's stops are told as PageScript tells them, in its category: they go to the window.
void PageHostServer::forwardMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (g_server && type == QtWarningMsg && context.category &&
        std::strcmp(context.category, "ortelia.web.script") == 0) {
        for (const ScriptWatchdog::Stop why : {ScriptWatchdog::Stop::Time, ScriptWatchdog::Stop::Memory}) {
            if (message == QString::fromUtf8(ScriptWatchdog::warning(why))) {
                g_server->reportStop(why);
                return;
            }
        }
    }
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

} // namespace ortelia::web
