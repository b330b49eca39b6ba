#include "support/loopback_http_server.h"

#include <QHostAddress>
#include <optional>

namespace vlt::testing {

namespace {

constexpr int kMaximumRequestBytes = 1 << 20;

// The request once its head and its whole body have arrived.
std::optional<LoopbackRequest> parseRequest(const QByteArray& buffer) {
    const qsizetype headEnd = buffer.indexOf("\r\n\r\n");
    if (headEnd < 0) return std::nullopt;
    const QList<QByteArray> lines = buffer.left(headEnd).split('\n');
    LoopbackRequest request;
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    request.method = requestLine.value(0);
    request.path = requestLine.value(1);
    for (qsizetype index = 1; index < lines.size(); ++index) {
        const qsizetype colon = lines[index].indexOf(':');
        if (colon < 0) continue;
        request.headers.append({lines[index].left(colon).trimmed().toLower(), lines[index].mid(colon + 1).trimmed()});
    }
    const qsizetype length = request.header("content-length").toLongLong();
    if (buffer.size() - (headEnd + 4) < length) return std::nullopt;
    request.body = buffer.mid(headEnd + 4, length);
    return request;
}

QByteArray encodeReply(const LoopbackReply& reply) {
    QByteArray text = "HTTP/1.1 " + QByteArray::number(reply.status) + " Answer\r\n";
    text += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\nConnection: close\r\n";
    for (const auto& [name, value] : reply.headers) text += name + ": " + value + "\r\n";
    return text + "\r\n" + reply.body;
}

}  // namespace

QByteArray LoopbackRequest::header(const QByteArray& lowerCaseName) const {
    for (const auto& [name, value] : headers) {
        if (name == lowerCaseName) return value;
    }
    return {};
}

bool LoopbackRequest::hasHeader(const QByteArray& lowerCaseName) const {
    for (const auto& entry : headers) {
        if (entry.first == lowerCaseName) return true;
    }
    return false;
}

LoopbackHttpServer::LoopbackHttpServer() {
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, &LoopbackHttpServer::accept);
}

std::string LoopbackHttpServer::url(const char* path) const {
    return "http://127.0.0.1:" + std::to_string(port()) + path;
}

quint16 LoopbackHttpServer::closedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

void LoopbackHttpServer::accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        socket->setParent(this);
        socket->setProperty("buffer", QByteArray());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void LoopbackHttpServer::read(QTcpSocket* socket) {
    QByteArray buffer = socket->property("buffer").toByteArray() + socket->readAll();
    socket->setProperty("buffer", buffer);
    if (buffer.size() > kMaximumRequestBytes) {
        socket->abort();
        return;
    }
    std::optional<LoopbackRequest> request = parseRequest(buffer);
    if (!request) return;
    socket->setProperty("buffer", QByteArray());
    requests_.push_back(*request);
    if (static_cast<int>(requests_.size()) >= kMaximumRequests) server_.close();
    const LoopbackReply reply = respond(*request);
    if (reply.silent) return;
    socket->write(encodeReply(reply));
    socket->disconnectFromHost();
}

}  // namespace vlt::testing
