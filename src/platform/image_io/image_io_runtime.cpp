#include "platform/image_io/image_io_runtime.h"

#include <algorithm>
#include <mutex>
#include <thread>

#include <vips/vips.h>

namespace vlt {
namespace {

constexpr int kMaximumWorkerThreads = 8;

}  // namespace

void ensureImageIORuntime() {
    static std::once_flag once;
    std::call_once(once, [] {
        if (VIPS_INIT("veltrano") != 0) {
            vips_error_clear();
            return;
        }
        vips_cache_set_max(0);
        vips_cache_set_max_mem(0);
        vips_cache_set_max_files(0);
        const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
        vips_concurrency_set(std::min(cores, kMaximumWorkerThreads));
    });
}

}  // namespace vlt
