#include "platform/gpu/gpu_command_queue.h"

#include <oneapi/tbb/task_arena.h>

#include "base/precondition.h"
#include "base/usable_cpu_count.h"

namespace vlt {

namespace {

// Every processor the process may use, under a control group's quota too.
int arenaConcurrency(int maximumConcurrency) { return maximumConcurrency > 0 ? maximumConcurrency : usableCpuCount(); }

}  // namespace

struct GpuCommandQueue::Arena {
    tbb::task_arena arena;
};

GpuCommandQueue::GpuCommandQueue(std::shared_ptr<GpuFaultInjector> faults, int maximumConcurrency)
    : faults_(std::move(faults)),
      arena_(std::make_unique<Arena>(Arena{tbb::task_arena(arenaConcurrency(maximumConcurrency))})) {
    worker_ = std::thread([this] { runWorker(); });
}

GpuCommandQueue::~GpuCommandQueue() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    workAvailable_.notify_all();
    worker_.join();
}

std::shared_ptr<GpuCommandBuffer> GpuCommandQueue::makeCommandBuffer() {
    if (faults_->shouldFail(GpuFaultPoint::commandBuffer)) return nullptr;
    std::lock_guard lock(mutex_);
    for (const std::shared_ptr<GpuCommandBuffer>& buffer : recycled_) {
        // Only this list still refers to it, and it is not waiting to run.
        if (buffer.use_count() == 1 && buffer->status() != GpuCommandBufferStatus::committed) {
            buffer->prepareForReuse();
            return buffer;
        }
    }
    std::shared_ptr<GpuCommandBuffer> buffer(new GpuCommandBuffer(weak_from_this(), faults_));
    if (recycled_.size() < kRecycledBufferLimit) recycled_.push_back(buffer);
    return buffer;
}

void GpuCommandQueue::waitUntilIdle() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return pendingHead_ == pending_.size() && !running_; });
}

void GpuCommandQueue::enqueue(std::shared_ptr<GpuCommandBuffer> buffer) {
    {
        std::lock_guard lock(mutex_);
        pending_.push_back(std::move(buffer));
    }
    workAvailable_.notify_one();
}

void GpuCommandQueue::runWorker() {
    std::unique_lock lock(mutex_);
    while (true) {
        workAvailable_.wait(lock, [this] { return pendingHead_ < pending_.size() || stopping_; });
        if (pendingHead_ == pending_.size()) break;
        std::shared_ptr<GpuCommandBuffer> buffer = std::move(pending_[pendingHead_]);
        ++pendingHead_;
        if (pendingHead_ == pending_.size()) {
            pending_.clear();
            pendingHead_ = 0;
        }
        running_ = true;
        lock.unlock();
        arena_->arena.execute([&buffer] { buffer->run(); });
        lock.lock();
        // Dropped under the lock so that recycling sees a finished buffer.
        buffer.reset();
        running_ = false;
        idle_.notify_all();
    }
}

}  // namespace vlt
