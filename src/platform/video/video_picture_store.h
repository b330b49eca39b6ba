#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <unordered_map>
#include <vector>

#include "base/file_descriptor.h"
#include "platform/video/video_picture.h"

namespace vlt {

// Pictures that a video shows again later, kept in an unlinked temporary file instead
// of in the process's memory: a 1080p picture is 3 MB, and a video that returns to
// dozens of them would otherwise hold them all until their last frame. The system
// keeps the file's pages in its cache while there is room and may write them out
// when there is not; the file vanishes when the store is dropped.
//
// One thread at a time.
class VideoPictureStore {
public:
    // A store in `folder` for pictures of the given size; null when no file can be
    // made there.
    static std::unique_ptr<VideoPictureStore> create(const std::filesystem::path& folder, int width, int height);

    // False when the picture could not be written; the caller then keeps it itself.
    bool store(std::uint64_t key, const VideoPicture& picture);
    // The picture stored under key, read back into memory of its own; null when it is
    // not there or cannot be read.
    VideoPicture load(std::uint64_t key) const;
    // The picture's place is free for another.
    void release(std::uint64_t key);

private:
    VideoPictureStore(FileDescriptor file, int width, int height);

    FileDescriptor file_;
    int width_;
    int height_;
    std::uint64_t slotBytes_;
    std::unordered_map<std::uint64_t, std::uint64_t> slots_;
    std::vector<std::uint64_t> freeSlots_;
    std::uint64_t nextSlot_ = 0;
};

}  // namespace vlt
