#pragma once

#include "platform/share/share_menu_driver.h"
#include "platform/share/share_picker.h"

namespace vlt {

// The services behind the share menu's entries. GUI thread only.
class ShareServices {
public:
    virtual ~ShareServices() = default;

    // Whether "Send by Email…" can be offered at all.
    virtual bool canSendByEmail() = 0;
    // Hands the file to the entry's service; the completion runs once, on the GUI
    // thread, never inside this call.
    virtual void run(ShareMenuEntry entry, const QString& filePath, SharePickerCompletion completion) = 0;
};

}  // namespace vlt
