#include "output/still/still_image_snapshot_source.h"

#include <utility>

#include "base/cancellation_error.h"

namespace vlt {

StillImageSnapshotSource::StillImageSnapshotSource(QImage original) : original_(std::move(original)) {}

std::shared_ptr<StillImageSnapshotSource> StillImageSnapshotSource::ready(StillImageRenderSnapshot snapshot) {
    auto source = std::make_shared<StillImageSnapshotSource>(snapshot.original);
    source->fulfil(std::move(snapshot));
    return source;
}

void StillImageSnapshotSource::fulfil(Result<StillImageRenderSnapshot> snapshot) {
    {
        const std::lock_guard lock(mutex_);
        if (snapshot_) return;
        snapshot_ = std::move(snapshot);
    }
    answered_.notify_all();
}

bool StillImageSnapshotSource::isFulfilled() const {
    const std::lock_guard lock(mutex_);
    return snapshot_.has_value();
}

bool StillImageSnapshotSource::hasFailed() const {
    const std::lock_guard lock(mutex_);
    return snapshot_ && !snapshot_->ok();
}

Result<StillImageRenderSnapshot> StillImageSnapshotSource::wait(std::stop_token stop) const {
    std::unique_lock lock(mutex_);
    if (!answered_.wait(lock, stop, [this] { return snapshot_.has_value(); })) return makeCancellationError();
    return *snapshot_;
}

}  // namespace vlt
