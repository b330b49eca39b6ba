#include "base/thread_wake_latency.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <cstdint>

namespace vlt {

namespace {

// The kernel's struct sched_attr, which glibc does not declare; its size is its
// version.
struct SchedulingAttributes {
    std::uint32_t size = sizeof(SchedulingAttributes);
    std::uint32_t policy = 0;
    std::uint64_t flags = 0;
    std::int32_t nice = 0;
    std::uint32_t priority = 0;
    // For the fair policy: the slice, in nanoseconds.
    std::uint64_t runtime = 0;
    std::uint64_t deadline = 0;
    std::uint64_t period = 0;
    std::uint32_t utilizationMinimum = 0;
    std::uint32_t utilizationMaximum = 0;
};

constexpr int kCurrentThread = 0;
constexpr std::uint32_t kFairPolicy = 0;
constexpr std::uint32_t kBatchPolicy = 3;
// Threads the caller starts later begin with the default slice: workers that
// compute for long stretches gain nothing from short turns but their overhead.
constexpr std::uint64_t kResetOnForkFlag = 0x01;

bool readAttributes(SchedulingAttributes& attributes) {
    return syscall(SYS_sched_getattr, kCurrentThread, &attributes, sizeof attributes, 0) == 0;
}

}  // namespace

bool ThreadWakeLatency::shortenForCurrentThread(std::chrono::microseconds slice) {
    SchedulingAttributes attributes;
    if (!readAttributes(attributes)) return false;
    // Real-time and idle threads keep what they were given.
    if (attributes.policy != kFairPolicy && attributes.policy != kBatchPolicy) return false;
    // The same nice value and policy, so nothing needs a privilege; only the slice
    // changes. Kernels without per-thread slices ignore the field.
    attributes.size = sizeof attributes;
    attributes.flags = kResetOnForkFlag;
    attributes.runtime = static_cast<std::uint64_t>(std::chrono::nanoseconds(slice).count());
    if (syscall(SYS_sched_setattr, kCurrentThread, &attributes, 0) != 0) return false;
    return currentSlice() == slice;
}

std::chrono::microseconds ThreadWakeLatency::currentSlice() {
    SchedulingAttributes attributes;
    if (!readAttributes(attributes)) return std::chrono::microseconds(0);
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::nanoseconds(attributes.runtime));
}

}  // namespace vlt
