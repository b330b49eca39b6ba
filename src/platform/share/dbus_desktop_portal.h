#pragma once

#include <map>
#include <string>

#include <QDBusConnection>
#include <QVariantList>
#include <QVariantMap>

#include "platform/share/desktop_portal.h"

namespace vlt {

// The desktop portal on a D-Bus connection (the session bus by default). Whether an
// interface is there is asked once, with its "version" property, and remembered.
class DBusDesktopPortal final : public DesktopPortal {
public:
    DBusDesktopPortal();
    explicit DBusDesktopPortal(QDBusConnection bus);

    bool hasOpenURI() override;
    bool hasEmail() override;
    void openFile(const QString& filePath, Completion completion) override;
    void composeEmail(const QString& filePath, Completion completion) override;

    static constexpr int kQueryTimeoutMilliseconds = 1000;

private:
    bool hasInterface(const std::string& interface);
    // Calls the method with the leading arguments, then the options with a fresh
    // handle token added.
    void request(const QString& interface, const QString& method, QVariantList arguments, QVariantMap options,
                 Completion completion);

    QDBusConnection bus_;
    std::map<std::string, bool> interfaces_;
};

}  // namespace vlt
