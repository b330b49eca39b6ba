#include "platform/share/dbus_desktop_portal.h"

#include <fcntl.h>

#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusUnixFileDescriptor>
#include <QFile>
#include <QTimer>
#include <QUuid>

#include "base/file_descriptor.h"
#include "platform/share/portal_request.h"

namespace vlt {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kObjectPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString kOpenURIInterface = QStringLiteral("org.freedesktop.portal.OpenURI");
const QString kEmailInterface = QStringLiteral("org.freedesktop.portal.Email");
// The portal answers over the window it is given; an empty handle means none.
const QString kNoParentWindow;

// The portal reads the file through a descriptor, so even an application that sees
// nothing of this folder gets the picture.
std::optional<QDBusUnixFileDescriptor> openForPortal(const QString& filePath) {
    const FileDescriptor file(::open(QFile::encodeName(filePath).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    if (!file.isOpen()) return std::nullopt;
    // The D-Bus value keeps a duplicate; ours is closed on return.
    return QDBusUnixFileDescriptor(file.get());
}

void postFailure(const DesktopPortal::Completion& completion) {
    QTimer::singleShot(0, [completion] { completion(PortalResponse::failed); });
}

}  // namespace

PortalResponse portalResponseFromCode(unsigned code) {
    if (code == 0) return PortalResponse::success;
    if (code == 1) return PortalResponse::cancelled;
    return PortalResponse::failed;
}

PortalRequest::PortalRequest(QDBusConnection bus, const QString& handleToken, DesktopPortal::Completion completion)
    : bus_(std::move(bus)), completion_(std::move(completion)) {
    QString sender = bus_.baseService();
    sender.remove(0, 1).replace(QLatin1Char('.'), QLatin1Char('_'));
    listen(QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, handleToken));
}

bool PortalRequest::listen(const QString& path) {
    path_ = path;
    return bus_.connect(kService, path_, kRequestInterface, QStringLiteral("Response"), this,
                        SLOT(onResponse(uint, QVariantMap)));
}

void PortalRequest::stopListening() {
    if (path_.isEmpty()) return;
    bus_.disconnect(kService, path_, kRequestInterface, QStringLiteral("Response"), this,
                    SLOT(onResponse(uint, QVariantMap)));
    path_.clear();
}

void PortalRequest::followHandle(const QString& handlePath) {
    if (handlePath == path_ || !completion_) return;
    stopListening();
    if (!listen(handlePath)) fail();
}

void PortalRequest::onResponse(uint code, const QVariantMap&) { finish(portalResponseFromCode(code)); }

void PortalRequest::finish(PortalResponse response) {
    if (!completion_) return;
    stopListening();
    DesktopPortal::Completion completion = std::exchange(completion_, nullptr);
    deleteLater();
    completion(response);
}

DBusDesktopPortal::DBusDesktopPortal() : DBusDesktopPortal(QDBusConnection::sessionBus()) {}

DBusDesktopPortal::DBusDesktopPortal(QDBusConnection bus) : bus_(std::move(bus)) {
    qDBusRegisterMetaType<QList<QDBusUnixFileDescriptor>>();
}

bool DBusDesktopPortal::hasOpenURI() { return hasInterface(kOpenURIInterface.toStdString()); }

bool DBusDesktopPortal::hasEmail() { return hasInterface(kEmailInterface.toStdString()); }

bool DBusDesktopPortal::hasInterface(const std::string& interface) {
    if (auto known = interfaces_.find(interface); known != interfaces_.end()) return known->second;
    bool present = false;
    if (bus_.isConnected()) {
        QDBusMessage query = QDBusMessage::createMethodCall(
            kService, kObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        query << QString::fromStdString(interface) << QStringLiteral("version");
        present = bus_.call(query, QDBus::Block, kQueryTimeoutMilliseconds).type() == QDBusMessage::ReplyMessage;
    }
    interfaces_[interface] = present;
    return present;
}

void DBusDesktopPortal::openFile(const QString& filePath, Completion completion) {
    const std::optional<QDBusUnixFileDescriptor> file = openForPortal(filePath);
    if (!file) {
        postFailure(completion);
        return;
    }
    request(kOpenURIInterface, QStringLiteral("OpenFile"), {kNoParentWindow, QVariant::fromValue(*file)},
            {{QStringLiteral("ask"), true}}, std::move(completion));
}

void DBusDesktopPortal::composeEmail(const QString& filePath, Completion completion) {
    const std::optional<QDBusUnixFileDescriptor> file = openForPortal(filePath);
    if (!file) {
        postFailure(completion);
        return;
    }
    const QList<QDBusUnixFileDescriptor> attachments{*file};
    request(kEmailInterface, QStringLiteral("ComposeEmail"), {kNoParentWindow},
            {{QStringLiteral("attachment_fds"), QVariant::fromValue(attachments)}}, std::move(completion));
}

void DBusDesktopPortal::request(const QString& interface, const QString& method, QVariantList arguments,
                                QVariantMap options, Completion completion) {
    if (!bus_.isConnected()) {
        postFailure(completion);
        return;
    }
    const QString token = QStringLiteral("veltrano") + QUuid::createUuid().toString(QUuid::Id128);
    auto* pending = new PortalRequest(bus_, token, std::move(completion));
    options.insert(QStringLiteral("handle_token"), token);
    arguments.append(options);
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kObjectPath, interface, method);
    call.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), pending);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, pending, [pending](QDBusPendingCallWatcher* reply) {
        reply->deleteLater();
        const QDBusMessage answer = reply->reply();
        if (answer.type() != QDBusMessage::ReplyMessage || answer.arguments().isEmpty()) {
            pending->fail();
            return;
        }
        pending->followHandle(qdbus_cast<QDBusObjectPath>(answer.arguments().constFirst()).path());
    });
}

}  // namespace vlt
