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

}  // namespace vlt
