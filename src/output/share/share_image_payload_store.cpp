#include "output/share/share_image_payload_store.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QUuid>

#include "base/application_folders.h"
#include "base/cancellation_error.h"
#include "base/precondition.h"
#include "base/private_folder.h"
#include "output/still/still_image_file_naming.h"
#include "output/still/still_image_output_failure.h"
#include "platform/image_io/image_encoding.h"
#include "platform/image_io/image_read_back.h"
#include "platform/share/share_image_failure.h"

namespace vlt {

namespace {

constexpr mode_t kWorkingFolderMode = 0700;
constexpr mode_t kNewFileMode = 0600;
constexpr mode_t kReadOnlyForEveryone = 0444;
constexpr const char* kShareFolderName = "Share";

ErrorPtr failure(ShareImageFailure::Case failureCase) { return ShareImageFailure::make(failureCase); }

// The part of a preparation that owns a working folder: whatever ends it early
// removes the folder again.
class WorkingFolder {
public:
    WorkingFolder(int root, std::string name) : root_(root), name_(std::move(name)) {}
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;
    ~WorkingFolder() {
        // A removal that fails is left to the sweep of a later launch.
        if (!kept_) PrivateFolder::removeEntry(root_, name_);
    }
    void keep() { kept_ = true; }

private:
    int root_;
    std::string name_;
    bool kept_ = false;
};

VoidResult writeAndValidate(const ShareImagePayloadStore::JpegWriter& writer, int file,
                            const std::filesystem::path& path, const QImage& image) {
    if (!writer(image, file)) {
        return failure(ShareImageFailure::Case::encodeFailed);
    }
    struct stat written {};
    if (::fstat(file, &written) != 0 || written.st_size < 1) return failure(ShareImageFailure::Case::validationFailed);
    // Every pixel is decoded: a header alone says nothing about a file cut short.
    const std::optional<DecodedImageSize> decoded = readBackImageSize(path.string());
    if (!decoded || *decoded != DecodedImageSize{image.width(), image.height()}) {
        return failure(ShareImageFailure::Case::validationFailed);
    }
    return {};
}

std::filesystem::path normalized(const std::filesystem::path& path, std::error_code& error) {
    std::filesystem::path resolved = std::filesystem::weakly_canonical(std::filesystem::absolute(path, error), error);
    return resolved.has_filename() ? resolved : resolved.parent_path();
}

}  // namespace

ShareImagePayloadStore::ShareImagePayloadStore(std::optional<std::filesystem::path> root, JpegWriter writer)
    : root_(root ? std::move(*root) : defaultRoot()), writer_(writer ? std::move(writer) : JpegWriter(&writeJpeg)) {}

bool ShareImagePayloadStore::writeJpeg(const QImage& image, int descriptor) {
    return encodeImage(image, {ImageEncodingFormat::jpeg, kJpegQuality}, descriptor).written();
}

std::filesystem::path ShareImagePayloadStore::defaultRoot() {
    std::optional<std::filesystem::path> base = ApplicationFolders::userRuntimeFolder();
    if (!base) base = ApplicationFolders::userCacheFolder();
    // Without a home folder: a folder named for the user, which the root check refuses
    // when someone else made it first.
    if (!base) base = ApplicationFolders::temporaryFolder() / ("veltrano-" + std::to_string(::geteuid()));
    return *base / ApplicationFolders::kFolderName / kShareFolderName;
}

bool ShareImagePayloadStore::isValidBaseName(const QString& baseName) {
    return !StillImageFileNaming::baseNameValidationMessage(baseName).has_value();
}

QString ShareImagePayloadStore::fileName(const QString& baseName, StillImageKind kind) {
    VLT_PRECONDITION(isValidBaseName(baseName), "share file name from an invalid base name");
    return QStringLiteral("%1-%2.jpg").arg(baseName.trimmed(), QString::fromUtf8(stillImageKindRawValue(kind)));
}

Result<ShareImagePayload> ShareImagePayloadStore::preparePayload(const QImage& image, const QString& baseName,
                                                                 StillImageKind kind, std::stop_token stop) const {
    if (!isValidBaseName(baseName))
        return StillImageOutputFailure::make(StillImageOutputFailure::Case::invalidBaseName);

    const PrivateFolder root = PrivateFolder::open(root_, true);
    if (root.status() != PrivateFolder::Status::opened) {
        return failure(ShareImageFailure::Case::temporaryLocationUnavailable);
    }
    const std::string folderName = QUuid::createUuid().toString(QUuid::WithoutBraces).toLower().toStdString();
    // Never an existing folder: a name already taken fails.
    if (::mkdirat(root.descriptor(), folderName.c_str(), kWorkingFolderMode) != 0) {
        return failure(ShareImageFailure::Case::temporaryLocationUnavailable);
    }
    WorkingFolder working(root.descriptor(), folderName);
    const FileDescriptor folder(
        ::openat(root.descriptor(), folderName.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    const QString name = fileName(baseName, kind);
    const FileDescriptor file(folder.isOpen()
                                  ? ::openat(folder.get(), QFile::encodeName(name).constData(),
                                             O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kNewFileMode)
                                  : -1);
    if (!file.isOpen()) return failure(ShareImageFailure::Case::temporaryLocationUnavailable);
    if (stop.stop_requested()) return makeCancellationError();

    const std::filesystem::path workingPath = root_ / folderName;
    const std::filesystem::path filePath = workingPath / QFile::encodeName(name).toStdString();
    if (VoidResult written = writeAndValidate(writer_, file.get(), filePath, image); !written) return written.error();
    if (::fchmod(file.get(), kReadOnlyForEveryone) != 0) {
        return failure(ShareImageFailure::Case::temporaryLocationUnavailable);
    }
    if (stop.stop_requested()) return makeCancellationError();

    working.keep();
    return ShareImagePayload{filePath, workingPath, kind};
}

bool ShareImagePayloadStore::removeWorkingDirectory(const std::filesystem::path& workingDirectory) const {
    std::error_code error;
    const std::filesystem::path root = normalized(root_, error);
    const std::filesystem::path folder = normalized(workingDirectory, error);
    if (error || folder == root || folder.parent_path() != root) return false;

    const PrivateFolder opened = PrivateFolder::open(root_, false);
    if (opened.status() == PrivateFolder::Status::missing) return true;
    if (opened.status() != PrivateFolder::Status::opened) return false;
    return PrivateFolder::removeEntry(opened.descriptor(), folder.filename().string());
}

void ShareImagePayloadStore::removeStaleWorkingDirectories(std::chrono::system_clock::time_point now,
                                                           std::stop_token stop) const {
    const PrivateFolder root = PrivateFolder::open(root_, false);
    if (root.status() != PrivateFolder::Status::opened) return;
    const int listing = ::dup(root.descriptor());
    DIR* entries = listing >= 0 ? ::fdopendir(listing) : nullptr;
    if (entries == nullptr) {
        if (listing >= 0) ::close(listing);
        return;
    }
    std::vector<std::string> stale;
    while (const dirent* entry = ::readdir(entries)) {
        const std::string name = entry->d_name;
        if (name.empty() || name.front() == '.') continue;
        struct stat status {};
        if (::fstatat(root.descriptor(), name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (!S_ISDIR(status.st_mode)) continue;
        const auto modified =
            std::chrono::system_clock::time_point(std::chrono::duration_cast<std::chrono::system_clock::duration>(
                std::chrono::seconds(status.st_mtim.tv_sec) + std::chrono::nanoseconds(status.st_mtim.tv_nsec)));
        if (now - modified >= kStaleAge) stale.push_back(name);
    }
    ::closedir(entries);
    for (const std::string& name : stale) {
        if (stop.stop_requested()) return;
        PrivateFolder::removeEntry(root.descriptor(), name);
    }
}

}  // namespace vlt
