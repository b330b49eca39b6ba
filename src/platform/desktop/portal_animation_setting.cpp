#include "platform/desktop/portal_animation_setting.h"

#include <QDBusArgument>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QMap>
#include <QStringList>
#include <QVariantMap>

namespace vlt {

namespace {

constexpr const char* kService = "org.freedesktop.portal.Desktop";
constexpr const char* kPath = "/org/freedesktop/portal/desktop";
constexpr const char* kInterface = "org.freedesktop.portal.Settings";
constexpr const char* kReadAll = "ReadAll";
constexpr const char* kSettingChanged = "SettingChanged";
constexpr const char* kReadAllSignature = "a{sa{sv}}";

const QString& gnomeNamespace() {
    static const QString name = QStringLiteral("org.gnome.desktop.interface");
    return name;
}
const QString& gnomeKey() {
    static const QString key = QStringLiteral("enable-animations");
    return key;
}
const QString& kdeNamespace() {
    static const QString name = QStringLiteral("org.kde.kdeglobals.KDE");
    return name;
}
const QString& kdeKey() {
    static const QString key = QStringLiteral("AnimationDurationFactor");
    return key;
}

using SettingsByNamespace = QMap<QString, QVariantMap>;

// Some portals wrap a value in one more variant.
QVariant plainValue(QVariant value) {
    while (value.metaType() == QMetaType::fromType<QDBusVariant>()) value = value.value<QDBusVariant>().variant();
    return value;
}

std::optional<bool> booleanValue(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<bool>()) return value.toBool();
    const QString text = value.toString().trimmed().toLower();
    if (text == QLatin1String("true")) return true;
    if (text == QLatin1String("false")) return false;
    return std::nullopt;
}

std::optional<double> numberValue(const QVariant& value) {
    bool isNumber = false;
    const double number = value.toDouble(&isNumber);
    if (!isNumber) return std::nullopt;
    return number;
}

QDBusMessage readAllCall() {
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(kService), QLatin1String(kPath),
                                                       QLatin1String(kInterface), QLatin1String(kReadAll));
    call << QStringList{gnomeNamespace(), kdeNamespace()};
    return call;
}

}  // namespace

PortalAnimationSetting::PortalAnimationSetting() : PortalAnimationSetting(QDBusConnection::sessionBus()) {}

PortalAnimationSetting::PortalAnimationSetting(QDBusConnection bus, int startupReplyMilliseconds, QObject* parent)
    : DesktopAnimationSetting(parent), bus_(std::move(bus)) {
    if (!bus_.isConnected()) return;
    // Listening comes first, so that no change between the read and the subscription
    // is lost; a portal that starts later is read as it appears. Changes are taken from
    // whoever owns the portal's path, so none waits for the owner's name to be resolved.
    bus_.connect(QString(), QLatin1String(kPath), QLatin1String(kInterface), QLatin1String(kSettingChanged), this,
                 SLOT(settingChanged(QDBusMessage)));
    watcher_ = new QDBusServiceWatcher(QLatin1String(kService), bus_, QDBusServiceWatcher::WatchForRegistration, this);
    connect(watcher_, &QDBusServiceWatcher::serviceRegistered, this, [this] { readAllLater(); });
    readAll(startupReplyMilliseconds);
}

void PortalAnimationSetting::readAll(int replyMilliseconds) {
    // The first screen should already move (or not) as the desktop says, so start-up
    // waits for the answer, but only briefly.
    const QDBusMessage reply = bus_.call(readAllCall(), QDBus::Block, replyMilliseconds);
    if (reply.type() == QDBusMessage::ReplyMessage) {
        takeReply(reply);
    } else if (QDBusError(reply).type() == QDBusError::NoReply) {
        readAllLater();  // a portal that is still starting answers the next call
    }
}

void PortalAnimationSetting::readAllLater() {
    auto* answer = new QDBusPendingCallWatcher(bus_.asyncCall(readAllCall(), kLateReplyMilliseconds), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* answered) {
        answered->deleteLater();
        if (!answered->isError()) takeReply(answered->reply());
    });
}

void PortalAnimationSetting::takeReply(const QDBusMessage& reply) {
    if (reply.signature() != QLatin1String(kReadAllSignature) || reply.arguments().isEmpty()) return;
    SettingsByNamespace settings;
    reply.arguments().first().value<QDBusArgument>() >> settings;
    for (auto space = settings.cbegin(); space != settings.cend(); ++space) {
        for (auto setting = space.value().cbegin(); setting != space.value().cend(); ++setting) {
            take(space.key(), setting.key(), setting.value());
        }
    }
    refresh();
}

void PortalAnimationSetting::settingChanged(const QDBusMessage& change) {
    const QList<QVariant> arguments = change.arguments();
    if (arguments.size() != 3) return;
    take(arguments.at(0).toString(), arguments.at(1).toString(), arguments.at(2));
    refresh();
}

void PortalAnimationSetting::take(const QString& settingNamespace, const QString& key, const QVariant& value) {
    const QVariant plain = plainValue(value);
    if (settingNamespace == gnomeNamespace() && key == gnomeKey()) {
        gnomeAnimations_ = booleanValue(plain);
    } else if (settingNamespace == kdeNamespace() && key == kdeKey()) {
        kdeAnimationFactor_ = numberValue(plain);
    }
}

void PortalAnimationSetting::refresh() {
    const bool gnomeOff = gnomeAnimations_ == false;
    const bool kdeOff = kdeAnimationFactor_.has_value() && *kdeAnimationFactor_ <= 0.0;
    const bool enabled = !gnomeOff && !kdeOff;
    if (enabled == enabled_) return;
    enabled_ = enabled;
    emit animationsEnabledChanged(enabled_);
}

}  // namespace vlt
