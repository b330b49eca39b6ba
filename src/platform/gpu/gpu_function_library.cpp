#include "platform/gpu/gpu_function_library.h"

#include <algorithm>

namespace vlt {

GpuFunctionLibrary::GpuFunctionLibrary(std::vector<GpuFunction> functions) {
    for (GpuFunction& function : functions) add(std::move(function));
}

void GpuFunctionLibrary::add(GpuFunction function) {
    auto existing = std::find_if(functions_.begin(), functions_.end(),
                                 [&](const GpuFunction& f) { return f.name() == function.name(); });
    if (existing != functions_.end()) {
        *existing = std::move(function);
    } else {
        functions_.push_back(std::move(function));
    }
}

std::optional<GpuFunction> GpuFunctionLibrary::makeFunction(std::string_view name) const {
    for (const GpuFunction& function : functions_) {
        if (function.name() == name) return function;
    }
    return std::nullopt;
}

std::vector<std::string> GpuFunctionLibrary::functionNames() const {
    std::vector<std::string> names;
    names.reserve(functions_.size());
    for (const GpuFunction& function : functions_) names.push_back(function.name());
    return names;
}

GpuFunctionLibrary GpuFunctionLibrary::without(std::string_view name) const {
    GpuFunctionLibrary copy;
    for (const GpuFunction& function : functions_) {
        if (function.name() != name) copy.functions_.push_back(function);
    }
    return copy;
}

}  // namespace vlt
