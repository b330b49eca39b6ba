#include <atomic>
#include <cstdlib>
#include <new>

#include <gtest/gtest.h>

#include "foundation/capturing_event_log_sink.h"
#include "foundation/diagnostic_log.h"
#include "base/system_error.h"

// Counts every allocation of this test program, so a test can prove that a code path
// allocates nothing.
namespace {
std::atomic<long> allocationCount{0};
}  // namespace

void* operator new(std::size_t size) {
    ++allocationCount;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace vlt {
namespace {

TEST(DisabledLevelTest, WritersNeitherFormatNorAllocate) {
    ScopedCapturingEventLog log;
    log->setLevelEnabled(EventLogLevel::standard, false);
    log->setLevelEnabled(EventLogLevel::error, false);
    const SystemError error(EIO, "write", "/tmp/settings.json");
    const QUuid operation = QUuid::createUuid();

    const long before = allocationCount.load();
    DiagnosticLog::stillImageSaveFailed(operation, 12, error);
    DiagnosticLog::importStarted(operation, ImageImportOrigin::drop);
    DiagnosticLog::previousCrashCaptured("report");
    DiagnosticLog::settingsLoadFailed(error);
    const long after = allocationCount.load();

    EXPECT_EQ(after - before, 0);
    EXPECT_EQ(log->count(), 0u);
}

}  // namespace
}  // namespace vlt
