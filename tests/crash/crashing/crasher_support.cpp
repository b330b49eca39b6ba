#include "crash/crashing/crasher.h"

#include <chrono>
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

#include "crash/capture/vt_crash_reporter.h"

extern char** environ;

namespace vlt::testing {

int runCrasher(const std::string& kind, const std::string& basePath) {
    const std::string program = VTCRASH_CRASHER;
    char* const arguments[] = {const_cast<char*>(program.c_str()), const_cast<char*>(kind.c_str()),
                               const_cast<char*>(basePath.c_str()), nullptr};
    pid_t child = 0;
    if (::posix_spawn(&child, program.c_str(), nullptr, nullptr, arguments, environ) != 0) return 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return WIFSIGNALED(status) ? WTERMSIG(status) : 0;
}

std::filesystem::path crashLogPath(const std::string& basePath) {
    VTCrashReporterConfig configuration;
    configuration.basePath = basePath;
    return VTCrashReporter::forApplication(configuration).crashReportPath();
}

}  // namespace vlt::testing
