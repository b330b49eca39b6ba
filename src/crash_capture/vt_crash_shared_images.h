#pragma once

#include <cstdint>

#include "crash_capture/async/vtcrash_async_image_list.h"

namespace vlt {

// The process's own memory reader and its list of loaded objects: one of each per
// process, made on first use and never freed, because crash-time code may read them at
// any moment until the process ends.
class VTCrashSharedImages {
public:
    static VTCrashSharedImages& shared();

    const vtcrash_async_task* task() const { return &task_; }
    vtcrash_async_image_list* imageList() { return &imageList_; }
    // Brings the list in line with the loader when objects were loaded or unloaded since
    // the last call. Takes the loader's lock: never at crash time.
    void sync();
    // Lists the image whose header lies at `headerAddress` (ELF or Mach-O, told by its
    // magic) under `name`, for images laid out in memory that the loader does not know;
    // it stays listed, whatever the loader reports, until removed. False when it cannot
    // be described.
    bool addImage(std::uint64_t headerAddress, const char* name);
    void removeImage(std::uint64_t headerAddress);

    VTCrashSharedImages(const VTCrashSharedImages&) = delete;
    VTCrashSharedImages& operator=(const VTCrashSharedImages&) = delete;

private:
    VTCrashSharedImages();

    vtcrash_async_task task_{};
    vtcrash_async_image_list imageList_{};
};

}  // namespace vlt
