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
    if (stopToken.stop_requested()) return StillImageSaveFailure{makeCancellationError(), {}};

    // 2. Each image composed when its turn comes: the Original from the editing canvas,
    //    the others once the snapshot is there.
    const StillImageSnapshotSource& source = *request.snapshot;
    const StillImageExportOptions& options = request.options;
    const std::int64_t pixels = std::int64_t(source.original().width()) * source.original().height();
    std::vector<StillImageComposition> images;
    for (StillImageKind kind : request.kinds) {
        if (kind == StillImageKind::original) {
            images.push_back({kind, pixels, true, [&source, &options]() {
                                  return StillImageComposer::renderSingle(
                                      StillImageKind::original, StillImageRenderSnapshot{source.original(), {}, {}},
                                      options);
                              }});
            continue;
        }
        const std::int64_t shown = kind == StillImageKind::comparison ? 2 * pixels : pixels;
        images.push_back({kind, shown, source.isFulfilled(), [&source, &options, kind, stopToken]() -> Result<QImage> {
                              const Result<StillImageRenderSnapshot> snapshot = source.wait(stopToken);
                              if (!snapshot.ok()) return snapshot.error();
                              return StillImageComposer::render(kind, snapshot.value(), options);
                          }});
    }

    // 3. The files, published only once the snapshot has come (also when no kind drew
    //    from it): a refused snapshot fails the save.
    const auto snapshotCame = [&source, stopToken]() -> VoidResult {
        const Result<StillImageRenderSnapshot> snapshot = source.wait(stopToken);
        if (!snapshot.ok()) return snapshot.error();
        return {};
    };
    return StillImageSaveTransaction(fileSystem)
        .saveComposing(std::move(images), folder, request.baseName, options, stopToken, snapshotCame, progress);
}

}  // namespace vlt
