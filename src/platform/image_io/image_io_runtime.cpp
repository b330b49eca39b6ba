#include "platform/image_io/image_io_runtime.h"

#include <malloc.h>

#include <cstddef>
#include <mutex>

#include <vips/vips.h>

namespace vlt {
namespace {

// libvips 8.14 (Debian 12 ships 8.14.1) ends a pool of workers whose work failed by
// raising the pool's stop flag without the lock under which the other workers look at
// it; a worker that looked just before then trips an assertion (!pool->stop in
// vips_worker_allocate) and aborts the whole process. Damaged files fail on a worker,
// and so does a write to a full disk. With one worker per pool the failing worker is
// the only one, and it asks for no more work once it failed. The decoders are mostly
// single-threaded, and the encoder waits on its compression, so little speed is lost.
constexpr int kWorkerThreads = 1;

// Free memory the allocator may keep at the top of each arena before it gives pages
// back. Its adaptive default, on threads of our own running libvips pipelines, gave
// back the pages of the row buffers freed every few rows and faulted them in again
// for the next ones: up to a third of the time of a 900-megapixel TIFF import. A fixed
// threshold also fixes the size from which blocks are mapped on their own (128 KiB),
// so large pictures still go back to the system as soon as they are freed.
constexpr std::size_t kAllocatorTrimThreshold = std::size_t(16) << 20;

}  // namespace

void ensureImageIORuntime() {
    static std::once_flag once;
    std::call_once(once, [] {
        mallopt(M_TRIM_THRESHOLD, int(kAllocatorTrimThreshold));
        if (VIPS_INIT("veltrano") != 0) {
            vips_error_clear();
            return;
        }
        vips_cache_set_max(0);
        vips_cache_set_max_mem(0);
        vips_cache_set_max_files(0);
        // Set whatever VIPS_CONCURRENCY says: no pool may have more than one worker.
        vips_concurrency_set(kWorkerThreads);
    });
}

}  // namespace vlt
