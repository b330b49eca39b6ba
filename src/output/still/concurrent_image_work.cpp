#include "output/still/concurrent_image_work.h"

#include <algorithm>
#include <atomic>
#include <optional>
#include <thread>
#include <vector>

#include "base/cancellation_error.h"

namespace vlt {

VoidResult runConcurrentImageWork(std::size_t count, std::size_t maximumThreads, const std::stop_token& stopToken,
                                  const std::function<VoidResult(std::size_t index)>& work) {
    std::vector<std::optional<VoidResult>> outcomes(count);
    std::atomic<std::size_t> nextIndex{0};
    std::atomic<bool> halted{false};

    auto worker = [&] {
        for (;;) {
            const std::size_t index = nextIndex.fetch_add(1);
            if (index >= count || halted.load()) return;
            if (stopToken.stop_requested()) {
                outcomes[index] = VoidResult(makeCancellationError());
                halted = true;
                return;
            }
            outcomes[index] = work(index);
            if (!outcomes[index]->ok()) halted = true;
        }
    };

    const std::size_t helperCount = std::min(count, std::max<std::size_t>(maximumThreads, 1)) - (count > 0 ? 1 : 0);
    std::vector<std::jthread> helpers;
    helpers.reserve(helperCount);
    for (std::size_t helper = 0; helper < helperCount; ++helper) helpers.emplace_back(worker);
    worker();
    helpers.clear();

    for (const std::optional<VoidResult>& outcome : outcomes) {
        if (outcome && !outcome->ok()) return *outcome;
    }
    return {};
}

}  // namespace vlt
