#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

#include "platform/share/desktop_portal.h"

namespace vlt {

// One request to the desktop portal: listens for the Response signal on the request's
// object path and reports it once, then deletes itself. A request that the portal
// refuses outright is reported as failed.
class PortalRequest final : public QObject {
    Q_OBJECT

public:
    // Listens on the path that the portal will use for this handle token; listening
    // before the call is made means a quick answer cannot be missed.
    PortalRequest(QDBusConnection bus, const QString& handleToken, DesktopPortal::Completion completion);

    // The portal may name another path than the expected one (older portals do).
    void followHandle(const QString& handlePath);
    void fail() { finish(PortalResponse::failed); }

public slots:
    void onResponse(uint code, const QVariantMap& results);

private:
    bool listen(const QString& path);
    void stopListening();
    void finish(PortalResponse response);

    QDBusConnection bus_;
    QString path_;
    DesktopPortal::Completion completion_;
};

}  // namespace vlt
