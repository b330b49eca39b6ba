#pragma once

#include <span>
#include <string>
#include <string_view>

#include "foundation/event_log_sink.h"

namespace vlt {

// Every event that the system writes. The order is that of the catalogue table.
enum class DiagnosticEvent {
    sessionStarted,
    sessionEnded,
    languageRelaunchFailed,
    openPanelStarted,
    openPanelFinished,
    importStarted,
    importSucceeded,
    importCancelled,
    importFailed,
    openRequestSuperseded,
    editorPreparationStarted,
    editorPreparationSucceeded,
    editorPreparationCancelled,
    editorPreparationFailed,
    editorGraphicsFailed,
    settingsLoadFailed,
    settingsSaveFailed,
    feedbackIdentityFailed,
    feedbackSubmissionStarted,
    feedbackSubmissionSucceeded,
    feedbackSubmissionFailed,
    stillImageSaveStarted,
    stillImageSaveSucceeded,
    stillImageSaveCancelled,
    stillImageSaveFailed,
    stillImageFolderSyncFailed,
    shareImageStarted,
    shareImageSucceeded,
    shareImageCancelled,
    shareImageFailed,
    animationVideoSaveStarted,
    animationVideoSaveSucceeded,
    animationVideoSaveCancelled,
    animationVideoSaveFailed,
    printStarted,
    printSucceeded,
    printCancelled,
    printFailed,
    previousCrashCaptured,
    crashReporterEnabled,
    crashReporterSkipped,
    crashReporterFailed,
    crashReportDiscarded,
    startupUpdateCheckStarted,
    startupUpdateCheckFailed,
};

// The keys an event line can carry, in the one order in which lines carry them.
enum class EventKey {
    sessionId,
    operationId,
    origin,
    outcome,
    reportId,
    version,
    build,
    configuration,
    processId,
    osVersion,
    // Not a value: the fixed text "reason=debugger_attached".
    reasonDebuggerAttached,
    elapsedMs,
    errorType,
    errorDomain,
    errorCode,
    failureCode,
};

struct EventDescriptor {
    DiagnosticEvent event;
    std::string_view name;
    EventLogCategory category;
    EventLogLevel level;
    std::span<const EventKey> keys;
};

// The whole catalogue, in the order of DiagnosticEvent.
std::span<const EventDescriptor> eventCatalogue();
const EventDescriptor& eventDescriptor(DiagnosticEvent event);

// "session_id", "elapsed_ms", ...; the fixed reason reads "reason".
std::string_view eventKeyName(EventKey key);

// The event's line format with the platform log's value directives, for example
// "print_started session_id=%{public}s operation_id=%{public}s". Written lines carry
// the values in place of the directives.
std::string eventFormat(DiagnosticEvent event);

}  // namespace vlt
