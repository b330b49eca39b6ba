#pragma once

#include <chrono>
#include <functional>
#include <memory>

#include <QCoreApplication>
#include <QThread>

#include "platform/gpu/gpu_device.h"

namespace vlt::testing {

// Runs the GUI thread's event loop until the condition holds, so that completion
// handlers posted by the queue's worker get their turn. Gives up after a generous
// bound instead of hanging a broken test.
inline bool processEventsUntil(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::yieldCurrentThread();
    }
    return true;
}

inline std::shared_ptr<GpuTexture> makeFilledTexture(GpuDevice& device, GpuPixelFormat format, std::int64_t width,
                                                     std::int64_t height, GpuTextureUsage usage) {
    auto texture = device.makeTexture({format, width, height, usage});
    for (std::int64_t i = 0; texture && i < texture->rowBytes() * height; ++i) {
        texture->data()[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    return texture;
}

}  // namespace vlt::testing
