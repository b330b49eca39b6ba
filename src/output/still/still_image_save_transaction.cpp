#include "output/still/still_image_save_transaction.h"

#include <algorithm>
#include <future>
#include <mutex>
#include <system_error>

#include <QUuid>

#include "base/cancellation_error.h"
#include "base/system_error.h"
#include "output/still/concurrent_image_work.h"
#include "output/still/still_image_file_format_names.h"
#include "output/still/still_image_file_naming.h"
#include "output/still/still_image_output_failure.h"
#include "platform/image_io/image_encoding.h"
#include "platform/image_io/image_read_back.h"

namespace vlt {
namespace {

constexpr const char* kTemporaryPrefix = ".vlt-still-";

ErrorPtr failure(StillImageOutputFailure::Case failureCase) { return StillImageOutputFailure::make(failureCase); }

std::filesystem::path temporaryPath(const std::filesystem::path& folder, StillImageFileFormat format) {
    const QString name = QString::fromLatin1(kTemporaryPrefix) +
                         QUuid::createUuid().toString(QUuid::WithoutBraces).toLower() + QStringLiteral(".tmp.") +
                         stillImageFileExtension(format);
    return folder / name.toStdString();
}

struct PendingPublish {
    std::filesystem::path temporary;
    QString finalName;
    StillImageKind kind;
};

// The order in which the images start: those whose inputs are there, then the
// largest first; equal ones keep their output order.
std::vector<std::size_t> workOrder(const std::vector<StillImageComposition>& images) {
    std::vector<std::int64_t> pixelCounts;
    for (const StillImageComposition& image : images) pixelCounts.push_back(image.pixelCount);
    std::vector<std::size_t> order = largestFirst(pixelCounts);
    std::stable_partition(order.begin(), order.end(), [&](std::size_t index) { return images[index].isReady; });
    return order;
}

// What one run is told to write and how far a stop reaches.
struct SaveRequest {
    std::vector<StillImageComposition> images;
    std::filesystem::path folder;
    QString baseName;
    StillImageExportOptions options;
    // Seen before each image is composed and written.
    std::stop_token stopWriting;
    // Seen before each rename.
    std::stop_token stopPublishing;
    // Whether composing is a step of its own to report.
    bool reportsComposing = false;
    std::function<VoidResult()> readyToPublish;
};

// One run of the transaction: what is written so far and what must go on failure.
class SaveRun {
public:
    SaveRun(StillImageFileSystem& fileSystem, SaveRequest request, const StillImageSaveProgressHandler& progress)
        : fileSystem_(fileSystem), request_(std::move(request)), progress_(progress) {}

    Result<StillImageSaveResult, StillImageSaveFailure> run() {
        VoidResult outcome = writeAndPublish();
        if (!outcome.ok()) return StillImageSaveFailure{outcome.error(), removeTemporaryFiles()};
        // 5. The new names themselves should survive a power cut too; once every file
        //    is published, a folder that cannot be synced no longer fails the save.
        const VoidResult synced = fileSystem_.syncFolder(request_.folder);
        return StillImageSaveResult{request_.folder, publishedNames_, publishedKinds_,
                                    synced.ok() ? nullptr : synced.error()};
    }

private:
    VoidResult writeAndPublish() {
        // 1. One version for every file of this save.
        const StillImageFileFormat format = request_.options.fileFormat;
        const Result<int> version =
            StillImageFileNaming::firstAvailableVersion(request_.folder, request_.baseName, format, fileSystem_);
        if (!version.ok()) return version.error();

        // 2. The final names, each within the folder's limit, and a hidden name for
        //    every image, listed for removal before anything is written.
        const std::size_t nameLimit = fileSystem_.nameLengthLimit(request_.folder);
        for (const StillImageComposition& image : request_.images) {
            QString finalName = StillImageFileNaming::fileName(request_.baseName, image.kind, format, version.value());
            if (std::size_t(finalName.toUtf8().size()) > nameLimit) {
                return failure(StillImageOutputFailure::Case::invalidBaseName);
            }
            pending_.push_back(
                PendingPublish{temporaryPath(request_.folder, format), std::move(finalName), image.kind});
            cleanup_.push_back(pending_.back().temporary);
        }

        // 3. Every image composed, written, synced and read back under its hidden name.
        if (VoidResult written = runConcurrentImageWork(workOrder(request_.images), request_.stopWriting,
                                                        [this](std::size_t index) { return writeTemporary(index); });
            !written.ok()) {
            return written;
        }
        if (request_.readyToPublish) {
            if (VoidResult ready = request_.readyToPublish(); !ready.ok()) return ready;
        }

        // 4. Published in order, never over an existing file.
        for (const PendingPublish& pending : pending_) {
            if (request_.stopPublishing.stop_requested()) return makeCancellationError();
            report(StillImageSaveStep::publishing, pending.kind);
            const std::filesystem::path finalPath = request_.folder / pending.finalName.toStdString();
            if (VoidResult renamed = fileSystem_.renameWithoutReplacing(pending.temporary, finalPath); !renamed.ok()) {
                return renamed;
            }
            std::erase(cleanup_, pending.temporary);
            publishedNames_.push_back(pending.finalName);
            publishedKinds_.push_back(pending.kind);
        }
        return {};
    }

    // One image on one of the working threads; touches only its own entries.
    VoidResult writeTemporary(std::size_t index) {
        const StillImageComposition& composition = request_.images[index];
        const std::filesystem::path& temporary = pending_[index].temporary;

        if (request_.reportsComposing) report(StillImageSaveStep::composing, composition.kind);
        Result<QImage> composed = composition.compose();
        if (!composed.ok()) return composed.error();
        QImage image = std::move(composed).value();
        const std::int64_t width = image.width();
        const std::int64_t height = image.height();

        report(StillImageSaveStep::encoding, composition.kind);
        Result<FileDescriptor> file = fileSystem_.createNewFile(temporary);
        if (!file.ok()) return file.error();
        const VoidResult encoded = StillImageSaveTransaction::encode(image, file.value().get(), request_.options);
        // The bitmap is not needed again; its memory goes back while the file is checked.
        image = QImage();
        if (!encoded.ok()) return encoded;
        // The read-back reads what the system holds of the file already, so the file
        // goes to the disk meanwhile (on a thread of its own where one can be had).
        std::future<VoidResult> synced = std::async(std::launch::async | std::launch::deferred,
                                                    [this, &temporary, written = std::move(file).value()]() mutable {
                                                        return fileSystem_.syncAndClose(std::move(written), temporary);
                                                    });
        report(StillImageSaveStep::validating, composition.kind);
        VoidResult validated = StillImageSaveTransaction::validateWrittenImage(temporary, width, height);
        // A full disk often shows only at the sync, when the delayed blocks are
        // allocated; that is the cause to report.
        if (VoidResult wrote = synced.get(); !wrote.ok()) return StillImageOutputFailure::writeFailed(wrote.error());
        return validated;
    }

    // The paths that are still there after trying to remove them.
    std::vector<std::filesystem::path> removeTemporaryFiles() {
        std::vector<std::filesystem::path> remaining;
        for (const std::filesystem::path& path : cleanup_) {
            const Result<bool> exists = fileSystem_.entryExists(path);
            if (exists.ok() && !exists.value()) continue;
            if (!exists.ok() || !fileSystem_.removeFile(path).ok()) remaining.push_back(path);
        }
        return remaining;
    }

    // One report at a time, whichever thread makes it.
    void report(StillImageSaveStep step, StillImageKind kind) {
        if (!progress_) return;
        const std::lock_guard lock(progressMutex_);
        progress_(step, kind);
    }

    StillImageFileSystem& fileSystem_;
    const SaveRequest request_;
    const StillImageSaveProgressHandler& progress_;
    std::mutex progressMutex_;
    std::vector<std::filesystem::path> cleanup_;
    std::vector<PendingPublish> pending_;
    std::vector<QString> publishedNames_;
    std::vector<StillImageKind> publishedKinds_;
};

}  // namespace

StillImageSaveTransaction::StillImageSaveTransaction(StillImageFileSystem& fileSystem) : fileSystem_(fileSystem) {}

Result<StillImageSaveResult, StillImageSaveFailure> StillImageSaveTransaction::save(
    const StillImageTransactionPayload& payload, std::stop_token stopToken,
    const StillImageSaveProgressHandler& progress) {
    SaveRequest request{{}, payload.folder, payload.baseName, payload.options, stopToken, stopToken, false, {}};
    for (const StillImageRenderedImage& rendered : payload.images) {
        const QImage& image = rendered.image;
        request.images.push_back({rendered.kind, std::int64_t(image.width()) * image.height(), true,
                                  [&image]() -> Result<QImage> { return image; }});
    }
    return SaveRun(fileSystem_, std::move(request), progress).run();
}

Result<StillImageSaveResult, StillImageSaveFailure> StillImageSaveTransaction::saveComposing(
    std::vector<StillImageComposition> images, const std::filesystem::path& folder, const QString& baseName,
    const StillImageExportOptions& options, std::stop_token stopBeforeComposing,
    const std::function<VoidResult()>& readyToPublish, const StillImageSaveProgressHandler& progress) {
    SaveRequest request{std::move(images), folder, baseName, options, std::move(stopBeforeComposing), {}, true,
                        readyToPublish};
    return SaveRun(fileSystem_, std::move(request), progress).run();
}

int StillImageSaveTransaction::jpegQuality(const StillImageExportOptions& options) {
    return int(std::clamp<std::int64_t>(options.jpegQuality, ApplicationSettings::kMinimumJpegQuality,
                                        ApplicationSettings::kMaximumJpegQuality));
}

VoidResult StillImageSaveTransaction::encode(const QImage& image, int descriptor,
                                             const StillImageExportOptions& options) {
    const ImageEncodingOptions encoding{
        options.fileFormat == StillImageFileFormat::jpeg ? ImageEncodingFormat::jpeg : ImageEncodingFormat::png,
        jpegQuality(options)};
    const ImageEncodingResult encoded = encodeImage(image, encoding, descriptor);
    if (encoded.status == ImageEncodingResult::Status::writeFailed) {
        return StillImageOutputFailure::writeFailed(makeSystemError(encoded.writeErrno, "write"));
    }
    if (!encoded.written()) return failure(StillImageOutputFailure::Case::encodeFailed);
    return {};
}

VoidResult StillImageSaveTransaction::validateWrittenImage(const std::filesystem::path& path, std::int64_t width,
                                                           std::int64_t height) {
    std::error_code error;
    const std::uintmax_t bytes = std::filesystem::file_size(path, error);
    if (error) return makeSystemError(error, "read size", path.string());
    if (bytes < 1) return failure(StillImageOutputFailure::Case::validationFailed);
    const std::optional<DecodedImageSize> decoded = readBackImageSize(path.string());
    if (!decoded || *decoded != DecodedImageSize{width, height}) {
        return failure(StillImageOutputFailure::Case::validationFailed);
    }
    return {};
}

}  // namespace vlt
