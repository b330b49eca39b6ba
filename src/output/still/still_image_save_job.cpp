#include "output/still/still_image_save_job.h"

#include <mutex>

#include "base/cancellation_error.h"
#include "output/still/concurrent_image_work.h"
#include "output/still/still_image_composer.h"
#include "output/still/still_image_file_naming.h"
#include "output/still/still_image_save_transaction.h"

namespace vlt {

std::filesystem::path stillImageSaveFolder(const StillImageSaveRequest& request) {
    const QString subfolder = request.subfolderName.trimmed();
    if (subfolder.isEmpty()) return request.destinationFolder;
    return request.destinationFolder / subfolder.toStdString();
}

Result<std::vector<StillImageRenderedImage>> composeStillImages(const StillImageRenderSnapshot& snapshot,
                                                                const std::vector<StillImageKind>& kinds,
                                                                const StillImageExportOptions& options,
                                                                std::stop_token stopToken,
                                                                const StillImageSaveProgressHandler& progress) {
    std::vector<StillImageRenderedImage> images(kinds.size());
    std::mutex progressMutex;
    // The Comparison holds both pictures side by side: it goes first.
    std::vector<std::int64_t> pixelCounts;
    for (StillImageKind kind : kinds) {
        const QImage& shown = kind == StillImageKind::simulation ? snapshot.simulation : snapshot.original;
        const std::int64_t pixels = std::int64_t(shown.width()) * shown.height();
        pixelCounts.push_back(kind == StillImageKind::comparison ? 2 * pixels : pixels);
    }
    const VoidResult composed =
        runConcurrentImageWork(largestFirst(pixelCounts), stopToken, [&](std::size_t index) -> VoidResult {
            if (progress) {
                const std::lock_guard lock(progressMutex);
                progress(StillImageSaveStep::composing, kinds[index]);
            }
            Result<QImage> image = StillImageComposer::render(kinds[index], snapshot, options);
            if (!image.ok()) return image.error();
            images[index] = StillImageRenderedImage{kinds[index], std::move(image).value()};
            return {};
        });
    if (!composed.ok()) return composed.error();
    return images;
}

Result<StillImageSaveResult, StillImageSaveFailure> runStillImageSaveJob(const StillImageSaveRequest& request,
                                                                         std::stop_token stopToken,
                                                                         const StillImageSaveProgressHandler& progress,
                                                                         StillImageFileSystem& fileSystem) {
    // 1. The folder.
    const std::filesystem::path folder = stillImageSaveFolder(request);
    if (folder != request.destinationFolder) {
        if (VoidResult created = StillImageFileNaming::createDestinationFolder(folder); !created.ok()) {
            return StillImageSaveFailure{created.error(), {}};
        }
    }

    // 2. The images.
    Result<std::vector<StillImageRenderedImage>> images =
        composeStillImages(request.snapshot, request.kinds, request.options, stopToken, progress);
    if (!images.ok()) return StillImageSaveFailure{images.error(), {}};

    // 3. The files. A stop no longer reaches the transaction once it has started: it
    // would keep the files already renamed and report nothing of them.
    if (stopToken.stop_requested()) return StillImageSaveFailure{makeCancellationError(), {}};
    const StillImageTransactionPayload payload{std::move(images).value(), folder, request.baseName, request.options};
    return StillImageSaveTransaction(fileSystem).save(payload, {}, progress);
}

}  // namespace vlt
