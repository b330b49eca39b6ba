#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/gpu/gpu_blit_encoder.h"
#include "platform/gpu/gpu_command.h"
#include "platform/gpu/gpu_compute_encoder.h"
#include "platform/gpu/gpu_fault_injector.h"
#include "platform/gpu/gpu_render_encoder.h"

namespace vlt {

class GpuCommandQueue;
class GpuDrawable;

enum class GpuCommandBufferStatus {
    notEnqueued,
    committed,
    completed,
    // The work did not run to its end; nothing it was to produce can be trusted.
    error,
};

// Work recorded by encoders, one encoder at a time, and committed to its queue,
// which runs it after everything committed before it.
class GpuCommandBuffer : public std::enable_shared_from_this<GpuCommandBuffer> {
public:
    using CompletedHandler = std::function<void(const GpuCommandBuffer&)>;

    GpuCommandBuffer(const GpuCommandBuffer&) = delete;
    GpuCommandBuffer& operator=(const GpuCommandBuffer&) = delete;

    // None when the encoder cannot be made.
    std::optional<GpuComputeEncoder> makeComputeEncoder();
    std::optional<GpuBlitEncoder> makeBlitEncoder();
    std::optional<GpuRenderEncoder> makeRenderEncoder(const GpuRenderPassDescriptor& descriptor);

    // Shows the drawable once the work before it in this buffer has run.
    void present(std::shared_ptr<GpuDrawable> drawable);

    // Runs on the GUI thread after the work finished, successfully or not (read
    // status() there). Handlers run in the order they were added.
    void addCompletedHandler(CompletedHandler handler);

    void commit();

    // Blocks until the committed work has run (not for the GUI thread in the product).
    void waitUntilCompleted() const;

    GpuCommandBufferStatus status() const { return status_.load(std::memory_order_acquire); }

    // How long the work ran on the queue's worker, wall time from its first command to
    // its last, once the status is no longer committed; 0 before.
    double executionSeconds() const { return executionSeconds_; }

private:
    friend class GpuCommandQueue;
    friend class GpuComputeEncoder;
    friend class GpuBlitEncoder;
    friend class GpuRenderEncoder;

    GpuCommandBuffer(std::weak_ptr<GpuCommandQueue> queue, std::shared_ptr<GpuFaultInjector> faults);

    void append(GpuCommand command);
    void encoderEnded();
    bool canMakeEncoder(GpuFaultPoint point);
    void prepareForReuse();
    // On the queue's worker.
    void run();

    std::weak_ptr<GpuCommandQueue> queue_;
    std::shared_ptr<GpuFaultInjector> faults_;
    std::vector<GpuCommand> commands_;
    std::vector<CompletedHandler> handlers_;
    bool encoderOpen_ = false;
    bool failsExecution_ = false;
    // Written before the status leaves committed, which publishes it.
    double executionSeconds_ = 0.0;
    std::atomic<GpuCommandBufferStatus> status_{GpuCommandBufferStatus::notEnqueued};
    mutable std::mutex doneMutex_;
    mutable std::condition_variable doneCondition_;
    bool done_ = false;
};

}  // namespace vlt
