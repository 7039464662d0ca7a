#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

// A small HTTP server on the loopback address, for the web-link checks. Each path answers in
// its own way:
//   /ok 200; /moved 301 to /ok; /missing 404; /error 500; /loop a redirect to itself;
//   /nohead 405 to HEAD and 200 to GET; /busy 429 with "Retry-After: 1" the first time, then 200;
//   /never no answer at all; /slow/... 200 after 150 ms, so that requests overlap.
// It records every request, and how many were open at once.
class LoopbackServer : public QObject {
public:
    struct Request {
        QByteArray method;
        QByteArray path;
        qint64 atMs = 0;
    };
    QList<Request> requests;
    int open = 0;
    int mostOpen = 0;

    LoopbackServer()
    {
        m_clock.start();
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    QString url(const QString& path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }
    QList<QByteArray> methodsFor(const QByteArray& path) const
    {
        QList<QByteArray> methods;
        for (const Request& r : requests)
            if (r.path == path) methods << r.method;
        return methods;
    }
    QList<qint64> timesFor(const QByteArray& path) const
    {
        QList<qint64> times;
        for (const Request& r : requests)
            if (r.path == path) times << r.atMs;
        return times;
    }

private:
    void read(QTcpSocket* socket)
    {
        QByteArray& buffer = m_buffers[socket];
        buffer += socket->readAll();
        const qsizetype end = buffer.indexOf("\r\n\r\n");
        if (end < 0) return;
        const QList<QByteArray> line = buffer.left(buffer.indexOf("\r\n")).split(' ');
        m_buffers.remove(socket);
        if (line.size() < 2) return;
        const QByteArray method = line[0], path = line[1];
        requests.append({ method, path, m_clock.elapsed() });
        mostOpen = std::max(mostOpen, ++open);
        socket->setProperty("head", method == "HEAD");
        if (path == "/never") return;
        if (path.startsWith("/slow/")) {
            QTimer::singleShot(150, socket, [this, socket] { answer(socket, 200); });
            return;
        }
        if (path == "/ok") return answer(socket, 200);
        if (path == "/moved") return answer(socket, 301, "Location: /ok\r\n");
        if (path == "/loop") return answer(socket, 302, "Location: /loop\r\n");
        if (path == "/missing") return answer(socket, 404);
        if (path == "/error") return answer(socket, 500);
        if (path == "/nohead") return answer(socket, method == "HEAD" ? 405 : 200);
        if (path == "/busy") return answer(socket, timesFor(path).size() == 1 ? 429 : 200, "Retry-After: 1\r\n");
        answer(socket, 404);
    }
    void answer(QTcpSocket* socket, int status, const QByteArray& headers = {})
    {
        --open;
        const QByteArray body = "<p>answer</p>";
        const bool head = socket->property("head").toBool();
        socket->write("HTTP/1.1 " + QByteArray::number(status)
            + " Answer\r\nContent-Type: text/html\r\nContent-Length: " + QByteArray::number(body.size())
            + "\r\nConnection: close\r\n" + headers + "\r\n" + (head ? QByteArray() : body));
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QElapsedTimer m_clock;
    QHash<QTcpSocket*, QByteArray> m_buffers;
};
