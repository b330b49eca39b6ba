#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gpu/gpu_function.h"

namespace vlt {

// Functions looked up by name, as a compiled shader library offers them; a missing
// name is a failure the caller reports, never a crash.
class GpuFunctionLibrary {
public:
    GpuFunctionLibrary() = default;
    explicit GpuFunctionLibrary(std::vector<GpuFunction> functions);

    // A later function of the same name replaces the earlier one.
    void add(GpuFunction function);

    std::optional<GpuFunction> makeFunction(std::string_view name) const;
    std::vector<std::string> functionNames() const;

    // The same library lacking one function (for testing a missing function).
    GpuFunctionLibrary without(std::string_view name) const;

private:
    std::vector<GpuFunction> functions_;
};

}  // namespace vlt
