#pragma once

namespace vlt {

// Every thread of the process gets an alternate signal stack before it runs anything of
// its own, whoever starts it: oneTBB's workers, libvips', Qt's pools and ours alike. This
// file defines pthread_create for the whole program (the libraries bind to the program's
// definition), which hands each new thread to the C library with a first step that
// installs the stack, so a thread that overflows its own stack still runs the crash
// handler. A thread that already has a stack (one a sanitizer gave it) keeps it.
class VTCrashThreadSignalStacks {
public:
    // Whether threads created from now on are given their stack: this program's
    // pthread_create is the one the process uses. Capture asks when it is enabled, which
    // also keeps the wrapper in every program that enables capture.
    static bool areGivenToNewThreads();
};

}  // namespace vlt
