#pragma once

#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/gpu/gpu_command_buffer.h"
#include "platform/gpu/gpu_fault_injector.h"

namespace vlt {

// An in-order queue: one worker thread runs committed command buffers one after
// the other in commit order, each spread over at most the device's concurrency.
// Command buffers are recycled once finished, so steady frame work allocates none.
class GpuCommandQueue : public std::enable_shared_from_this<GpuCommandQueue> {
public:
    GpuCommandQueue(std::shared_ptr<GpuFaultInjector> faults, int maximumConcurrency);
    // Runs everything already committed, then stops the worker.
    ~GpuCommandQueue();

    GpuCommandQueue(const GpuCommandQueue&) = delete;
    GpuCommandQueue& operator=(const GpuCommandQueue&) = delete;

    // Null when the command buffer cannot be made.
    std::shared_ptr<GpuCommandBuffer> makeCommandBuffer();

    // Blocks until every committed command buffer has run (benchmarks and tests).
    void waitUntilIdle();

private:
    friend class GpuCommandBuffer;

    static constexpr std::size_t kRecycledBufferLimit = 8;

    void enqueue(std::shared_ptr<GpuCommandBuffer> buffer);
    void runWorker();

    // Kept out of this header: TBB's headers clash with Qt's keywords.
    struct Arena;

    std::shared_ptr<GpuFaultInjector> faults_;
    std::unique_ptr<Arena> arena_;
    std::mutex mutex_;
    std::condition_variable workAvailable_;
    std::condition_variable idle_;
    std::vector<std::shared_ptr<GpuCommandBuffer>> pending_;
    std::size_t pendingHead_ = 0;
    bool running_ = false;
    bool stopping_ = false;
    std::vector<std::shared_ptr<GpuCommandBuffer>> recycled_;
    std::thread worker_;
};

}  // namespace vlt
