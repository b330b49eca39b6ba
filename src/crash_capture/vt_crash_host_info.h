#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vlt {

struct VTCrashKernelVersion {
    std::uint64_t major = 0;
    std::uint64_t minor = 0;
    std::uint64_t revision = 0;

    bool operator==(const VTCrashKernelVersion&) const = default;
};

// Facts about the machine and its system that a crash log carries, read once before
// any crash: the kernel (uname), the distribution (/etc/os-release), the machine's
// model (its DMI product name) and its processors.
class VTCrashHostInfo {
public:
    // Null when the kernel cannot be asked (logged).
    static std::optional<VTCrashHostInfo> currentHostInfo();

    // "6.1.0-18-amd64" gives 6.1.0. A release that does not start with three numbers
    // joined by full stops is logged, and the parts that were read are kept.
    static VTCrashKernelVersion kernelVersionFromRelease(std::string_view release);
    // The value of `key` in an os-release text, without its quotes; empty when absent.
    static std::string osReleaseValue(std::string_view osRelease, std::string_view key);

    const VTCrashKernelVersion& kernelVersion() const { return kernelVersion_; }
    // As uname tells it ("6.1.0-18-amd64").
    const std::string& kernelRelease() const { return kernelRelease_; }
    // The processor architecture ("x86_64", "aarch64").
    const std::string& machine() const { return machine_; }
    // The distribution's name as it presents itself ("Debian GNU/Linux 12 (bookworm)") and
    // its version ("12"); empty when unknown.
    const std::string& osPrettyName() const { return osPrettyName_; }
    const std::string& osVersion() const { return osVersion_; }
    const std::optional<std::string>& model() const { return model_; }
    // Cores, and the processors the system schedules on; 0 when unknown.
    std::uint32_t processorCount() const { return processorCount_; }
    std::uint32_t logicalProcessorCount() const { return logicalProcessorCount_; }

private:
    VTCrashKernelVersion kernelVersion_;
    std::string kernelRelease_;
    std::string machine_;
    std::string osPrettyName_;
    std::string osVersion_;
    std::optional<std::string> model_;
    std::uint32_t processorCount_ = 0;
    std::uint32_t logicalProcessorCount_ = 0;
};

}  // namespace vlt
