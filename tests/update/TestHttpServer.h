#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTcpServer>

// A small HTTP server on 127.0.0.1 for the update tests: each path answers in one way.
class TestHttpServer : public QObject {
    Q_OBJECT
public:
    enum class Mode {
        Normal,  // status and body with their length
        Silent,  // reads the request and never answers
        Endless, // 200 without a length, then 100 MB in pieces
        CutOff,  // announces the body's length, sends half of it and closes
        Unsized, // 200 without a length: the body, then the connection closes
        Stalled, // 200 without a length: the body, then the connection stays open for good
        Trickle, // announces the body's length and sends it one byte a second
    };
    struct Route {
        Route(int status = 200, QByteArray body = {}, Mode mode = Mode::Normal, QByteArray location = {},
              QByteArray headers = {})
            : status(status), body(std::move(body)), mode(mode), location(std::move(location)),
              headers(std::move(headers))
        {
        }
        int status;
        QByteArray body;
        Mode mode;
        QByteArray location; // for a redirect
        QByteArray headers;  // further header lines, each ending in CR LF
    };

    TestHttpServer();
    QString base() const; // "http://127.0.0.1:<port>/"
    void route(const QByteArray &path, const Route &route);
    void route(const QByteArray &path, const QByteArray &body) { route(path, Route{200, body}); }

    QStringList requests;   // paths asked for, in order
    QStringList userAgents; // their User-Agent headers

private:
    void serve(class QTcpSocket *socket);

    QTcpServer m_server;
    QHash<QByteArray, Route> m_routes;
};
