#include "platform/gpu/gpu_fault_injector.h"

#include "base/precondition.h"

namespace vlt {

std::string_view toString(GpuFaultPoint point) {
    switch (point) {
    case GpuFaultPoint::commandQueue:
        return "commandQueue";
    case GpuFaultPoint::texture:
        return "texture";
    case GpuFaultPoint::buffer:
        return "buffer";
    case GpuFaultPoint::computePipeline:
        return "computePipeline";
    case GpuFaultPoint::renderPipeline:
        return "renderPipeline";
    case GpuFaultPoint::commandBuffer:
        return "commandBuffer";
    case GpuFaultPoint::computeEncoder:
        return "computeEncoder";
    case GpuFaultPoint::blitEncoder:
        return "blitEncoder";
    case GpuFaultPoint::renderEncoder:
        return "renderEncoder";
    case GpuFaultPoint::drawable:
        return "drawable";
    case GpuFaultPoint::commandExecution:
        return "commandExecution";
    }
    return "unknown";
}

void GpuFaultInjector::inject(GpuFaultPoint point, int skip, int times) {
    VLT_PRECONDITION(skip >= 0, "a fault skips no negative number of requests");
    VLT_PRECONDITION(times > 0 || times == kEveryTime, "a fault fails at least one request");
    std::lock_guard lock(mutex_);
    plans_[static_cast<std::size_t>(point)] = Plan{true, skip, times};
}

void GpuFaultInjector::clear() {
    std::lock_guard lock(mutex_);
    plans_ = {};
}

bool GpuFaultInjector::shouldFail(GpuFaultPoint point) {
    std::lock_guard lock(mutex_);
    const auto index = static_cast<std::size_t>(point);
    ++requests_[index];
    Plan& plan = plans_[index];
    if (!plan.active) return false;
    if (plan.skip > 0) {
        --plan.skip;
        return false;
    }
    if (plan.remaining != kEveryTime && --plan.remaining == 0) plan.active = false;
    return true;
}

int GpuFaultInjector::requestCount(GpuFaultPoint point) const {
    std::lock_guard lock(mutex_);
    return requests_[static_cast<std::size_t>(point)];
}

}  // namespace vlt
