#include "platform/video/video_picture_store.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>

#include "base/unlinked_file.h"
#include "platform/video/ffmpeg_handles.h"

namespace vlt {
namespace {

// The three planes of a 4:2:0 picture: width and height of each.
struct PlaneShape {
    int width;
    int height;
};

std::array<PlaneShape, 3> planesOf(int width, int height) {
    return {PlaneShape{width, height}, PlaneShape{(width + 1) / 2, (height + 1) / 2},
            PlaneShape{(width + 1) / 2, (height + 1) / 2}};
}

// A nameless file in `folder`, which the system removes with its last descriptor.
FileDescriptor unlinkedFile(const std::filesystem::path& folder) {
    const FileDescriptor directory(::open(folder.c_str(), O_DIRECTORY | O_CLOEXEC));
    return directory.isOpen() ? createUnlinkedFile(directory.get(), 0600) : FileDescriptor();
}

}  // namespace

std::unique_ptr<VideoPictureStore> VideoPictureStore::create(const std::filesystem::path& folder, int width,
                                                             int height) {
    FileDescriptor file = unlinkedFile(folder);
    if (!file.isOpen() || width < 1 || height < 1) return nullptr;
    return std::unique_ptr<VideoPictureStore>(new VideoPictureStore(std::move(file), width, height));
}

VideoPictureStore::VideoPictureStore(FileDescriptor file, int width, int height)
    : file_(std::move(file)), width_(width), height_(height), slotBytes_(0) {
    for (const PlaneShape& plane : planesOf(width, height)) {
        slotBytes_ += std::uint64_t(plane.width) * std::uint64_t(plane.height);
    }
}

bool VideoPictureStore::store(std::uint64_t key, const VideoPicture& picture) {
    const AVFrame* frame = picture.frame_.get();
    if (frame == nullptr || frame->width != width_ || frame->height != height_ || slots_.contains(key)) return false;
    std::uint64_t slot = nextSlot_;
    if (!freeSlots_.empty()) {
        slot = freeSlots_.back();
    }
    off_t offset = off_t(slot * slotBytes_);
    const auto planes = planesOf(width_, height_);
    for (std::size_t index = 0; index < planes.size(); ++index) {
        for (int row = 0; row < planes[index].height; ++row) {
            const std::uint8_t* bytes = frame->data[index] + std::ptrdiff_t(row) * frame->linesize[index];
            if (!writeAllAt(file_.get(), bytes, std::size_t(planes[index].width), std::uint64_t(offset))) return false;
            offset += planes[index].width;
        }
    }
    if (freeSlots_.empty()) {
        ++nextSlot_;
    } else {
        freeSlots_.pop_back();
    }
    slots_[key] = slot;
    return true;
}

VideoPicture VideoPictureStore::load(std::uint64_t key) const {
    const auto found = slots_.find(key);
    if (found == slots_.end()) return {};
    std::shared_ptr<AVFrame> frame = allocateEncoderPicture(width_, height_);
    if (!frame) return {};
    off_t offset = off_t(found->second * slotBytes_);
    const auto planes = planesOf(width_, height_);
    for (std::size_t index = 0; index < planes.size(); ++index) {
        const PlaneShape& plane = planes[index];
        // Rows packed in the file; one read for the plane when its rows are packed in memory too.
        if (frame->linesize[index] == plane.width) {
            const std::size_t bytes = std::size_t(plane.width) * std::size_t(plane.height);
            if (!readAllAt(file_.get(), frame->data[index], bytes, std::uint64_t(offset))) return {};
            offset += off_t(bytes);
            continue;
        }
        for (int row = 0; row < plane.height; ++row) {
            std::uint8_t* bytes = frame->data[index] + std::ptrdiff_t(row) * frame->linesize[index];
            if (!readAllAt(file_.get(), bytes, std::size_t(plane.width), std::uint64_t(offset))) return {};
            offset += plane.width;
        }
    }
    return VideoPicture(std::move(frame));
}

void VideoPictureStore::release(std::uint64_t key) {
    const auto found = slots_.find(key);
    if (found == slots_.end()) return;
    freeSlots_.push_back(found->second);
    slots_.erase(found);
}

}  // namespace vlt
