#include "crash_capture/vt_crash_shared_images.h"

namespace vlt {

VTCrashSharedImages& VTCrashSharedImages::shared() {
    // Deliberately never destroyed: a crash may come during exit.
    static auto* images = new VTCrashSharedImages();
    return *images;
}

VTCrashSharedImages::VTCrashSharedImages() {
    vtcrash_async_task_init(&task_);
    vtcrash_async_image_list_init(&imageList_, &task_);
    sync();
}

void VTCrashSharedImages::sync() { vtcrash_async_image_list_sync(&imageList_); }

bool VTCrashSharedImages::addImage(std::uint64_t headerAddress, const char* name) {
    return vtcrash_async_image_list_append_at(&imageList_, headerAddress, name) == VTCRASH_OK;
}

void VTCrashSharedImages::removeImage(std::uint64_t headerAddress) {
    vtcrash_async_image_list_remove(&imageList_, headerAddress);
}

}  // namespace vlt
