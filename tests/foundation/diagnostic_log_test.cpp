#include <cerrno>
#include <functional>
#include <regex>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "foundation/capturing_event_log_sink.h"
#include "foundation/diagnostic_log.h"
#include "foundation/event_log.h"
#include "base/system_error.h"

namespace vlt {
namespace {

using ::testing::MatchesRegex;

const QUuid kOperation = QUuid::fromString(QStringLiteral("{0f8e2a7c-41b3-4c55-9a0d-3e6b1f2c9d84}"));
constexpr const char* kOperationText = "0F8E2A7C-41B3-4C55-9A0D-3E6B1F2C9D84";

class CorruptImageFailure final : public Failure {
public:
    std::string typeName() const override { return "ImageImportFailure"; }
    std::int64_t code() const override { return 1; }
    std::string diagnosticCode() const override { return "corrupted-image"; }
};

// An error whose texts come from outside and may hold anything.
class ForeignError final : public Error {
public:
    ForeignError(std::string type, std::string domain) : type_(std::move(type)), domain_(std::move(domain)) {}
    std::string typeName() const override { return type_; }
    std::string domain() const override { return domain_; }
    std::int64_t code() const override { return -7; }

private:
    std::string type_;
    std::string domain_;
};

std::string sessionPart() { return "session_id=" + DiagnosticLog::sessionID(); }

// The keys of a written line in order ("name key=... key=..."), values ignored.
std::vector<std::string> keysOf(const std::string& line) {
    static const std::regex key(" ([a-z_]+)=");
    std::vector<std::string> keys;
    for (auto it = std::sregex_iterator(line.begin(), line.end(), key); it != std::sregex_iterator(); ++it) {
        keys.push_back((*it)[1]);
    }
    return keys;
}

std::vector<std::string> keysOf(const EventDescriptor& descriptor) {
    std::vector<std::string> keys;
    for (EventKey key : descriptor.keys) keys.emplace_back(eventKeyName(key));
    return keys;
}

// Each line is the event name, the session and then the event's own fields.
TEST(DiagnosticLogLineTest, EventShapes) {
    const std::string operation = " operation_id=" + std::string(kOperationText);
    struct Case {
        std::function<void()> write;
        std::string name;
        std::string fields;
    };
    const Case cases[] = {
        {[] { DiagnosticLog::shareImageCancelled(kOperation, 987654321012LL); }, "share_image_cancelled",
         operation + " elapsed_ms=987654321012"},
        {[] { DiagnosticLog::stillImageSaveFailed(kOperation, 1234, SystemError(ENOSPC, "write")); },
         "still_image_save_failed",
         operation +
             " elapsed_ms=1234 error_type=SystemError error_domain=POSIX error_code=28 failure_code=unexpected"},
        {[] { DiagnosticLog::openPanelFinished(kOperation, false); }, "open_panel_finished",
         operation + " outcome=cancelled"},
        {[] { DiagnosticLog::importStarted(kOperation, ImageImportOrigin::drop); }, "import_started",
         operation + " origin=drop"},
        {[] { DiagnosticLog::importFailed(kOperation, ImageImportOrigin::openPanel, CorruptImageFailure()); },
         "import_failed",
         operation + " origin=open-panel error_type=ImageImportFailure error_domain=VltMac.ImageImportFailure"
                     " error_code=1 failure_code=corrupted-image"},
        {[] { DiagnosticLog::languageRelaunchFailed(DiagnosticErrorSummary("SystemError", "POSIX", 2, "unexpected")); },
         "language_relaunch_failed", " error_type=SystemError error_domain=POSIX error_code=2 failure_code=unexpected"},
        {[] { DiagnosticLog::crashReporterSkipped(); }, "crash_reporter_skipped", " reason=debugger_attached"},
        {[] { DiagnosticLog::previousCrashCaptured("A1B2-report"); }, "previous_crash_captured",
         " report_id=A1B2-report"},
        // Values from outside keep blanks and equal signs; control characters cannot
        // split the line or forge another event; text stays readable.
        {[] { DiagnosticLog::settingsSaveFailed(ForeignError("Odd Type", "a=b c")); }, "settings_save_failed",
         " error_type=Odd Type error_domain=a=b c error_code=-7 failure_code=unexpected"},
        {[] { DiagnosticLog::previousCrashCaptured("r1\nimport_succeeded session_id=x\r\t\x01\x7f"); },
         "previous_crash_captured", " report_id=r1\\nimport_succeeded session_id=x\\r\\t\\x01\\x7F"},
        {[] { DiagnosticLog::crashReporterFailed("é\u2028日本\xc2\x85\xff\xe2\x82"); }, "crash_reporter_failed",
         " failure_code=é\\u2028日本\\u0085\\xFF\\xE2\\x82"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedCapturingEventLog log;
        c.write();
        ASSERT_EQ(log->count(), 1u);
        EXPECT_EQ(log->lastEvent()->line, c.name + " " + sessionPart() + c.fields);
    }
}

TEST(DiagnosticLogIdentifierTest, SessionIdIsLowerCaseAndOperationIdUpperCase) {
    ScopedCapturingEventLog log;
    DiagnosticLog::editorPreparationStarted(QUuid::createUuid());
    DiagnosticLog::editorPreparationCancelled(QUuid::createUuid());
    const auto events = log->events();
    ASSERT_EQ(events.size(), 2u);
    for (const CapturedEvent& event : events) {
        EXPECT_THAT(*event.value("session_id"),
                    MatchesRegex("[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}"));
        EXPECT_THAT(*event.value("operation_id"),
                    MatchesRegex("[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}"));
    }
    EXPECT_EQ(events[0].value("session_id"), events[1].value("session_id"));
    EXPECT_NE(events[0].value("operation_id"), events[1].value("operation_id"));
    EXPECT_EQ(DiagnosticLog::operationIDText(kOperation), kOperationText);
}

// Calling every writer once must give exactly the catalogue: each event once, with
// its own category, level and keys in the catalogue's order; failures are errors.
TEST(EventCatalogueTest, EveryWriterWritesItsCatalogueEntry) {
    ScopedCapturingEventLog log;
    const SystemError error(EPERM);
    const QUuid id = kOperation;
    const auto origin = ImageImportOrigin::openPanel;
    DiagnosticLog::writeEvent(DiagnosticEvent::sessionStarted,
                              EventValues().withSessionFacts(SessionStartFacts::current()));
    DiagnosticLog::writeEvent(DiagnosticEvent::sessionEnded, EventValues().withElapsedMilliseconds(5));
    DiagnosticLog::languageRelaunchFailed(error);
    DiagnosticLog::openPanelStarted(id);
    DiagnosticLog::openPanelFinished(id, true);
    DiagnosticLog::importStarted(id, origin);
    DiagnosticLog::importSucceeded(id, origin);
    DiagnosticLog::importCancelled(id, origin);
    DiagnosticLog::importFailed(id, origin, error);
    DiagnosticLog::openRequestSuperseded(origin);
    DiagnosticLog::editorPreparationStarted(id);
    DiagnosticLog::editorPreparationSucceeded(id);
    DiagnosticLog::editorPreparationCancelled(id);
    DiagnosticLog::editorPreparationFailed(id, error);
    DiagnosticLog::editorGraphicsFailed(error);
    DiagnosticLog::settingsLoadFailed(error);
    DiagnosticLog::settingsSaveFailed(error);
    DiagnosticLog::feedbackIdentityFailed(error);
    DiagnosticLog::feedbackSubmissionStarted(id);
    DiagnosticLog::feedbackSubmissionSucceeded(id, 1);
    DiagnosticLog::feedbackSubmissionFailed(id, 1, error);
    DiagnosticLog::stillImageSaveStarted(id);
    DiagnosticLog::stillImageSaveSucceeded(id, 1);
    DiagnosticLog::stillImageSaveCancelled(id, 1);
    DiagnosticLog::stillImageSaveFailed(id, 1, error);
    DiagnosticLog::stillImageFolderSyncFailed(id, error);
    DiagnosticLog::shareImageStarted(id);
    DiagnosticLog::shareImageSucceeded(id, 1);
    DiagnosticLog::shareImageCancelled(id, 1);
    DiagnosticLog::shareImageFailed(id, 1, error);
    DiagnosticLog::animationVideoSaveStarted(id);
    DiagnosticLog::animationVideoSaveSucceeded(id, 1);
    DiagnosticLog::animationVideoSaveCancelled(id, 1);
    DiagnosticLog::animationVideoSaveFailed(id, 1, error);
    DiagnosticLog::printStarted(id);
    DiagnosticLog::printSucceeded(id, 1);
    DiagnosticLog::printCancelled(id, 1);
    DiagnosticLog::printFailed(id, 1, error);
    DiagnosticLog::previousCrashCaptured("report");
    DiagnosticLog::crashReporterEnabled();
    DiagnosticLog::crashReporterSkipped();
    DiagnosticLog::crashReporterFailed("enable_failed");
    DiagnosticLog::crashReportDiscarded();
    DiagnosticLog::startupUpdateCheckStarted();
    DiagnosticLog::startupUpdateCheckFailed(error);

    const auto events = log->events();
    const auto catalogue = eventCatalogue();
    ASSERT_EQ(events.size(), catalogue.size());
    for (std::size_t index = 0; index < events.size(); ++index) {
        const EventDescriptor& expected = catalogue[index];
        EXPECT_EQ(events[index].name(), expected.name);
        EXPECT_EQ(events[index].category, expected.category) << expected.name;
        EXPECT_EQ(events[index].level, expected.level) << expected.name;
        EXPECT_EQ(expected.level, expected.name.ends_with("_failed") ? EventLogLevel::error : EventLogLevel::standard)
            << expected.name;
        EXPECT_EQ(keysOf(events[index].line), keysOf(expected)) << events[index].line;
    }
}

}  // namespace
}  // namespace vlt
