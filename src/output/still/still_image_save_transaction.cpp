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

// One run of the transaction: what is written so far and what must go on failure.
class SaveRun {
public:
    SaveRun(StillImageFileSystem& fileSystem, const StillImageTransactionPayload& payload, std::stop_token stopToken,
            const StillImageSaveProgressHandler& progress)
        : fileSystem_(fileSystem), payload_(payload), stopToken_(std::move(stopToken)), progress_(progress) {}

    Result<StillImageSaveResult, StillImageSaveFailure> run() {
        VoidResult outcome = writeAndPublish();
        if (!outcome.ok()) return StillImageSaveFailure{outcome.error(), removeTemporaryFiles()};
        // 5. The new names themselves should survive a power cut too; once every file
        //    is published, a folder that cannot be synced no longer fails the save.
        const VoidResult synced = fileSystem_.syncFolder(payload_.folder);
        return StillImageSaveResult{payload_.folder, publishedNames_, publishedKinds_,
                                    synced.ok() ? nullptr : synced.error()};
    }

private:
    VoidResult writeAndPublish() {
        // 1. One version for every file of this save.
        const StillImageFileFormat format = payload_.options.fileFormat;
        const Result<int> version =
            StillImageFileNaming::firstAvailableVersion(payload_.folder, payload_.baseName, format, fileSystem_);
        if (!version.ok()) return version.error();

        // 2. The final names, each within the folder's limit, and a hidden name for
        //    every image, listed for removal before anything is written.
        const std::size_t nameLimit = fileSystem_.nameLengthLimit(payload_.folder);
        for (const StillImageRenderedImage& rendered : payload_.images) {
            QString finalName =
                StillImageFileNaming::fileName(payload_.baseName, rendered.kind, format, version.value());
            if (std::size_t(finalName.toUtf8().size()) > nameLimit) {
                return failure(StillImageOutputFailure::Case::invalidBaseName);
            }
            pending_.push_back(
                PendingPublish{temporaryPath(payload_.folder, format), std::move(finalName), rendered.kind});
            cleanup_.push_back(pending_.back().temporary);
        }

        // 3. Every image written, synced and read back under its hidden name.
        std::vector<std::int64_t> pixelCounts;
        for (const StillImageRenderedImage& rendered : payload_.images) {
            pixelCounts.push_back(std::int64_t(rendered.image.width()) * rendered.image.height());
        }
        if (VoidResult written = runConcurrentImageWork(largestFirst(pixelCounts), stopToken_,
                                                        [this](std::size_t index) { return writeTemporary(index); });
            !written.ok()) {
            return written;
        }

        // 4. Published in order, never over an existing file.
        for (const PendingPublish& pending : pending_) {
            if (stopToken_.stop_requested()) return makeCancellationError();
            report(StillImageSaveStep::publishing, pending.kind);
            const std::filesystem::path finalPath = payload_.folder / pending.finalName.toStdString();
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
        const StillImageRenderedImage& rendered = payload_.images[index];
        const std::filesystem::path& temporary = pending_[index].temporary;

        report(StillImageSaveStep::encoding, rendered.kind);
        Result<FileDescriptor> file = fileSystem_.createNewFile(temporary);
        if (!file.ok()) return file.error();
        if (VoidResult encoded =
                StillImageSaveTransaction::encode(rendered.image, file.value().get(), payload_.options);
            !encoded.ok()) {
            return encoded;
        }
        // The read-back reads what the system holds of the file already, so the file
        // goes to the disk meanwhile (on a thread of its own where one can be had).
        std::future<VoidResult> synced = std::async(std::launch::async | std::launch::deferred,
                                                    [this, &temporary, written = std::move(file).value()]() mutable {
                                                        return fileSystem_.syncAndClose(std::move(written), temporary);
                                                    });
        report(StillImageSaveStep::validating, rendered.kind);
        VoidResult validated =
            StillImageSaveTransaction::validateWrittenImage(temporary, rendered.image.width(), rendered.image.height());
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
    const StillImageTransactionPayload& payload_;
    std::stop_token stopToken_;
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
    return SaveRun(fileSystem_, payload, std::move(stopToken), progress).run();
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
