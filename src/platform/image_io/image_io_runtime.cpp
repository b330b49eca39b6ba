#include "platform/image_io/image_io_runtime.h"

#include <algorithm>
#include <cstdlib>
#include <mutex>

#include <vips/vips.h>

#include "base/usable_cpu_count.h"

namespace vlt {
namespace {

// Beyond four workers the decoders (mostly single-threaded) gain little, while every
// worker adds its own strip buffers to the peak memory.
constexpr int kMaximumWorkerThreads = 4;

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
        // An explicit VIPS_CONCURRENCY still decides.
        if (std::getenv("VIPS_CONCURRENCY") == nullptr) {
            vips_concurrency_set(std::min(usableCpuCount(), kMaximumWorkerThreads));
        }
    });
}

}  // namespace vlt
