#include <cstdlib>

#include <gtest/gtest.h>

#include "foundation/diagnostic_log.h"
#include "foundation/event_log.h"
#include "foundation/stderr_event_log_sink.h"
#include "platform/log/journal_event_log_sink.h"

namespace vlt {
namespace {

TEST(JournalEventLogSinkTest, SystemSinkIsTheJournalOnlyWhereOneRunsAndStandardErrorIsNotAskedFor) {
    for (const char* choice : {"journal", "stderr"}) {
        ::setenv(kEventLogVariable, choice, 1);
        const auto sink = makeSystemEventLogSink();
        const bool isJournal = dynamic_cast<JournalEventLogSink*>(sink.get()) != nullptr;
        EXPECT_EQ(isJournal, choice[0] == 'j' && JournalEventLogSink::isJournalAvailable()) << choice;
        EXPECT_EQ(!isJournal, dynamic_cast<StderrEventLogSink*>(sink.get()) != nullptr);
    }
    ::unsetenv(kEventLogVariable);
}

TEST(JournalEventLogSinkTest, InstalledSinkTakesEventsOfEveryLevel) {
    const auto previous = EventLog::sink();
    installSystemEventLog();
    const auto installed = EventLog::sink();
    EXPECT_NE(installed, previous);
    EXPECT_TRUE(installed->isEnabled(EventLogCategory::settings, EventLogLevel::error));
    EXPECT_TRUE(installed->isEnabled(EventLogCategory::output, EventLogLevel::standard));
    // Reaches the journal or, without one, standard error; either way it returns.
    DiagnosticLog::crashReporterFailed("journal_sink_test");
    EventLog::install(previous);
}

}  // namespace
}  // namespace vlt
