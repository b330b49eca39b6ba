#pragma once

#include <QTcpServer>
#include <QTcpSocket>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vlt::testing {

struct LoopbackRequest {
    QByteArray path;
    QList<QByteArray> headerLines;  // "name: value", names in lower case
    QByteArray body;
};

struct LoopbackReply {
    int status = 0;  // 0: read the request and never answer
    QByteArray body;
    QByteArray location;  // sent as "Location" when set

    static LoopbackReply with(int status, QByteArray body, QByteArray location = {}) {
        return {status, std::move(body), std::move(location)};
    }
};

// An HTTP/1.1 server on 127.0.0.1 at a port the system picks, run by the test's own
// event loop: one request per connection, answered by `respond`. It stops listening
// after 32 requests, so a runaway client cannot keep a test busy.
class LoopbackHttpServer final : public QObject {
public:
    LoopbackHttpServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                socket->setParent(this);
                auto buffer = std::make_shared<QByteArray>();
                connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] { read(*socket, *buffer); });
            }
        });
    }

    std::string url(const char* path) const {
        return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + path;
    }
    // A loopback address where nothing listens: bound, then released.
    static std::string closedUrl() { return LoopbackHttpServer().url("/"); }

    std::function<LoopbackReply(const LoopbackRequest&)> respond;
    std::vector<LoopbackRequest> requests;

private:
    void read(QTcpSocket& socket, QByteArray& buffer) {
        buffer += socket.readAll();
        const qsizetype headEnd = buffer.indexOf("\r\n\r\n");
        if (headEnd < 0) return;
        LoopbackRequest request;
        const QList<QByteArray> lines = buffer.left(headEnd).split('\n');
        request.path = lines.value(0).split(' ').value(1);
        qsizetype length = 0;
        for (const QByteArray& line : lines.mid(1)) {
            const qsizetype colon = line.indexOf(':');
            request.headerLines.append(line.left(colon).toLower() + ": " + line.mid(colon + 1).trimmed());
            if (request.headerLines.last().startsWith("content-length: "))
                length = line.mid(colon + 1).trimmed().toLongLong();
        }
        if (buffer.size() < headEnd + 4 + length) return;
        request.body = buffer.mid(headEnd + 4, length);
        requests.push_back(request);
        if (requests.size() >= 32) server_.close();
        const LoopbackReply reply = respond ? respond(request) : LoopbackReply();
        if (reply.status == 0) return;
        QByteArray text = "HTTP/1.1 " + QByteArray::number(reply.status) + " Answer\r\nConnection: close\r\n";
        if (!reply.location.isEmpty()) text += "Location: " + reply.location + "\r\n";
        socket.write(text + "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n\r\n" + reply.body);
        socket.disconnectFromHost();
    }

    QTcpServer server_;
};

}  // namespace vlt::testing
