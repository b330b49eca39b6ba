#include "base/alternate_signal_stack.h"

#include <cerrno>
#include <csignal>
#include <sys/mman.h>
#include <unistd.h>

namespace vlt {

namespace {

// One per thread: maps the stack on install and, when the thread ends, stops the
// kernel from using it before unmapping it.
class ThreadStack {
public:
    ThreadStack() = default;
    ThreadStack(const ThreadStack&) = delete;
    ThreadStack& operator=(const ThreadStack&) = delete;

    ~ThreadStack() {
        if (mapping_ == nullptr) return;
        stack_t disabled{};
        disabled.ss_flags = SS_DISABLE;
        if (::sigaltstack(&disabled, nullptr) != 0) return;  // still in use: leave it mapped
        ::munmap(mapping_, mappingBytes_);
    }

    bool installed() const { return mapping_ != nullptr; }

    bool install() {
        const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
        const std::size_t bytes = page + AlternateSignalStack::kStackBytes;
        void* mapping = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_STACK, -1, 0);
        if (mapping == MAP_FAILED) return false;
        // Stacks grow downwards: the guard is the lowest page.
        if (::mprotect(mapping, page, PROT_NONE) != 0) return unmapKeepingErrno(mapping, bytes);
        stack_t stack{};
        stack.ss_sp = static_cast<char*>(mapping) + page;
        stack.ss_size = AlternateSignalStack::kStackBytes;
        stack.ss_flags = 0;
        if (::sigaltstack(&stack, nullptr) != 0) return unmapKeepingErrno(mapping, bytes);
        mapping_ = mapping;
        mappingBytes_ = bytes;
        return true;
    }

private:
    static bool unmapKeepingErrno(void* mapping, std::size_t bytes) {
        const int saved = errno;
        ::munmap(mapping, bytes);
        errno = saved;
        return false;
    }

    void* mapping_ = nullptr;
    std::size_t mappingBytes_ = 0;
};

ThreadStack& threadStack() {
    thread_local ThreadStack stack;
    return stack;
}

}  // namespace

bool AlternateSignalStack::installForCurrentThread() {
    ThreadStack& stack = threadStack();
    return stack.installed() || stack.install();
}

bool AlternateSignalStack::isInstalledForCurrentThread() { return threadStack().installed(); }

}  // namespace vlt
