#pragma once

#include <string_view>

#include "platform/gpu/gpu_function_library.h"

namespace vlt {

inline constexpr std::string_view kClearDisplacementFunctionName = "clearDisplacement";
inline constexpr std::string_view kComposeDisplacementFunctionName = "composeDisplacement";
inline constexpr std::string_view kImageVertexFunctionName = "imageVertex";
inline constexpr std::string_view kImageFragmentFunctionName = "imageFragment";
inline constexpr std::string_view kBackgroundVertexFunctionName = "backgroundVertex";
inline constexpr std::string_view kBackgroundFragmentFunctionName = "backgroundFragment";

// The application's shader library: the six functions the renderer looks up.
GpuFunctionLibrary makeShaderLibrary();

}  // namespace vlt
