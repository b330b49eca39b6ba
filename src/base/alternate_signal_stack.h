#pragma once

#include <cstddef>

namespace vlt {

// A stack of its own on which the calling thread runs signal handlers, so that a
// handler still runs when the thread has overflowed its own stack. The stack is mapped
// with a guard page below it (an overflow of the handler itself faults instead of
// running into other memory) and is given back when the thread ends. Every thread gets
// one as its first step when crash capture is linked in (it wraps thread creation);
// installing again on the same thread does nothing.
class AlternateSignalStack {
public:
    AlternateSignalStack() = delete;

    // Usable bytes above the guard page.
    static constexpr std::size_t kStackBytes = 65536;

    // True when the calling thread runs its handlers on such a stack (already installed,
    // or installed now); false with errno set when the mapping or sigaltstack failed.
    static bool installForCurrentThread();
    static bool isInstalledForCurrentThread();
};

}  // namespace vlt
