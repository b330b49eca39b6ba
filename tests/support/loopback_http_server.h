#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>
#include <string>
#include <vector>

namespace vlt::testing {

struct LoopbackRequest {
    QByteArray method;
    QByteArray path;
    // Names in lower case, in the order received.
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;

    QByteArray header(const QByteArray& lowerCaseName) const;
    bool hasHeader(const QByteArray& lowerCaseName) const;
};

struct LoopbackReply {
    int status = 200;
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;
    // Reads the request and never answers, keeping the connection open.
    bool silent = false;

    static LoopbackReply answer(int status, QByteArray body, QList<QPair<QByteArray, QByteArray>> headers = {}) {
        return LoopbackReply{status, std::move(body), std::move(headers), false};
    }
    static LoopbackReply silence() { return LoopbackReply{0, {}, {}, true}; }
};

// An HTTP/1.1 server on 127.0.0.1 at a port the system picks, served by the test's own
// event loop. One request per connection, answered by `respond`; after kMaximumRequests
// it stops listening, so a runaway client cannot keep a test busy.
class LoopbackHttpServer final : public QObject {
public:
    LoopbackHttpServer();

    quint16 port() const { return server_.serverPort(); }
    std::string url(const char* path) const;
    const std::vector<LoopbackRequest>& requests() const { return requests_; }

    // A loopback port where nothing listens: bound, then released.
    static quint16 closedPort();

    std::function<LoopbackReply(const LoopbackRequest&)> respond = [](const LoopbackRequest&) {
        return LoopbackReply::answer(200, {});
    };

    static constexpr int kMaximumRequests = 32;

private:
    void accept();
    void read(QTcpSocket* socket);

    QTcpServer server_;
    std::vector<LoopbackRequest> requests_;
};

}  // namespace vlt::testing
