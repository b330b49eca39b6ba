#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <QUuid>

#include "foundation/diagnostic_error_summary.h"
#include "base/error.h"
#include "foundation/event_catalogue.h"
#include "foundation/image_import_origin.h"

namespace vlt {

// The values that session_started reports about the running process.
struct SessionStartFacts {
    std::string version;
    std::string build;
    std::string configuration;
    std::int32_t processId = 0;
    std::string osVersion;

    // Version and build of this build, "Release", this process and the running system.
    static SessionStartFacts current();
};

// The values of one event line. Each writer fills exactly the fields that its
// event's keys need; pointers keep the call free of copies until the line is built.
struct EventValues {
    const QUuid* operationId = nullptr;
    std::optional<ImageImportOrigin> origin;
    std::optional<bool> selected;
    std::string_view reportId;
    std::string_view failureCode;
    std::optional<std::int64_t> elapsedMilliseconds;
    const Error* error = nullptr;
    const DiagnosticErrorSummary* summary = nullptr;
    const SessionStartFacts* sessionFacts = nullptr;

    // The referenced values must outlive the write; writers pass their own arguments.
    EventValues& withOperationId(const QUuid& value) {
        operationId = &value;
        return *this;
    }
    EventValues& withOrigin(ImageImportOrigin value) {
        origin = value;
        return *this;
    }
    EventValues& withSelected(bool value) {
        selected = value;
        return *this;
    }
    EventValues& withReportId(std::string_view value) {
        reportId = value;
        return *this;
    }
    EventValues& withFailureCode(std::string_view value) {
        failureCode = value;
        return *this;
    }
    EventValues& withElapsedMilliseconds(std::int64_t value) {
        elapsedMilliseconds = value;
        return *this;
    }
    EventValues& withError(const Error& value) {
        error = &value;
        return *this;
    }
    EventValues& withSummary(const DiagnosticErrorSummary& value) {
        summary = &value;
        return *this;
    }
    EventValues& withSessionFacts(const SessionStartFacts& value) {
        sessionFacts = &value;
        return *this;
    }
};

// The event log's writers, one per event, callable from any thread. Writing never
// fails in a way the caller sees, and an event whose level is disabled is neither
// formatted nor allocated.
class DiagnosticLog {
public:
    DiagnosticLog() = delete;

    // The session identifier: a random UUID in lower case, made once per process.
    static const std::string& sessionID();
    // An operation's identifier as logged: upper-case hyphenated, 36 characters.
    static std::string operationIDText(const QUuid& operationId);
    // The system uptime in seconds when the session began.
    static double launchUptime();
    static bool isSessionActive();

    // Builds and writes one event line through the installed sink.
    static void writeEvent(DiagnosticEvent event, const EventValues& values);

    // Lifecycle.
    static void sessionStarted();
    static void sessionEnded();
    // The caller has already summarised the error (it may no longer hold it).
    static void languageRelaunchFailed(const DiagnosticErrorSummary& summary);
    static void languageRelaunchFailed(const Error& error);

    // Image import.
    static void openPanelStarted(const QUuid& operationId);
    static void openPanelFinished(const QUuid& operationId, bool selected);
    static void importStarted(const QUuid& operationId, ImageImportOrigin origin);
    static void importSucceeded(const QUuid& operationId, ImageImportOrigin origin);
    static void importCancelled(const QUuid& operationId, ImageImportOrigin origin);
    static void importFailed(const QUuid& operationId, ImageImportOrigin origin, const Error& error);
    static void openRequestSuperseded(ImageImportOrigin origin);

    // Editor.
    static void editorPreparationStarted(const QUuid& operationId);
    static void editorPreparationSucceeded(const QUuid& operationId);
    static void editorPreparationCancelled(const QUuid& operationId);
    static void editorPreparationFailed(const QUuid& operationId, const Error& error);
    static void editorGraphicsFailed(const Error& error);

    // Settings.
    static void settingsLoadFailed(const Error& error);
    static void settingsSaveFailed(const Error& error);

    // Feedback.
    static void feedbackIdentityFailed(const Error& error);
    static void feedbackSubmissionStarted(const QUuid& operationId);
    static void feedbackSubmissionSucceeded(const QUuid& operationId, std::int64_t elapsedMilliseconds);
    static void feedbackSubmissionFailed(const QUuid& operationId, std::int64_t elapsedMilliseconds,
                                         const Error& error);

    // Output.
    static void stillImageSaveStarted(const QUuid& operationId);
    static void stillImageSaveSucceeded(const QUuid& operationId, std::int64_t elapsedMilliseconds);
    static void stillImageSaveCancelled(const QUuid& operationId, std::int64_t elapsedMilliseconds);
    static void stillImageSaveFailed(const QUuid& operationId, std::int64_t elapsedMilliseconds, const Error& error);
    // The files are published, but the folder holding their names could not be synced.
    static void stillImageFolderSyncFailed(const QUuid& operationId, const Error& error);
    static void shareImageStarted(const QUuid& operationId);
    static void shareImageSucceeded(const QUuid& operationId, std::int64_t elapsedMilliseconds);
    static void shareImageCancelled(const QUuid& operationId, std::int64_t elapsedMilliseconds);
    static void shareImageFailed(const QUuid& operationId, std::int64_t elapsedMilliseconds, const Error& error);
    static void animationVideoSaveStarted(const QUuid& operationId);
    static void animationVideoSaveSucceeded(const QUuid& operationId, std::int64_t elapsedMilliseconds);
    static void animationVideoSaveCancelled(const QUuid& operationId, std::int64_t elapsedMilliseconds);
    static void animationVideoSaveFailed(const QUuid& operationId, std::int64_t elapsedMilliseconds,
                                         const Error& error);
    static void printStarted(const QUuid& operationId);
    static void printSucceeded(const QUuid& operationId, std::int64_t elapsedMilliseconds);
    static void printCancelled(const QUuid& operationId, std::int64_t elapsedMilliseconds);
    static void printFailed(const QUuid& operationId, std::int64_t elapsedMilliseconds, const Error& error);

    // Crash reporting.
    static void previousCrashCaptured(std::string_view reportId);
    static void crashReporterEnabled();
    static void crashReporterSkipped();
    // failureCode is one of the fixed texts "initialization_failed",
    // "pending_report_invalid", "identity_failed", "enable_failed", "purge_failed".
    static void crashReporterFailed(std::string_view failureCode);
    static void crashReportDiscarded();

    // Updates.
    static void startupUpdateCheckStarted();
    static void startupUpdateCheckFailed(const Error& error);
};

// Appends a value to an event line. Control characters, line separators and bytes
// that are not UTF-8 are escaped ("\n", "\r", "\t", "\xHH", "\u2028"), so that a
// value can neither end its line nor forge another event; blanks and "=" stay.
void appendEventLogValue(std::string& line, std::string_view value);

}  // namespace vlt
