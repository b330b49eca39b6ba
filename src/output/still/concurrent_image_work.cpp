#include "output/still/concurrent_image_work.h"

#include <algorithm>
#include <atomic>
#include <numeric>
#include <optional>
#include <thread>

#include "base/cancellation_error.h"
#include "base/usable_cpu_count.h"

namespace vlt {

VoidResult runConcurrentImageWork(const std::vector<std::size_t>& order, const std::stop_token& stopToken,
                                  const std::function<VoidResult(std::size_t index)>& work) {
    const std::size_t count = order.size();
    std::vector<std::optional<VoidResult>> outcomes(count);
    std::atomic<std::size_t> next{0};
    std::atomic<bool> halted{false};

    auto worker = [&] {
        for (;;) {
            const std::size_t position = next.fetch_add(1);
            if (position >= count || halted.load()) return;
            const std::size_t index = order[position];
            if (stopToken.stop_requested()) {
                outcomes[index] = VoidResult(makeCancellationError());
                halted = true;
                return;
            }
            outcomes[index] = work(index);
            if (!outcomes[index]->ok()) halted = true;
        }
    };

    const std::size_t threads = std::min(count, std::size_t(usableCpuCount()));
    std::vector<std::jthread> helpers;
    for (std::size_t helper = 1; helper < threads; ++helper) helpers.emplace_back(worker);
    worker();
    helpers.clear();

    for (const std::optional<VoidResult>& outcome : outcomes) {
        if (outcome && !outcome->ok()) return *outcome;
    }
    return {};
}

std::vector<std::size_t> largestFirst(const std::vector<std::int64_t>& pixelCounts) {
    std::vector<std::size_t> order(pixelCounts.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return pixelCounts[a] > pixelCounts[b]; });
    return order;
}

}  // namespace vlt
