#include "crash_capture/vt_crash_thread_signal_stacks.h"

#include <cerrno>
#include <csignal>
#include <dlfcn.h>
#include <new>
#include <pthread.h>

#include "base/alternate_signal_stack.h"

namespace {

using ThreadStart = void* (*)(void*);
using CreateThread = int (*)(pthread_t*, const pthread_attr_t*, ThreadStart, void*);

struct Launch {
    ThreadStart start;
    void* argument;
};

void* startWithSignalStack(void* data) {
    const Launch launch = *static_cast<Launch*>(data);
    delete static_cast<Launch*>(data);
    stack_t current{};
    const bool hasStack = ::sigaltstack(nullptr, &current) == 0 && (current.ss_flags & SS_DISABLE) == 0;
    if (!hasStack) vlt::AlternateSignalStack::installForCurrentThread();
    return launch.start(launch.argument);
}

CreateThread libraryCreateThread() {
    static const auto create = reinterpret_cast<CreateThread>(::dlsym(RTLD_NEXT, "pthread_create"));
    return create;
}

}  // namespace

extern "C" int pthread_create(pthread_t* thread, const pthread_attr_t* attributes, ThreadStart start, void* argument) {
    const CreateThread create = libraryCreateThread();
    if (create == nullptr) return EAGAIN;
    auto* launch = new (std::nothrow) Launch{start, argument};
    if (launch == nullptr) return EAGAIN;
    const int created = create(thread, attributes, startWithSignalStack, launch);
    if (created != 0) delete launch;
    return created;
}

namespace vlt {

bool VTCrashThreadSignalStacks::areGivenToNewThreads() {
    return ::dlsym(RTLD_DEFAULT, "pthread_create") == reinterpret_cast<void*>(&::pthread_create);
}

}  // namespace vlt
