#pragma once

#include <cstddef>
#include <functional>
#include <stop_token>

#include "base/result.h"

namespace vlt {

// The images of one output are independent and each one's encoder or decoder mostly
// runs on one core, so they are worked on side by side.
inline constexpr std::size_t kMaximumConcurrentImages = 3;

// Runs work(0) … work(count - 1) on the calling thread and up to `maximumThreads` - 1
// more, starting the indexes in order. An index does not start after a stop request
// or after any work failed; work already running is finished. Returns the first
// failure in index order: a work's own, or the cancellation error for an index that
// a stop request kept from starting.
VoidResult runConcurrentImageWork(std::size_t count, std::size_t maximumThreads, const std::stop_token& stopToken,
                                  const std::function<VoidResult(std::size_t index)>& work);

}  // namespace vlt
