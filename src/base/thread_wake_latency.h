#pragma once

#include <chrono>

namespace vlt {

// Asks the kernel's fair scheduler to run the calling thread within a short time of
// its waking, even while other programs keep every processor busy: a thread that
// has to act at a given moment (the frame clock, the GUI thread that shows a frame)
// otherwise waits out the running program's whole time slice, several milliseconds.
// The thread gets no larger share of the processors, only shorter turns; threads it
// starts afterwards begin with the usual slice. False, and nothing changes, where the
// kernel has no per-thread slice (before Linux 6.12).
class ThreadWakeLatency {
public:
    static constexpr std::chrono::microseconds kShortSlice{200};

    static bool shortenForCurrentThread(std::chrono::microseconds slice = kShortSlice);
    // The calling thread's slice as the kernel reports it; none where it cannot.
    static std::chrono::microseconds currentSlice();
};

}  // namespace vlt
