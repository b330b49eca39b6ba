#pragma once

#include <optional>

#include <QDBusConnection>

#include "platform/desktop/desktop_animation_setting.h"

class QDBusMessage;
class QDBusServiceWatcher;

namespace vlt {

// The animation switch of the desktop, read from the desktop settings portal
// (org.freedesktop.portal.Settings): GNOME's "enable-animations" and KDE's animation
// speed factor, where a factor of 0 means none. Changes arrive by the portal's
// SettingChanged signal, and a portal that starts later is read when it appears.
// Without a portal, or while it has not answered, animations stay on.
class PortalAnimationSetting final : public DesktopAnimationSetting {
    Q_OBJECT

public:
    // How long start-up waits for the portal's first answer; a later one still counts.
    static constexpr int kStartupReplyMilliseconds = 200;
    static constexpr int kLateReplyMilliseconds = 25000;

    // The session bus.
    PortalAnimationSetting();
    explicit PortalAnimationSetting(QDBusConnection bus, int startupReplyMilliseconds = kStartupReplyMilliseconds,
                                    QObject* parent = nullptr);

    bool animationsEnabled() const override { return enabled_; }

private slots:
    // Taken as the whole message, so that a value of any type, however wrapped, arrives.
    void settingChanged(const QDBusMessage& change);

private:
    void readAll(int replyMilliseconds);
    void readAllLater();
    void takeReply(const QDBusMessage& reply);
    void take(const QString& settingNamespace, const QString& key, const QVariant& value);
    void refresh();

    QDBusConnection bus_;
    QDBusServiceWatcher* watcher_ = nullptr;
    std::optional<bool> gnomeAnimations_;
    std::optional<double> kdeAnimationFactor_;
    bool enabled_ = true;
};

}  // namespace vlt
