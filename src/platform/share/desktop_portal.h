#pragma once

#include <functional>

#include <QString>

namespace vlt {

// The answer of one desktop portal request: the user went through with it, turned it
// down, or it failed.
enum class PortalResponse { success, cancelled, failed };

// Maps the portal's Response code: 0 success, 1 cancelled by the user, anything else
// failed.
PortalResponse portalResponseFromCode(unsigned code);

// The two requests of the desktop portal (org.freedesktop.portal.Desktop) that
// sharing uses. GUI thread only; each completion runs once, never inside the call.
class DesktopPortal {
public:
    using Completion = std::function<void(PortalResponse)>;

    virtual ~DesktopPortal() = default;

    virtual bool hasOpenURI() = 0;
    virtual bool hasEmail() = 0;
    // OpenURI.OpenFile with "ask": the desktop's own application chooser.
    virtual void openFile(const QString& filePath, Completion completion) = 0;
    // Email.ComposeEmail with the file attached.
    virtual void composeEmail(const QString& filePath, Completion completion) = 0;
};

}  // namespace vlt
