#pragma once

#include <cstddef>
#include <functional>
#include <stop_token>
#include <vector>

#include "base/result.h"

namespace vlt {

// Runs work(index) for every index of `order`, in that order, on the calling thread
// and on as many more as the processors the process may use allow (never more threads
// than indexes): the images of one output are independent, and each one's work mostly
// runs on one core. Listing the largest image first keeps the threads busy to the end.
// An index does not start after a stop request or after any work failed; work already
// running is finished. Returns the first failure in index order: a work's own, or the
// cancellation error for an index that a stop request kept from starting.
VoidResult runConcurrentImageWork(const std::vector<std::size_t>& order, const std::stop_token& stopToken,
                                  const std::function<VoidResult(std::size_t index)>& work);

// The indexes of the given pixel counts, largest first; equal ones keep their order.
std::vector<std::size_t> largestFirst(const std::vector<std::int64_t>& pixelCounts);

}  // namespace vlt
