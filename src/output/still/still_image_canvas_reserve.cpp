#include "output/still/still_image_canvas_reserve.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <thread>

namespace vlt {

namespace {

// Each page is touched rather than the range populated by the kernel at once: a
// populate holds the process's memory map for its whole length, and every thread
// that maps memory (a new thread's stack, a large allocation) would wait for it.
void* mapFaultedIn(std::size_t bytes) {
    void* memory = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) return nullptr;
    const std::size_t page = std::size_t(::sysconf(_SC_PAGESIZE));
    auto* bytesOf = static_cast<volatile unsigned char*>(memory);
    for (std::size_t offset = 0; offset < bytes; offset += page) bytesOf[offset] = 0;
    return memory;
}

void unmap(void* memory, std::size_t bytes) { ::munmap(memory, bytes); }

}  // namespace

struct StillImageCanvasReserve::Block {
    Block(void* memory, std::size_t bytes) : memory(memory), bytes(bytes) {}
    ~Block() {
        if (memory != nullptr) unmap(memory, bytes);
    }
    Block(const Block&) = delete;
    Block& operator=(const Block&) = delete;

    void* memory;
    std::size_t bytes;
};

// The blocks of one prepare(): faulted in by a thread of its own, which holds on to
// them only through this record, so that the reserve never waits for it.
struct StillImageCanvasReserve::Preparation {
    std::mutex mutex;
    std::condition_variable blockReady;
    std::vector<std::unique_ptr<Block>> ready;
    // The sizes still to come, in the order they are made.
    std::vector<std::size_t> coming;
    std::atomic<bool> abandoned{false};

    // Whether the wait for a block of the bytes is over: the smallest block that holds
    // them is ready (and then taken out), or no block holds them. The lock must be held.
    bool settle(std::size_t bytes, std::unique_ptr<Block>& taken) {
        constexpr std::size_t kNone = ~std::size_t(0);
        std::size_t smallestComing = kNone;
        for (const std::size_t size : coming) {
            if (size >= bytes) smallestComing = std::min(smallestComing, size);
        }
        auto fitting = ready.end();
        for (auto candidate = ready.begin(); candidate != ready.end(); ++candidate) {
            if ((*candidate)->bytes < bytes) continue;
            if (fitting == ready.end() || (*candidate)->bytes < (*fitting)->bytes) fitting = candidate;
        }
        if (fitting == ready.end()) return smallestComing == kNone;
        if ((*fitting)->bytes > smallestComing) return false;
        taken = std::move(*fitting);
        ready.erase(fitting);
        return true;
    }
};

StillImageCanvasReserve& StillImageCanvasReserve::shared() {
    static StillImageCanvasReserve reserve;
    return reserve;
}

void StillImageCanvasReserve::prepare(std::vector<std::size_t> blockBytes) {
    auto preparation = std::make_shared<Preparation>();
    preparation->coming = blockBytes;
    {
        const std::lock_guard lock(mutex_);
        if (current_) current_->abandoned = true;
        current_ = preparation;
    }
    std::thread([preparation, blockBytes = std::move(blockBytes)] {
        for (const std::size_t bytes : blockBytes) {
            void* memory = preparation->abandoned ? nullptr : mapFaultedIn(bytes);
            {
                const std::lock_guard lock(preparation->mutex);
                preparation->coming.erase(preparation->coming.begin());
                if (memory != nullptr) preparation->ready.push_back(std::make_unique<Block>(memory, bytes));
            }
            preparation->blockReady.notify_all();
        }
    }).detach();
}

QImage StillImageCanvasReserve::takeCanvas(int width, int height, QImage::Format format) {
    if (width < 1 || height < 1) return {};
    const std::size_t bytes = std::size_t(width) * std::size_t(height) * 4;
    std::shared_ptr<Preparation> preparation;
    {
        const std::lock_guard lock(mutex_);
        preparation = current_;
    }
    if (!preparation) return {};
    std::unique_ptr<Block> block;
    {
        // A block on its way is worth the wait: faulting in a block of one's own would
        // cost as long, and the one on its way would then go unused.
        std::unique_lock lock(preparation->mutex);
        preparation->blockReady.wait(lock, [&] { return preparation->settle(bytes, block); });
        if (!block) return {};
    }
    Block* owned = block.release();
    QImage canvas(
        static_cast<uchar*>(owned->memory), width, height, qsizetype(width) * 4, format,
        [](void* info) { delete static_cast<Block*>(info); }, owned);
    if (canvas.isNull()) delete owned;
    return canvas;
}

void StillImageCanvasReserve::release() {
    std::shared_ptr<Preparation> released;
    {
        const std::lock_guard lock(mutex_);
        released = std::move(current_);
    }
    // The blocks go with the last holder: here, or the preparing thread at its next block.
    if (released) released->abandoned = true;
}

}  // namespace vlt
