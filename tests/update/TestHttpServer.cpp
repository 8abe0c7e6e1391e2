#include "TestHttpServer.h"

#include <QTcpSocket>
#include <QTimer>

#include <memory>

TestHttpServer::TestHttpServer()
{
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
            // The request may have arrived with the connection.
            serve(socket);
        }
    });
}

QString TestHttpServer::base() const
{
    return QStringLiteral("http://127.0.0.1:%1/").arg(m_server.serverPort());
}

void TestHttpServer::route(const QByteArray &path, const Route &route)
{
    m_routes.insert(path, route);
}

void TestHttpServer::serve(QTcpSocket *socket)
{
    if (socket->property("served").toBool() || !socket->peek(1 << 16).contains("\r\n\r\n"))
        return;
    socket->setProperty("served", true);
    const QList<QByteArray> lines = socket->readAll().split('\n');
    const QByteArray path = lines.value(0).split(' ').value(1);
    requests << QString::fromLatin1(path);
    for (const QByteArray &line : lines) {
        if (line.toLower().startsWith("user-agent:"))
            userAgents << QString::fromLatin1(line.mid(11).trimmed());
    }
    const auto it = m_routes.constFind(path);
    const Route route = it != m_routes.cend() ? *it : Route{404, "not found"};
    switch (route.mode) {
    case Mode::Silent:
        return;
    case Mode::Normal: {
        QByteArray head = "HTTP/1.1 " + QByteArray::number(route.status) +
                          " X\r\nContent-Length: " + QByteArray::number(route.body.size()) + "\r\n";
        // A redirect keeps the connection for the next request, as web servers do: the client
        // sends it on the same connection.
        const bool redirect = !route.location.isEmpty();
        if (redirect)
            head += "Location: " + route.location + "\r\n";
        else
            head += "Connection: close\r\n";
        socket->write(head + route.headers + "\r\n" + route.body);
        if (redirect)
            socket->setProperty("served", false);
        else
            socket->disconnectFromHost();
        return;
    }
    case Mode::CutOff:
        socket->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(route.body.size()) +
                      "\r\nConnection: close\r\n\r\n" + route.body.left(route.body.size() / 2));
        socket->flush();
        socket->disconnectFromHost();
        return;
    case Mode::Unsized:
    case Mode::Stalled:
        socket->write("HTTP/1.1 200 OK\r\nConnection: close\r\n" + route.headers + "\r\n" + route.body);
        socket->flush();
        if (route.mode == Mode::Unsized)
            socket->disconnectFromHost();
        return;
    case Mode::Trickle: {
        socket->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(route.body.size()) +
                      "\r\nConnection: close\r\n\r\n");
        auto *clock = new QTimer(socket);
        const auto sent = std::make_shared<qsizetype>(0);
        connect(clock, &QTimer::timeout, socket, [socket, sent, body = route.body] {
            if (*sent < body.size())
                socket->write(body.mid((*sent)++, 1));
        });
        clock->start(1000);
        return;
    }
    case Mode::Endless: {
        socket->write("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n");
        const auto sent = std::make_shared<qint64>(0);
        const QByteArray piece(1 << 20, 'x');
        const auto more = [socket, sent, piece] {
            if (*sent >= 100 * (1 << 20) || socket->state() != QAbstractSocket::ConnectedState) {
                socket->disconnectFromHost();
                return;
            }
            if (socket->bytesToWrite() < (1 << 20)) {
                socket->write(piece);
                *sent += piece.size();
            }
        };
        connect(socket, &QTcpSocket::bytesWritten, socket, more);
        more();
        return;
    }
    }
}
