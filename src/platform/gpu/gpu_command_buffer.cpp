#include "platform/gpu/gpu_command_buffer.h"

#include <chrono>

#include "base/precondition.h"
#include "platform/gpu/gpu_command_queue.h"
#include "base/main_thread.h"

namespace vlt {

GpuCommandBuffer::GpuCommandBuffer(std::weak_ptr<GpuCommandQueue> queue, std::shared_ptr<GpuFaultInjector> faults)
    : queue_(std::move(queue)), faults_(std::move(faults)) {}

bool GpuCommandBuffer::canMakeEncoder(GpuFaultPoint point) {
    VLT_PRECONDITION(status() == GpuCommandBufferStatus::notEnqueued, "encoding happens before commit");
    VLT_PRECONDITION(!encoderOpen_, "one encoder at a time");
    return !faults_->shouldFail(point);
}

std::optional<GpuComputeEncoder> GpuCommandBuffer::makeComputeEncoder() {
    if (!canMakeEncoder(GpuFaultPoint::computeEncoder)) return std::nullopt;
    encoderOpen_ = true;
    return GpuComputeEncoder(*this);
}

std::optional<GpuBlitEncoder> GpuCommandBuffer::makeBlitEncoder() {
    if (!canMakeEncoder(GpuFaultPoint::blitEncoder)) return std::nullopt;
    encoderOpen_ = true;
    return GpuBlitEncoder(*this);
}

std::optional<GpuRenderEncoder> GpuCommandBuffer::makeRenderEncoder(const GpuRenderPassDescriptor& descriptor) {
    VLT_PRECONDITION(descriptor.colorTexture != nullptr, "a render pass has a colour target");
    VLT_PRECONDITION(contains(descriptor.colorTexture->usage(), GpuTextureUsage::renderTarget),
                     "the colour target was made for rendering");
    if (!canMakeEncoder(GpuFaultPoint::renderEncoder)) return std::nullopt;
    encoderOpen_ = true;
    commands_.push_back(GpuBeginRenderPassCommand{descriptor});
    return GpuRenderEncoder(*this, descriptor);
}

void GpuCommandBuffer::present(std::shared_ptr<GpuDrawable> drawable) {
    VLT_PRECONDITION(status() == GpuCommandBufferStatus::notEnqueued, "presenting is encoded before commit");
    VLT_PRECONDITION(!encoderOpen_, "presenting follows the last encoder");
    VLT_PRECONDITION(drawable != nullptr, "a present has its drawable");
    commands_.push_back(GpuPresentCommand{std::move(drawable)});
}

void GpuCommandBuffer::addCompletedHandler(CompletedHandler handler) {
    VLT_PRECONDITION(status() == GpuCommandBufferStatus::notEnqueued, "handlers are added before commit");
    handlers_.push_back(std::move(handler));
}

void GpuCommandBuffer::append(GpuCommand command) {
    VLT_PRECONDITION(encoderOpen_, "commands come from an open encoder");
    commands_.push_back(std::move(command));
}

void GpuCommandBuffer::encoderEnded() { encoderOpen_ = false; }

void GpuCommandBuffer::commit() {
    VLT_PRECONDITION(status() == GpuCommandBufferStatus::notEnqueued, "a command buffer is committed once");
    VLT_PRECONDITION(!encoderOpen_, "every encoder ended before commit");
    failsExecution_ = faults_->shouldFail(GpuFaultPoint::commandExecution);
    status_.store(GpuCommandBufferStatus::committed, std::memory_order_release);
    if (std::shared_ptr<GpuCommandQueue> queue = queue_.lock()) {
        queue->enqueue(shared_from_this());
        return;
    }
    failsExecution_ = true;
    run();
}

void GpuCommandBuffer::waitUntilCompleted() const {
    VLT_PRECONDITION(status() != GpuCommandBufferStatus::notEnqueued, "only committed work can be waited for");
    std::unique_lock lock(doneMutex_);
    doneCondition_.wait(lock, [this] { return done_; });
}

void GpuCommandBuffer::prepareForReuse() {
    commands_.clear();
    handlers_.clear();
    encoderOpen_ = false;
    failsExecution_ = false;
    executionSeconds_ = 0.0;
    status_.store(GpuCommandBufferStatus::notEnqueued, std::memory_order_release);
    std::lock_guard lock(doneMutex_);
    done_ = false;
}

void GpuCommandBuffer::run() {
    const auto start = std::chrono::steady_clock::now();
    if (!failsExecution_) executeGpuCommands(commands_);
    executionSeconds_ = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // Resources go back as soon as the work is done, not when the buffer is reused.
    commands_.clear();
    status_.store(failsExecution_ ? GpuCommandBufferStatus::error : GpuCommandBufferStatus::completed,
                  std::memory_order_release);
    {
        std::lock_guard lock(doneMutex_);
        done_ = true;
    }
    doneCondition_.notify_all();
    if (handlers_.empty()) return;
    std::vector<CompletedHandler> handlers;
    handlers.swap(handlers_);
    postToMainThread([self = shared_from_this(), handlers = std::move(handlers)] {
        for (const CompletedHandler& handler : handlers) handler(*self);
    });
}

}  // namespace vlt
