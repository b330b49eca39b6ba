#pragma once

#include <memory>

#include "platform/gpu/gpu_device.h"

namespace vlt {

// The device the editor's views and renderers use: the application's shader
// library as its default library, work spread over every core. Made once per
// process; the same device is returned on every call.
std::shared_ptr<GpuDevice> defaultGpuDevice();

}  // namespace vlt
