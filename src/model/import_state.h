#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include <QString>

#include "model/task_handle.h"

namespace vlt {

class CropDocument;

// The import area of the application model: the open photograph and its crop, the
// import in flight and the ways an import ends in failure.
struct ImportState {
    // The photograph on the crop screen (and under the editor); none on the start page.
    std::shared_ptr<CropDocument> document;
    bool isImporting = false;
    // The running import replaces the photograph on the crop screen.
    bool isReplacingCropImage = false;
    // Counts the replacements that finished, so the crop screen can play its motion once each.
    std::int64_t cropReplacementMotionGeneration = 0;
    // Shown on the start page under the drop target.
    std::optional<QString> inlineImportError;
    // Shown as an alert over the crop screen or the editor.
    std::optional<QString> replacementImportError;
    bool showsReplacementImportError = false;
    bool isImagePickerPresented = false;
    // The folder of the last local file an import started from, whatever its outcome:
    // the open panel starts there.
    QString lastImageFolder;
    TaskHandlePtr importTask;
    // Only the newest import may apply its result.
    std::int64_t importGeneration = 0;

    bool operator==(const ImportState&) const = default;
};

}  // namespace vlt
