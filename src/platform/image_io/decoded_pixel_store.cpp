#include "platform/image_io/decoded_pixel_store.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cstring>
#include <new>
#include <string>

#include "base/application_folders.h"
#include "base/private_folder.h"
#include "base/unlinked_file.h"
#include "base/usable_cpu_count.h"
#include "platform/image_io/generated_image.h"

namespace vlt {

namespace {

constexpr const char* kStoreFolderName = "Decoded";
constexpr mode_t kStoreFileMode = 0600;
// A store takes at most this share of the free space, and always leaves this much.
constexpr std::uint64_t kLargestShareOfFreeSpace = 2;
constexpr std::uint64_t kFreeSpaceLeft = std::uint64_t(2) << 30;
// Rows copied for the writer thread and not yet written.
constexpr std::uint64_t kMaximumQueuedBytes = std::uint64_t(64) << 20;

// Not the runtime folder, which the share store prefers: that one lives in memory,
// and decoded pixels can take gigabytes.
std::filesystem::path storeFolder() {
    std::optional<std::filesystem::path> base = ApplicationFolders::userCacheFolder();
    // Without a home folder: a folder named for the user, which the folder check
    // refuses when someone else made it first.
    if (!base) base = ApplicationFolders::temporaryFolder() / ("veltrano-" + std::to_string(::geteuid()));
    return *base / ApplicationFolders::kFolderName / kStoreFolderName;
}

bool isMemoryBacked(int folder) {
    struct statfs system {};
    if (::fstatfs(folder, &system) != 0) return true;
    return system.f_type == TMPFS_MAGIC || system.f_type == RAMFS_MAGIC;
}

bool hasRoomFor(int folder, std::uint64_t bytes) {
    struct statvfs space {};
    if (::fstatvfs(folder, &space) != 0) return false;
    const std::uint64_t available = std::uint64_t(space.f_bavail) * std::uint64_t(space.f_frsize);
    return bytes <= available / kLargestShareOfFreeSpace && available - bytes >= kFreeSpaceLeft;
}

// The file's blocks are claimed now, so the disk cannot fill up half way.
FileDescriptor temporaryFileOf(std::uint64_t bytes) {
    const PrivateFolder folder = PrivateFolder::open(storeFolder(), true);
    if (folder.status() != PrivateFolder::Status::opened) return {};
    if (isMemoryBacked(folder.descriptor()) || !hasRoomFor(folder.descriptor(), bytes)) return {};
    FileDescriptor file = createUnlinkedFile(folder.descriptor(), kStoreFileMode);
    if (!file.isOpen() || ::fallocate(file.get(), 0, 0, off_t(bytes)) != 0) return {};
    return file;
}

}  // namespace

std::shared_ptr<DecodedPixelStore> DecodedPixelStore::reserveFor(VipsImage* decoded) {
    const auto width = std::uint64_t(vips_image_get_width(decoded));
    const auto height = std::uint64_t(vips_image_get_height(decoded));
    const auto pixelBytes = std::uint64_t(VIPS_IMAGE_SIZEOF_PEL(decoded));
    if (width == 0 || height == 0 || pixelBytes == 0 || vips_image_get_coding(decoded) != VIPS_CODING_NONE) {
        return nullptr;
    }
    const std::uint64_t bytes = width * height * pixelBytes;
    std::unique_ptr<unsigned char[]> memory;
    FileDescriptor file;
    if (bytes <= kMaximumMemoryBytes) {
        memory.reset(new (std::nothrow) unsigned char[bytes]);
        if (!memory) return nullptr;
    } else {
        file = temporaryFileOf(bytes);
        if (!file.isOpen()) return nullptr;
    }
    std::shared_ptr<DecodedPixelStore> store(new DecodedPixelStore(decoded, bytes, std::move(memory), std::move(file)));
    store->writesAside_ = !store->memory_ && usableCpuCount() > 1;
    return store->header_ ? store : nullptr;
}

DecodedPixelStore::DecodedPixelStore(VipsImage* decoded, std::uint64_t bytes, std::unique_ptr<unsigned char[]> memory,
                                     FileDescriptor file)
    : width_(vips_image_get_width(decoded)),
      height_(vips_image_get_height(decoded)),
      pixelBytes_(std::uint64_t(VIPS_IMAGE_SIZEOF_PEL(decoded))),
      rowBytes_(bytes / std::uint64_t(vips_image_get_height(decoded))),
      memory_(std::move(memory)),
      file_(std::move(file)),
      rows_(new std::atomic<std::uint8_t>[std::size_t(height_)]) {
    for (int y = 0; y < height_; ++y) rows_[std::size_t(y)].store(kRowMissing, std::memory_order_relaxed);
    header_ = headerImageOf(decoded);
}

DecodedPixelStore::~DecodedPixelStore() {
    {
        const std::lock_guard lock(queueMutex_);
        queueClosed_ = true;
        queue_.clear();
    }
    queueChanged_.notify_all();
    if (writer_.joinable()) writer_.join();
}

VipsImageRef DecodedPixelStore::tee(VipsImageRef decoded) {
    VipsImageRef passed(vips_image_new());
    if (vips_image_pipelinev(passed.get(), VIPS_DEMAND_STYLE_THINSTRIP, decoded.get(), nullptr) != 0 ||
        vips_image_generate(passed.get(), vips_start_one, generateTee, vips_stop_one, decoded.get(), this) != 0) {
        vips_error_clear();
        failed_ = true;
        return decoded;
    }
    // The new image holds its input for as long as it lives.
    g_object_ref(decoded.get());
    vips_object_local(passed.get(), decoded.get());
    return passed;
}

bool DecodedPixelStore::isComplete() const {
    if (failed_ || !header_) return false;
    for (int y = 0; y < height_; ++y) {
        if (rows_[std::size_t(y)].load(std::memory_order_acquire) != kRowStored) return false;
    }
    return true;
}

VipsImageRef DecodedPixelStore::image() const {
    return newGeneratedImage(header_.get(), generateStored, const_cast<DecodedPixelStore*>(this));
}

int DecodedPixelStore::generateTee(VipsRegion* out, void* sequence, void*, void* store, gboolean*) {
    auto* input = static_cast<VipsRegion*>(sequence);
    const VipsRect& area = out->valid;
    if (vips_region_prepare(input, &area) != 0 || vips_region_region(out, input, &area, area.left, area.top) != 0) {
        return -1;
    }
    // Keeping the pixels is a bonus: a store that fails is dropped, the decode goes on.
    static_cast<DecodedPixelStore*>(store)->storeRows(input, area);
    return 0;
}

int DecodedPixelStore::generateStored(VipsRegion* out, void*, void* store, void*, gboolean*) {
    if (static_cast<const DecodedPixelStore*>(store)->loadRows(out)) return 0;
    vips_error("decoded pixels", "%s", "the kept pixels could not be read");
    return -1;
}

void DecodedPixelStore::storeRows(VipsRegion* input, const VipsRect& area) {
    if (area.left != 0 || area.width != width_ || failed_.load(std::memory_order_relaxed)) return;
    // Neighbouring requests overlap: each row is written by the first to bring it, and
    // rows claimed one after another go out together.
    const int bottom = area.top + area.height;
    int runStart = area.top;
    for (int y = area.top; y <= bottom; ++y) {
        std::uint8_t expected = kRowMissing;
        if (y < bottom &&
            rows_[std::size_t(y)].compare_exchange_strong(expected, kRowWriting, std::memory_order_acq_rel)) {
            continue;
        }
        if (y > runStart) storeRun(input, runStart, y);
        runStart = y + 1;
    }
}

void DecodedPixelStore::storeRun(VipsRegion* input, int first, int end) {
    if (writesAside_) return queueRun(input, first, end);
    bool written = true;
    if (std::uint64_t(VIPS_REGION_LSKIP(input)) == rowBytes_) {
        written = write(std::uint64_t(first) * rowBytes_, VIPS_REGION_ADDR(input, 0, first),
                        std::uint64_t(end - first) * rowBytes_);
    } else {
        for (int y = first; written && y < end; ++y) {
            written = write(std::uint64_t(y) * rowBytes_, VIPS_REGION_ADDR(input, 0, y), rowBytes_);
        }
    }
    if (!written) {
        failed_ = true;
        finishFilling();
        return;
    }
    markStored(first, end);
}

void DecodedPixelStore::queueRun(VipsRegion* input, int first, int end) {
    std::unique_lock lock(queueMutex_);
    // A decoder far ahead of the disk waits, so that memory stays bounded.
    queueChanged_.wait(lock, [this] { return queuedBytes_ < kMaximumQueuedBytes || queueClosed_; });
    if (queueClosed_) return;
    Chunk chunk{first, end, {}};
    if (!spareBuffers_.empty()) {
        chunk.bytes = std::move(spareBuffers_.back());
        spareBuffers_.pop_back();
    }
    lock.unlock();
    chunk.bytes.resize(std::size_t(std::uint64_t(end - first) * rowBytes_));
    for (int y = first; y < end; ++y) {
        std::memcpy(chunk.bytes.data() + std::uint64_t(y - first) * rowBytes_, VIPS_REGION_ADDR(input, 0, y),
                    rowBytes_);
    }
    lock.lock();
    queuedBytes_ += chunk.bytes.size();
    queue_.push_back(std::move(chunk));
    if (!writer_.joinable()) writer_ = std::thread([this] { writeQueuedRuns(); });
    lock.unlock();
    queueChanged_.notify_all();
}

void DecodedPixelStore::writeQueuedRuns() {
    std::unique_lock lock(queueMutex_);
    while (true) {
        queueChanged_.wait(lock, [this] { return !queue_.empty() || queueClosed_; });
        if (queue_.empty()) return;
        Chunk chunk = std::move(queue_.front());
        queue_.pop_front();
        lock.unlock();
        const bool written =
            !failed_ && write(std::uint64_t(chunk.first) * rowBytes_, chunk.bytes.data(), chunk.bytes.size());
        if (written) {
            markStored(chunk.first, chunk.end);
        } else {
            failed_ = true;
            const std::lock_guard progress(progressMutex_);
            progress_.notify_all();
        }
        lock.lock();
        queuedBytes_ -= chunk.bytes.size();
        spareBuffers_.push_back(std::move(chunk.bytes));
        queueChanged_.notify_all();
    }
}

void DecodedPixelStore::markStored(int first, int end) {
    for (int y = first; y < end; ++y) rows_[std::size_t(y)].store(kRowStored, std::memory_order_release);
    const std::lock_guard lock(progressMutex_);
    const int before = storedFromTop_;
    while (storedFromTop_ < height_ &&
           rows_[std::size_t(storedFromTop_)].load(std::memory_order_acquire) == kRowStored) {
        ++storedFromTop_;
    }
    if (storedFromTop_ != before) progress_.notify_all();
}

void DecodedPixelStore::finishFilling() {
    {
        std::unique_lock lock(queueMutex_);
        queueClosed_ = true;
        queueChanged_.notify_all();
    }
    // The writer leaves once the queue is empty.
    if (writer_.joinable() && writer_.get_id() != std::this_thread::get_id()) writer_.join();
    spareBuffers_.clear();
    const std::lock_guard lock(progressMutex_);
    filling_ = false;
    progress_.notify_all();
}

bool DecodedPixelStore::waitForRows(int top, int bottom) const {
    std::unique_lock lock(progressMutex_);
    progress_.wait(lock, [&] { return storedFromTop_ >= bottom || !filling_ || failed_; });
    if (storedFromTop_ >= bottom) return true;
    for (int y = top; y < bottom; ++y) {
        if (rows_[std::size_t(y)].load(std::memory_order_acquire) != kRowStored) return false;
    }
    return true;
}

bool DecodedPixelStore::loadRows(VipsRegion* out) const {
    const VipsRect& area = out->valid;
    if (!waitForRows(area.top, area.top + area.height)) return false;
    const std::uint64_t count = std::uint64_t(area.width) * pixelBytes_;
    for (int y = area.top; y < area.top + area.height; ++y) {
        const std::uint64_t offset = std::uint64_t(y) * rowBytes_ + std::uint64_t(area.left) * pixelBytes_;
        if (!read(offset, reinterpret_cast<unsigned char*>(VIPS_REGION_ADDR(out, area.left, y)), count)) return false;
    }
    return true;
}

bool DecodedPixelStore::write(std::uint64_t offset, const void* data, std::uint64_t count) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    if (memory_) {
        std::memcpy(memory_.get() + offset, bytes, count);
        return true;
    }
    return writeAllAt(file_.get(), bytes, std::size_t(count), offset);
}

bool DecodedPixelStore::read(std::uint64_t offset, unsigned char* bytes, std::uint64_t count) const {
    if (memory_) {
        std::memcpy(bytes, memory_.get() + offset, count);
        return true;
    }
    return readAllAt(file_.get(), bytes, std::size_t(count), offset);
}

}  // namespace vlt
