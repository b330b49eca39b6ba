#include "crash_capture/async/vtcrash_async_thread_capture.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <linux/futex.h>
#include <mutex>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// A slot's word holds the session's generation and the slot's phase, so that a signal
// that arrives late, for a session long over, finds nothing to answer.
enum Phase : uint64_t {
    kRequested = 0,
    kCapturing = 1,
    kCaptured = 2,
    kAbandoned = 3,
};
constexpr unsigned kPhaseBits = 2;
constexpr uint64_t kPhaseMask = (uint64_t{1} << kPhaseBits) - 1;

constexpr uint64_t slotWord(uint32_t generation, Phase phase) { return (uint64_t{generation} << kPhaseBits) | phase; }

// After this long the threads still silent are asked whether they block the signal, so
// that such a thread does not hold the report for the whole deadline.
constexpr uint64_t kBlockedCheckNs = 10'000'000;
// A thread seen copying its registers finishes within microseconds; this bounds the wait.
constexpr uint64_t kCapturingGraceNs = 20'000'000;
constexpr uint64_t kPollNs = 20'000;
constexpr uint64_t kNsPerSecond = 1'000'000'000;

struct Slot {
    std::atomic<pid_t> tid;
    std::atomic<uint64_t> word;
};

// Process-wide, like the signal it serves.
struct Capture {
    std::atomic<bool> busy{false};
    int task_folder = -1;
    std::atomic<int> signal{0};
    std::atomic<uint32_t> generation{0};
    // The futex words: the handlers raise `answered`, the writer raises `released`.
    std::atomic<uint32_t> answered{0};
    std::atomic<uint32_t> released{0};
    std::atomic<uint32_t> slot_count{0};
    Slot slots[VTCRASH_THREAD_CAPTURE_MAX_THREADS];
    vtcrash_captured_thread threads[VTCRASH_THREAD_CAPTURE_MAX_THREADS];
};
Capture capture;

static_assert(sizeof(std::atomic<uint32_t>) == sizeof(uint32_t) && std::atomic<uint32_t>::is_always_lock_free);

uint32_t* futexWord(std::atomic<uint32_t>* word) { return reinterpret_cast<uint32_t*>(word); }

void futexWait(std::atomic<uint32_t>* word, uint32_t expected, uint64_t timeout_ns) {
    const timespec timeout = {static_cast<time_t>(timeout_ns / kNsPerSecond),
                              static_cast<long>(timeout_ns % kNsPerSecond)};
    ::syscall(SYS_futex, futexWord(word), FUTEX_WAIT_PRIVATE, expected, timeout_ns == 0 ? nullptr : &timeout, nullptr,
              0);
}

void futexWake(std::atomic<uint32_t>* word) {
    ::syscall(SYS_futex, futexWord(word), FUTEX_WAKE_PRIVATE, INT_MAX, nullptr, nullptr, 0);
}

uint64_t monotonicNs() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint64_t>(now.tv_sec) * kNsPerSecond + static_cast<uint64_t>(now.tv_nsec);
}

void pause(uint64_t ns) {
    const timespec delay = {0, static_cast<long>(ns)};
    ::nanosleep(&delay, nullptr);
}

pid_t currentThreadId() { return static_cast<pid_t>(::syscall(SYS_gettid)); }

// Runs on the stopped thread.
void captureHandler(int, siginfo_t*, void* context) {
    const int saved_errno = errno;
    const uint32_t generation = capture.generation.load(std::memory_order_acquire);
    const uint32_t count = capture.slot_count.load(std::memory_order_acquire);
    const pid_t self = currentThreadId();
    for (uint32_t index = 0; index < count; ++index) {
        Slot& slot = capture.slots[index];
        if (slot.tid.load(std::memory_order_relaxed) != self) continue;
        uint64_t expected = slotWord(generation, kRequested);
        if (!slot.word.compare_exchange_strong(expected, slotWord(generation, kCapturing))) break;
        vtcrash_async_thread_state_ucontext_init(&capture.threads[index].state, static_cast<ucontext_t*>(context));
        slot.word.store(slotWord(generation, kCaptured), std::memory_order_release);
        capture.answered.fetch_add(1);
        futexWake(&capture.answered);
        // Parked until the writer is done with this session or a later one.
        for (;;) {
            const uint32_t released = capture.released.load(std::memory_order_acquire);
            if (static_cast<int32_t>(released - generation) >= 0) break;
            futexWait(&capture.released, released, 0);
        }
        break;
    }
    errno = saved_errno;
}

bool parseDecimal(const char* text, pid_t* out) {
    pid_t value = 0;
    if (*text == '\0') return false;
    for (; *text != '\0'; ++text) {
        if (*text < '0' || *text > '9' || value > (INT_MAX - 9) / 10) return false;
        value = value * 10 + (*text - '0');
    }
    *out = value;
    return value > 0;
}

// The dirent layout the kernel fills for getdents64.
struct KernelDirent {
    uint64_t d_ino;
    int64_t d_off;
    unsigned short d_reclen;
    unsigned char d_type;
    char d_name[1];
};

// The thread ids in the folder, sorted with the main thread (id = process id) first.
bool listThreads(pid_t* tids, size_t* out_count) {
    size_t count = 0;
    if (::lseek(capture.task_folder, 0, SEEK_SET) != 0) return false;
    alignas(8) char buffer[4096];
    for (;;) {
        const long read = ::syscall(SYS_getdents64, capture.task_folder, buffer, sizeof buffer);
        if (read < 0 && errno == EINTR) continue;
        if (read < 0) return false;
        if (read == 0) break;
        for (long offset = 0; offset < read;) {
            const auto* entry = reinterpret_cast<const KernelDirent*>(buffer + offset);
            pid_t tid = 0;
            if (parseDecimal(entry->d_name, &tid) && count < VTCRASH_THREAD_CAPTURE_MAX_THREADS) tids[count++] = tid;
            offset += entry->d_reclen;
        }
    }
    for (size_t index = 1; index < count; ++index) {
        const pid_t tid = tids[index];
        size_t place = index;
        for (; place > 0 && tids[place - 1] > tid; --place) tids[place] = tids[place - 1];
        tids[place] = tid;
    }
    const pid_t main_thread = ::getpid();
    for (size_t index = 1; index < count; ++index) {
        if (tids[index] != main_thread) continue;
        for (size_t place = index; place > 0; --place) tids[place] = tids[place - 1];
        tids[0] = main_thread;
    }
    *out_count = count;
    return true;
}

// Whether the thread's status says it blocks the signal ("SigBlk:" and a hex mask in
// which bit n - 1 stands for signal n).
bool blocksSignal(pid_t tid, int signal) {
    char path[32] = "";
    char digits[16];
    size_t length = 0;
    for (pid_t rest = tid; rest > 0 && length < sizeof digits; rest /= 10) digits[length++] = char('0' + rest % 10);
    size_t at = 0;
    while (length > 0) path[at++] = digits[--length];
    const char kStatus[] = "/status";
    for (const char c : kStatus) path[at++] = c;

    const int fd = ::openat(capture.task_folder, path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    char status[4096];
    ssize_t filled = 0;
    for (;;) {
        const ssize_t read = ::read(fd, status + filled, sizeof status - 1 - static_cast<size_t>(filled));
        if (read < 0 && errno == EINTR) continue;
        if (read <= 0) break;
        filled += read;
    }
    ::close(fd);
    status[filled] = '\0';

    const char kKey[] = "\nSigBlk:";
    for (ssize_t index = 0; index + ssize_t(sizeof kKey) - 1 < filled; ++index) {
        size_t matched = 0;
        while (matched < sizeof kKey - 1 && status[index + ssize_t(matched)] == kKey[matched]) ++matched;
        if (matched != sizeof kKey - 1) continue;
        const char* digit = status + index + matched;
        while (*digit == '\t' || *digit == ' ') ++digit;
        uint64_t mask = 0;
        for (; (*digit >= '0' && *digit <= '9') || (*digit >= 'a' && *digit <= 'f'); ++digit) {
            mask = (mask << 4) | uint64_t(*digit <= '9' ? *digit - '0' : *digit - 'a' + 10);
        }
        return ((mask >> (signal - 1)) & 1) != 0;
    }
    return false;
}

size_t countWaiting(uint32_t generation, uint32_t count) {
    size_t waiting = 0;
    for (uint32_t index = 0; index < count; ++index) {
        const uint64_t word = capture.slots[index].word.load(std::memory_order_acquire);
        if (word == slotWord(generation, kRequested) || word == slotWord(generation, kCapturing)) ++waiting;
    }
    return waiting;
}

void abandonBlockingThreads(uint32_t generation, uint32_t count, int signal) {
    for (uint32_t index = 0; index < count; ++index) {
        Slot& slot = capture.slots[index];
        if (slot.word.load() != slotWord(generation, kRequested)) continue;
        if (!blocksSignal(slot.tid.load(std::memory_order_relaxed), signal)) continue;
        uint64_t expected = slotWord(generation, kRequested);
        slot.word.compare_exchange_strong(expected, slotWord(generation, kAbandoned));
    }
}

// After the deadline: silent threads are given up; one caught copying is waited for.
bool settleSlot(Slot& slot, uint32_t generation) {
    const uint64_t give_up = monotonicNs() + kCapturingGraceNs;
    for (;;) {
        uint64_t word = slotWord(generation, kRequested);
        if (slot.word.compare_exchange_strong(word, slotWord(generation, kAbandoned))) return false;
        if (word != slotWord(generation, kCapturing) || monotonicNs() >= give_up) {
            return word == slotWord(generation, kCaptured);
        }
        pause(kPollNs);
    }
}

bool takeSession() {
    const uint64_t give_up = monotonicNs() + VTCRASH_THREAD_CAPTURE_DEADLINE_NS;
    while (capture.busy.exchange(true, std::memory_order_acquire)) {
        if (monotonicNs() >= give_up) return false;
        pause(kPollNs * 50);
    }
    return true;
}

}  // namespace

vtcrash_error_t vtcrash_async_thread_capture_prepare() {
    static std::once_flag once;
    static vtcrash_error_t result = VTCRASH_ERR_UNKNOWN;
    std::call_once(once, [] {
        capture.task_folder = ::open("/proc/self/task", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (capture.task_folder < 0) {
            result = VTCRASH_ERR_INTERNAL;
            return;
        }
        // The highest real-time signal nobody handles yet.
        for (int signal = SIGRTMAX; signal >= SIGRTMIN; --signal) {
            struct sigaction previous {};
            if (::sigaction(signal, nullptr, &previous) != 0 || previous.sa_handler != SIG_DFL) continue;
            struct sigaction action {};
            action.sa_sigaction = captureHandler;
            action.sa_flags = SA_SIGINFO | SA_RESTART | SA_ONSTACK;
            // Nothing else runs on a parked thread, but a fault still reaches its handler.
            sigfillset(&action.sa_mask);
            for (const int fault : {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGTRAP, SIGABRT}) {
                sigdelset(&action.sa_mask, fault);
            }
            if (::sigaction(signal, &action, nullptr) != 0) continue;
            capture.signal.store(signal);
            result = VTCRASH_OK;
            return;
        }
        result = VTCRASH_ERR_NOTSUP;
    });
    return result;
}

int vtcrash_async_thread_capture_signal() { return capture.signal.load(); }

vtcrash_error_t vtcrash_async_thread_capture_begin(const vtcrash_captured_thread** out_threads, size_t* out_count) {
    const int signal = capture.signal.load();
    if (signal == 0) return VTCRASH_ERR_NOTSUP;
    if (!takeSession()) return VTCRASH_ERR_ACCESS;

    // 1. The threads, into slots of a new session.
    pid_t tids[VTCRASH_THREAD_CAPTURE_MAX_THREADS];
    size_t listed = 0;
    if (!listThreads(tids, &listed)) {
        capture.busy.store(false, std::memory_order_release);
        return VTCRASH_ERR_INTERNAL;
    }
    const auto count = static_cast<uint32_t>(listed);
    uint32_t generation = capture.generation.load() + 1;
    if (generation == 0) generation = 1;
    for (uint32_t index = 0; index < count; ++index) {
        capture.slots[index].tid.store(tids[index], std::memory_order_relaxed);
        capture.slots[index].word.store(slotWord(generation, kRequested), std::memory_order_relaxed);
        capture.threads[index].tid = tids[index];
        capture.threads[index].captured = false;
    }
    capture.slot_count.store(count, std::memory_order_release);
    capture.generation.store(generation, std::memory_order_release);

    // 2. Ask every thread but this one; a thread that has ended is given up at once.
    const pid_t self = currentThreadId();
    const pid_t process = ::getpid();
    for (uint32_t index = 0; index < count; ++index) {
        if (tids[index] == self || ::syscall(SYS_tgkill, process, tids[index], signal) != 0) {
            capture.slots[index].word.store(slotWord(generation, kAbandoned), std::memory_order_release);
        }
    }

    // 3. Wait for the answers until the deadline.
    const uint64_t start = monotonicNs();
    const uint64_t deadline = start + VTCRASH_THREAD_CAPTURE_DEADLINE_NS;
    bool checked_blocking = false;
    for (;;) {
        const uint32_t answered = capture.answered.load(std::memory_order_acquire);
        if (countWaiting(generation, count) == 0) break;
        const uint64_t now = monotonicNs();
        if (now >= deadline) break;
        if (!checked_blocking && now - start >= kBlockedCheckNs) {
            abandonBlockingThreads(generation, count, signal);
            checked_blocking = true;
            continue;
        }
        const uint64_t until = checked_blocking ? deadline : start + kBlockedCheckNs;
        futexWait(&capture.answered, answered, until - now);
    }
    for (uint32_t index = 0; index < count; ++index) {
        if (tids[index] != self) capture.threads[index].captured = settleSlot(capture.slots[index], generation);
    }

    *out_threads = capture.threads;
    *out_count = count;
    return VTCRASH_OK;
}

void vtcrash_async_thread_capture_end() {
    capture.released.store(capture.generation.load(), std::memory_order_release);
    futexWake(&capture.released);
    capture.busy.store(false, std::memory_order_release);
}
