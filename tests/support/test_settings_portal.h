#pragma once

#include <memory>

#include <QDBusConnection>
#include <QString>
#include <QVariant>

namespace vlt::testing {

// A desktop settings portal of the test's own (org.freedesktop.portal.Desktop with its
// org.freedesktop.portal.Settings interface) on a private session bus that it starts
// and stops. It answers ReadAll from the values the test gives, announces changes with
// SettingChanged, and can keep its answers back to play a portal that is slow to start.
// Its object lives on a thread of its own, so that a client blocked in a call on the
// test's thread still gets its answer.
class TestSettingsPortal {
public:
    TestSettingsPortal();
    ~TestSettingsPortal();
    TestSettingsPortal(const TestSettingsPortal&) = delete;
    TestSettingsPortal& operator=(const TestSettingsPortal&) = delete;

    // False when the bus could not be started.
    bool isReady() const;
    // A new connection to the private bus, as an application would have.
    QDBusConnection connectClient();

    // The portal takes its well-known name, or gives it up.
    bool appear();
    void disappear();

    void setValue(const QString& settingNamespace, const QString& key, const QVariant& value);
    // Changes the value and announces it.
    void announce(const QString& settingNamespace, const QString& key, const QVariant& value);
    // While held, ReadAll calls wait; releasing answers every waiting call.
    void holdReplies();
    void releaseHeldReplies();
    int readCount() const;

private:
    struct Private;
    std::unique_ptr<Private> d_;
};

}  // namespace vlt::testing
