#include <unistd.h>

#include <gtest/gtest.h>

#include "foundation/capturing_event_log_sink.h"
#include "foundation/diagnostic_session.h"
#include "foundation/elapsed_milliseconds.h"

namespace vlt {
namespace {

TEST(DiagnosticSessionTest, StartedAndEndedAreWrittenOnceEach) {
    ScopedCapturingEventLog log;
    ManualClock clock(100.0);
    DiagnosticSession session(clock);
    session.end();
    EXPECT_EQ(log->count(), 0u) << "no end without a start";

    session.start();
    session.start();
    EXPECT_TRUE(session.isActive());
    const auto started = log->eventsNamed("session_started");
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].value("configuration"), "Release");
    EXPECT_EQ(started[0].value("process_id"), std::to_string(::getpid()));
    EXPECT_NE(started[0].value("version"), "unknown");
    EXPECT_FALSE(started[0].value("os_version")->empty());

    clock.advance(12.3459);
    session.end();
    session.end();
    EXPECT_FALSE(session.isActive());
    const auto ended = log->eventsNamed("session_ended");
    ASSERT_EQ(ended.size(), 1u);
    EXPECT_EQ(ended[0].value("elapsed_ms"), "12345") << "whole milliseconds since launch";
}

TEST(DiagnosticSessionTest, DisabledLevelStillStartsTheSession) {
    ScopedCapturingEventLog log;
    log->setLevelEnabled(EventLogLevel::standard, false);
    ManualClock clock;
    DiagnosticSession session(clock);
    session.start();
    EXPECT_TRUE(session.isActive());
    EXPECT_EQ(log->count(), 0u);
}

// Nearest or whole milliseconds since a start, never below zero, on the system clock
// unless told otherwise.
TEST(ElapsedMillisecondsTest, RoundsOrTruncatesAndNeverGoesBelowZero) {
    ManualClock clock(10.0);
    EXPECT_EQ(elapsedMilliseconds(10.0 - 0.0004, clock), 0);
    EXPECT_EQ(elapsedMilliseconds(10.0 - 0.0006, clock), 1);
    EXPECT_EQ(elapsedMilliseconds(10.0 - 2.4996, clock), 2500);
    EXPECT_EQ(elapsedMilliseconds(11.0, clock), 0);
    EXPECT_EQ(wholeElapsedMilliseconds(10.0 - 2.4996, clock), 2499);
    EXPECT_EQ(wholeElapsedMilliseconds(10.5, clock), 0);
    EXPECT_GE(elapsedMilliseconds(SystemClock::shared().uptimeSeconds() - 1.0), 1000);
}

}  // namespace
}  // namespace vlt
