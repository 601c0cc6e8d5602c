#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QMutex>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace vaduvizu::test {

// A tiny HTTP server on 127.0.0.1 in a thread of its own, so that a blocking client on the
// test's thread can talk to it. Every request gets the same raw response, after which the
// connection is closed; an empty response means the server never answers.
class LocalHttpServer : public QThread {
public:
    explicit LocalHttpServer(QByteArray response) : m_response(std::move(response)) {
        start();
        m_ready.acquire();
    }
    ~LocalHttpServer() override {
        quit();
        wait();
    }

    static QByteArray answer(const QByteArray& body, const QByteArray& status = "200 OK") {
        return "HTTP/1.0 " + status + "\r\nContent-Type: text/plain\r\nContent-Length: " +
               QByteArray::number(body.size()) + "\r\n\r\n" + body;
    }

    QString url(const QString& pathAndQuery) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(pathAndQuery);
    }

    // Head of the last request received (request line and headers).
    QByteArray lastRequest() const {
        QMutexLocker lock(&m_mutex);
        return m_lastRequest;
    }

protected:
    void run() override {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost, 0);
        m_port = server.serverPort();
        QObject::connect(&server, &QTcpServer::newConnection, &server, [&] {
            while (QTcpSocket* socket = server.nextPendingConnection())
                QObject::connect(socket, &QTcpSocket::readyRead, socket,
                                 [this, socket] { serve(socket); });
        });
        m_ready.release();
        exec();
    }

private:
    void serve(QTcpSocket* socket) {
        QByteArray received = socket->property("received").toByteArray() + socket->readAll();
        socket->setProperty("received", received);
        const qsizetype end = received.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        {
            QMutexLocker lock(&m_mutex);
            m_lastRequest = received.left(end);
        }
        if (m_response.isEmpty())
            return; // keep the client waiting
        socket->write(m_response);
        socket->disconnectFromHost();
    }

    const QByteArray m_response;
    quint16 m_port = 0;
    QSemaphore m_ready;
    mutable QMutex m_mutex;
    QByteArray m_lastRequest;
};

} // namespace vaduvizu::test
