#include "output/video/animation_video_export.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

#include <QThreadPool>
#include <QUuid>

#include "base/cancellation_error.h"
#include "base/main_thread.h"
#include "base/system_error.h"
#include "output/video/animation_video_failure.h"
#include "output/video/animation_video_save_failure.h"

namespace vlt {

namespace {

namespace fs = std::filesystem;

constexpr const char* kTemporaryFolderTemplate = ".vlt-animation-XXXXXX";

QString toQString(const fs::path& path) { return QString::fromStdString(path.string()); }

ErrorPtr publishFailure(ErrorPtr underlying) {
    return AnimationVideoSystemFailure::make(AnimationVideoFailure::Case::publishFailed, std::move(underlying));
}

Result<fs::path> makeTemporaryFolder(const fs::path& destination) {
    const fs::path parent = destination.parent_path().empty() ? fs::path(".") : destination.parent_path();
    std::string pattern = (parent / kTemporaryFolderTemplate).string();
    if (::mkdtemp(pattern.data()) == nullptr) return makeSystemError(errno, "mkdtemp", pattern);
    return fs::path(pattern);
}

// None when nothing is there any more, else the path that could not be removed.
std::optional<QString> removeTemporaryItem(const fs::path& path) {
    std::error_code error;
    if (!fs::exists(fs::symlink_status(path, error))) return std::nullopt;
    fs::remove_all(path, error);
    if (error) return toQString(path);
    return std::nullopt;
}

// 0 or an errno value.
int syncPath(const fs::path& path, int flags) {
    const int descriptor = ::open(path.c_str(), flags | O_CLOEXEC);
    if (descriptor < 0) return errno;
    int result = 0;
    while (::fsync(descriptor) != 0) {
        if (errno == EINTR) continue;
        result = errno;
        break;
    }
    ::close(descriptor);
    return result;
}

class ExportTransaction final : public std::enable_shared_from_this<ExportTransaction> {
public:
    ExportTransaction(fs::path destination, AnimationVideoExportSteps steps, std::stop_token stop,
                      std::function<void(Result<AnimationVideoSaveResult>)> completion)
        : destination_(std::move(destination)),
          steps_(std::move(steps)),
          stop_(std::move(stop)),
          completion_(std::move(completion)) {
        if (!steps_.runInBackground) {
            steps_.runInBackground = [](std::function<void()> work) {
                QThreadPool::globalInstance()->start(std::move(work));
            };
        }
    }

    void start() {
        inBackground([](ExportTransaction& transaction) { transaction.prepare(); });
    }

private:
    void inBackground(void (*step)(ExportTransaction&)) {
        steps_.runInBackground([self = shared_from_this(), step] { step(*self); });
    }

    // Background: the temporary folder and the name of the file in it.
    void prepare() {
        if (stop_.stop_requested()) return fail(makeCancellationError());
        auto folder = makeTemporaryFolder(destination_);
        if (!folder.ok()) return fail(publishFailure(folder.error()));
        temporaryFolder_ = folder.value();
        const QString uuid = QUuid::createUuid().toString(QUuid::WithoutBraces).toLower();
        temporaryFile_ = *temporaryFolder_ / (".vlt-animation-" + uuid.toStdString() + ".tmp.mp4");
        postToMainThread([self = shared_from_this()] { self->writeFrames(); });
    }

    // Main thread.
    void writeFrames() {
        if (!steps_.writeFrames) {
            failLater(AnimationVideoFailure::rendererUnavailable());
            return;
        }
        steps_.writeFrames(toQString(temporaryFile_),
                           [self = shared_from_this()](Result<AnimationVideoDescriptor> written) {
                               if (!written.ok()) {
                                   self->failLater(written.error());
                                   return;
                               }
                               self->descriptor_ = written.value();
                               self->inBackground([](ExportTransaction& transaction) { transaction.publish(); });
                           });
    }

    // Background: validation, then the move over the destination.
    void publish() {
        if (stop_.stop_requested()) return fail(makeCancellationError());
        if (steps_.validate) {
            VoidResult valid = steps_.validate(toQString(temporaryFile_), descriptor_);
            if (!valid.ok()) return fail(valid.error());
        }
        // The last moment a stop takes effect.
        if (stop_.stop_requested()) return fail(makeCancellationError());
        if (const int synced = syncPath(temporaryFile_, O_RDONLY); synced != 0) {
            return fail(publishFailure(makeSystemError(synced, "fsync", temporaryFile_.string())));
        }

        destinationStateUncertain_ = true;
        if (::rename(temporaryFile_.c_str(), destination_.c_str()) != 0) {
            return fail(publishFailure(makeSystemError(errno, "rename", destination_.string())));
        }
        // The rename itself must survive a power cut; a folder that cannot be synced
        // still holds the published file.
        syncPath(destination_.parent_path().empty() ? fs::path(".") : destination_.parent_path(),
                 O_RDONLY | O_DIRECTORY);

        AnimationVideoSaveResult result{toQString(destination_), removeTemporaryItem(*temporaryFolder_)};
        postToMainThread([self = shared_from_this(), result = std::move(result)] { self->complete(result); });
    }

    void failLater(ErrorPtr error) {
        steps_.runInBackground([self = shared_from_this(), error = std::move(error)] { self->fail(error); });
    }

    // Background: removes what is left unless the destination may depend on it.
    void fail(ErrorPtr error) {
        std::optional<QString> cleanupPath;
        if (temporaryFolder_) {
            if (destinationStateUncertain_) {
                std::error_code ignored;
                if (fs::exists(*temporaryFolder_, ignored)) cleanupPath = toQString(*temporaryFolder_);
            } else {
                cleanupPath = removeTemporaryItem(*temporaryFolder_);
            }
        }
        ErrorPtr failure =
            makeError<AnimationVideoSaveFailure>(std::move(error), std::move(cleanupPath), destinationStateUncertain_);
        postToMainThread([self = shared_from_this(), failure = std::move(failure)] { self->complete(failure); });
    }

    void complete(Result<AnimationVideoSaveResult> result) {
        if (auto completion = std::exchange(completion_, {})) completion(std::move(result));
    }

    fs::path destination_;
    AnimationVideoExportSteps steps_;
    std::stop_token stop_;
    std::function<void(Result<AnimationVideoSaveResult>)> completion_;
    std::optional<fs::path> temporaryFolder_;
    fs::path temporaryFile_;
    AnimationVideoDescriptor descriptor_;
    bool destinationStateUncertain_ = false;
};

}  // namespace

void exportAnimationVideo(const QString& destinationPath, AnimationVideoExportSteps steps, std::stop_token stop,
                          std::function<void(Result<AnimationVideoSaveResult>)> completion) {
    auto transaction = std::make_shared<ExportTransaction>(fs::path(destinationPath.toStdString()), std::move(steps),
                                                           std::move(stop), std::move(completion));
    transaction->start();
}

}  // namespace vlt
