// Exported, out-of-line functions whose bounds the tests take from the loader, and a
// variable in the object's last segment.
#include <atomic>
#include <pthread.h>
#include <sched.h>

extern "C" {

int vtcrash_test_object_counter;

// Waits in the function itself until the gate is set, telling every round by setting
// `inside`.
[[gnu::noinline]] void vtcrash_test_object_wait_a(std::atomic<int>* gate, std::atomic<int>* inside) {
    while (gate->load() == 0) {
        inside->store(1);
        sched_yield();
        __atomic_fetch_add(&vtcrash_test_object_counter, 1, __ATOMIC_RELAXED);
    }
}

// Never returns: the thread ends here once the gate is set.
[[noreturn, gnu::noinline]] void vtcrash_test_object_stay(std::atomic<int>* gate, std::atomic<int>* inside) {
    while (gate->load() == 0) {
        inside->store(1);
        sched_yield();
    }
    pthread_exit(nullptr);
}

// Its last instruction is the call, so the return address lies just past its end.
[[gnu::noinline]] void vtcrash_test_object_wait_d(std::atomic<int>* gate, std::atomic<int>* inside) {
    vtcrash_test_object_stay(gate, inside);
}
}
