#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <stop_token>
#include <vector>

#include <QImage>

#include "base/result.h"
#include "output/still/still_image_export_options.h"
#include "output/still/still_image_file_system.h"
#include "output/still/still_image_save_failure.h"
#include "output/still/still_image_save_progress.h"
#include "output/still/still_image_save_result.h"
#include "output/still/still_image_transaction_payload.h"

namespace vlt {

// One image of a save that is composed only when its turn comes, on the thread that
// writes it, so that its bitmap lives no longer than its encode.
struct StillImageComposition {
    StillImageKind kind = StillImageKind::original;
    // Its size in pixels: the largest start first.
    std::int64_t pixelCount = 0;
    // Whether what it is composed from is there already; these start before the ones
    // that would wait.
    bool isReady = true;
    std::function<Result<QImage>()> compose;
};

// Writes the images of one save so that a file only ever appears under its final
// name complete, synced to the disk and read back, never replaces an existing file,
// and leaves no temporary file behind (or names those it could not remove). Runs on
// the calling thread, which must not be the GUI thread: it encodes and decodes whole
// images.
//
// One version for all files; each image goes to a hidden ".vlt-still-…" file in the
// folder, is synced, decoded in full and checked against its size (images side by
// side on a few threads); then the files are renamed exclusively in payload order and
// the folder is synced (a failure there is reported in the result, not as a failed
// save: the files are already published). A stop request is honoured before each image in either loop
// (an image being written is finished first): files already published stay.
class StillImageSaveTransaction {
public:
    explicit StillImageSaveTransaction(StillImageFileSystem& fileSystem = systemStillImageFileSystem());

    Result<StillImageSaveResult, StillImageSaveFailure> save(const StillImageTransactionPayload& payload,
                                                             std::stop_token stopToken = {},
                                                             const StillImageSaveProgressHandler& progress = {});
    // The same for images composed as they are written, in the given output order (the
    // payload's images are these compositions). A stop request reaches the images that
    // have not begun composing, with nothing published yet; once every image is under
    // way the save runs to its end. readyToPublish, when given, is asked once every
    // file is written and checked; a failure it returns fails the save before anything
    // is published.
    Result<StillImageSaveResult, StillImageSaveFailure> saveComposing(
        std::vector<StillImageComposition> images, const std::filesystem::path& folder, const QString& baseName,
        const StillImageExportOptions& options, std::stop_token stopBeforeComposing = {},
        const std::function<VoidResult()>& readyToPublish = {}, const StillImageSaveProgressHandler& progress = {});

    // The quality the encoder is given: the option limited to 60...100.
    static int jpegQuality(const StillImageExportOptions& options);
    // Encodes into an open file; fails with encodeFailed, or writeFailed with the
    // system's error when the bytes could not be written.
    static VoidResult encode(const QImage& image, int descriptor, const StillImageExportOptions& options);
    // Fails with validationFailed unless the file decodes completely to exactly this
    // size, or with the system error of reading its size.
    static VoidResult validateWrittenImage(const std::filesystem::path& path, std::int64_t width, std::int64_t height);

private:
    StillImageFileSystem& fileSystem_;
};

}  // namespace vlt
