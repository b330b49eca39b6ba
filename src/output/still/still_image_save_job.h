#pragma once

#include <filesystem>
#include <memory>
#include <stop_token>
#include <vector>

#include <QString>

#include "base/result.h"
#include "editing/session/still_image_render_snapshot.h"
#include "output/still/still_image_export_options.h"
#include "output/still/still_image_file_system.h"
#include "output/still/still_image_kind.h"
#include "output/still/still_image_save_failure.h"
#include "output/still/still_image_save_progress.h"
#include "output/still/still_image_save_result.h"
#include "output/still/still_image_snapshot_source.h"
#include "output/still/still_image_transaction_payload.h"

namespace vlt {

// Everything one save needs, gathered on the GUI thread (the snapshot comes from the
// editor there, and may still be on its way when the job starts); the job itself
// touches nothing shared.
struct StillImageSaveRequest {
    std::shared_ptr<const StillImageSnapshotSource> snapshot;
    // In output order, as stillImageKinds() gives them for the options.
    std::vector<StillImageKind> kinds;
    // The chosen folder; it must exist.
    std::filesystem::path destinationFolder;
    // As typed: blank for none, otherwise one folder inside the destination, made
    // when missing. Both names must have passed their validation.
    QString subfolderName;
    QString baseName;
    StillImageExportOptions options;
};

// The folder a request saves into: the destination, or its subfolder.
std::filesystem::path stillImageSaveFolder(const StillImageSaveRequest& request);

// One composed image per kind, in order, each after a look at the stop token.
Result<std::vector<StillImageRenderedImage>> composeStillImages(const StillImageRenderSnapshot& snapshot,
                                                                const std::vector<StillImageKind>& kinds,
                                                                const StillImageExportOptions& options,
                                                                std::stop_token stopToken = {},
                                                                const StillImageSaveProgressHandler& progress = {});

// A whole save on the calling worker thread and as many more as the processors allow:
// the subfolder, then each image composed, written and read back in turn, then the
// files published. The Original starts at once; the kinds drawn from the rendered
// Simulation wait for the snapshot where it is still on its way. The stop token
// reaches the folder, the wait for the snapshot and every image that has not begun
// composing (what was written then goes again): once every image is under way the
// save runs to its end, and its success is reported. Every failure (a refused
// subfolder, a refused snapshot, a failed composition, anything in the transaction,
// or a stop: the cancellation error) comes back as one StillImageSaveFailure with the
// temporary files that could not be removed.
Result<StillImageSaveResult, StillImageSaveFailure> runStillImageSaveJob(
    const StillImageSaveRequest& request, std::stop_token stopToken = {},
    const StillImageSaveProgressHandler& progress = {},
    StillImageFileSystem& fileSystem = systemStillImageFileSystem());

}  // namespace vlt
