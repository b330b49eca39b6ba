#pragma once

#include <QString>

#include "editing/session/still_image_render_snapshot.h"
#include "foundation/application_settings.h"
#include "output/still/still_image_kind.h"

namespace vlt {

// What one print is made from, taken when the editor had committed its work.
struct PrintJob {
    StillImageRenderSnapshot snapshot;
    // The tab that was current, which the "Current Tab" choice prints.
    StillImageKind currentTab = StillImageKind::simulation;
    // The labels and contact fields as they were when the print started.
    ApplicationSettings settings;
    // The opened photograph's file name.
    QString documentName;
};

// The document name without its folder and its last extension, trimmed; "Veltrano
// image" when nothing is left.
QString printJobTitle(const QString& documentName);

}  // namespace vlt
