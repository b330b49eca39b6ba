#include "platform/gpu/gpu_device.h"

namespace vlt {

GpuDevice::GpuDevice(GpuDeviceOptions options)
    : options_(std::move(options)), faults_(std::make_shared<GpuFaultInjector>()) {}

std::shared_ptr<GpuDevice> GpuDevice::create(GpuDeviceOptions options) {
    return std::shared_ptr<GpuDevice>(new GpuDevice(std::move(options)));
}

std::shared_ptr<GpuCommandQueue> GpuDevice::makeCommandQueue() {
    if (faults_->shouldFail(GpuFaultPoint::commandQueue)) return nullptr;
    return std::make_shared<GpuCommandQueue>(faults_, options_.maximumConcurrency);
}

std::shared_ptr<GpuTexture> GpuDevice::makeTexture(const GpuTextureDescriptor& descriptor) {
    if (faults_->shouldFail(GpuFaultPoint::texture)) return nullptr;
    if (descriptor.width > kMaximumTextureDimension || descriptor.height > kMaximumTextureDimension) return nullptr;
    return GpuTexture::allocate(descriptor);
}

std::shared_ptr<GpuBuffer> GpuDevice::makeBuffer(std::size_t length) {
    if (faults_->shouldFail(GpuFaultPoint::buffer)) return nullptr;
    return GpuBuffer::allocate(length);
}

std::shared_ptr<GpuComputePipeline> GpuDevice::makeComputePipeline(const GpuFunction& function) {
    if (faults_->shouldFail(GpuFaultPoint::computePipeline)) return nullptr;
    if (function.kind() != GpuFunctionKind::compute || function.computeKernel() == nullptr) return nullptr;
    return std::make_shared<GpuComputePipeline>(function);
}

std::shared_ptr<GpuRenderPipeline> GpuDevice::makeRenderPipeline(const GpuRenderPipelineDescriptor& descriptor) {
    if (faults_->shouldFail(GpuFaultPoint::renderPipeline)) return nullptr;
    const bool vertexFits = descriptor.vertexFunction && descriptor.vertexFunction->kind() == GpuFunctionKind::vertex &&
                            descriptor.vertexFunction->vertexFunction() != nullptr;
    const bool fragmentFits = descriptor.fragmentFunction &&
                              descriptor.fragmentFunction->kind() == GpuFunctionKind::fragment &&
                              descriptor.fragmentFunction->fragmentFunction() != nullptr;
    if (!vertexFits || !fragmentFits) return nullptr;
    return std::make_shared<GpuRenderPipeline>(*descriptor.vertexFunction, *descriptor.fragmentFunction,
                                               descriptor.colorPixelFormat);
}

}  // namespace vlt
