#include "PageHostClient.h"

#include "HtmlDocument.h"
#include "PageScript.h"

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

namespace ortelia::web {

namespace {

// Enough of the host's standard error to find its last warning in.
constexpr qsizetype kKeptErrorBytes = 4096;
constexpr int kStartBound = 5000;

} // namespace

PageHostClient::PageHostClient(QString program, Handlers handlers)
    : m_program(std::move(program)), m_handlers(std::move(handlers))
{
}

PageHostClient::~PageHostClient()
{
    if (m_process) {
        m_process->disconnect(this);
        m_process->kill();
        m_process->waitForFinished(1000);
        delete m_process;
    }
}

bool PageHostClient::running() const
{
    return m_process && m_process->state() == QProcess::Running;
}

bool PageHostClient::start()
{
    if (m_process)
        return true;
    m_process = new QProcess(this);
    m_reader = HostWire::FrameReader();
    m_errors.clear();
    m_broken = false;
    connect(m_process, &QProcess::readyReadStandardOutput, this, &PageHostClient::take);
    connect(m_process, &QProcess::readyReadStandardError, this, [this] {
        m_errors = (m_errors + m_process->readAllStandardError()).right(kKeptErrorBytes);
    });
    connect(m_process, &QProcess::finished, this, &PageHostClient::hostFinished);
    m_process->start(m_program, QStringList());
    if (m_process->waitForStarted(kStartBound))
        return true;
    qCWarning(lcPageScript).noquote() << "page host not started:" << m_program << m_process->errorString();
    m_process->disconnect(this);
    m_process->deleteLater();
    m_process = nullptr;
    return false;
}

std::optional<PageHostClient::Answer> PageHostClient::request(HostWire::Kind kind, const QByteArray &body)
{
    // A host that ended before the window noticed holds no page: it is not started afresh for it.
    if (m_process && !running()) {
        take();
        end(causeOfEnd());
        return std::nullopt;
    }
    if (!start())
        return std::nullopt;
    m_answer.reset();
    m_awaiting = true;
    m_process->write(HostWire::frame(kind, body));
    const QDeadlineTimer deadline(kAnswerBound);
    while (!m_answer && !m_broken && running() && !deadline.hasExpired())
        m_process->waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
    m_awaiting = false;
    if (m_answer)
        return std::exchange(m_answer, std::nullopt);
    if (running() && !m_broken) {
        end(ScriptWatchdog::Stop::Time);
        return std::nullopt;
    }
    end(m_broken ? ScriptWatchdog::Stop::Memory : causeOfEnd());
    return std::nullopt;
}

void PageHostClient::send(HostWire::Kind kind, const QByteArray &body)
{
    if (running())
        m_process->write(HostWire::frame(kind, body));
}

void PageHostClient::take()
{
    if (!m_process)
        return;
    m_reader.append(m_process->readAllStandardOutput());
    while (!m_broken) {
        const std::optional<QByteArray> payload = m_reader.next();
        if (!payload)
            break;
        handle(*payload);
    }
    m_broken = m_broken || m_reader.failed();
    if (m_broken && !m_awaiting)
        endIdle(ScriptWatchdog::Stop::Memory);
}

void PageHostClient::handle(const QByteArray &payload)
{
    QDataStream in(payload);
    HostWire::prepare(in);
    quint8 kind = 0;
    in >> kind;
    switch (HostWire::Kind(kind)) {
    case HostWire::Kind::Answer:
    case HostWire::Kind::State: {
        QString json;
        std::optional<HostPageState> state;
        if (HostWire::readString(in, json))
            state = HostPageState::read(in);
        if (!state) {
            m_broken = true;
            return;
        }
        if (HostWire::Kind(kind) == HostWire::Kind::State) {
            m_handlers.state(std::move(*state));
            return;
        }
        QVariant result;
        if (!json.isEmpty())
            result = QJsonDocument::fromJson(json.toUtf8()).array().at(0).toVariant();
        if (m_awaiting)
            m_answer = Answer{std::move(*state), result};
        return;
    }
    case HostWire::Kind::Stopped: {
        quint8 why = 0;
        in >> why;
        const auto stop = why == quint8(ScriptWatchdog::Stop::Memory) ? ScriptWatchdog::Stop::Memory
                                                                       : ScriptWatchdog::Stop::Time;
        qCWarning(lcPageScript).noquote() << QString::fromUtf8(ScriptWatchdog::warning(stop));
        return;
    }
    case HostWire::Kind::ObjectCall: {
        QString classId, method;
        QStringList args;
        if (HostWire::readString(in, classId) && HostWire::readString(in, method) && HostWire::readStrings(in, args))
            m_handlers.call(classId, method, args);
        return;
    }
    default:
        m_broken = true;
    }
}

void PageHostClient::hostFinished()
{
    take();
    if (!m_awaiting && m_process)
        endIdle(causeOfEnd());
}

void PageHostClient::endIdle(ScriptWatchdog::Stop why)
{
    end(why);
    m_handlers.ended();
}

void PageHostClient::end(ScriptWatchdog::Stop why)
{
    if (!m_process)
        return;
    QProcess *process = m_process;
    process->disconnect(this);
    process->kill();
    process->waitForFinished(1000);
    process->deleteLater();
    m_process = nullptr;
    qCWarning(lcPageScript).noquote() << QString::fromUtf8(ScriptWatchdog::warning(why));
}

ScriptWatchdog::Stop PageHostClient::causeOfEnd()
{
    if (m_process)
        m_errors = (m_errors + m_process->readAllStandardError()).right(kKeptErrorBytes);
    const QByteArray memory(ScriptWatchdog::warning(ScriptWatchdog::Stop::Memory));
    return m_errors.contains(memory) ? ScriptWatchdog::Stop::Memory : ScriptWatchdog::Stop::Time;
}

} // namespace ortelia::web
