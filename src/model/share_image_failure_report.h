#pragma once

#include <QString>

#include "base/error.h"
#include "platform/share/share_menu_driver.h"

namespace vlt {

// The error card's texts for a share that failed.
struct ShareImageFailureReport {
    QString title;
    QString message;

    // A failure of the preparation: "Sharing unavailable" when the picker could not be
    // shown, else "Image not shared", with the failure's own reason.
    static ShareImageFailureReport forPreparation(const ErrorPtr& error);
    // The chosen sharing service failed: "Image not shared", naming what was missing or
    // refused (no application, no e-mail program, the clipboard, the file manager).
    static ShareImageFailureReport forService(ShareMenuEntry service);
};

}  // namespace vlt
