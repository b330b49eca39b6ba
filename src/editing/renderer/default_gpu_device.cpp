#include "editing/renderer/default_gpu_device.h"

#include "shaders/shader_library.h"

namespace vlt {

std::shared_ptr<GpuDevice> defaultGpuDevice() {
    static const std::shared_ptr<GpuDevice> device = GpuDevice::create({makeShaderLibrary(), 0});
    return device;
}

}  // namespace vlt
