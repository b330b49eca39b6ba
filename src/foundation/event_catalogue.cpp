#include "foundation/event_catalogue.h"

#include <array>

namespace vlt {

namespace {

using K = EventKey;
using C = EventLogCategory;

// The shapes that events share; an event's own keys sit between operation_id and elapsed_ms.
constexpr EventKey kSession[] = {K::sessionId};
constexpr EventKey kSessionFailure[] = {K::sessionId, K::errorType, K::errorDomain, K::errorCode, K::failureCode};
constexpr EventKey kOperation[] = {K::sessionId, K::operationId};
constexpr EventKey kOperationFinished[] = {K::sessionId, K::operationId, K::elapsedMs};
constexpr EventKey kOperationFailed[] = {K::sessionId,   K::operationId, K::elapsedMs,  K::errorType,
                                         K::errorDomain, K::errorCode,   K::failureCode};
constexpr EventKey kOperationFailedNoElapsed[] = {K::sessionId,   K::operationId, K::errorType,
                                                  K::errorDomain, K::errorCode,   K::failureCode};
constexpr EventKey kImport[] = {K::sessionId, K::operationId, K::origin};
constexpr EventKey kImportFailed[] = {K::sessionId,   K::operationId, K::origin,     K::errorType,
                                      K::errorDomain, K::errorCode,   K::failureCode};
constexpr EventKey kSessionOrigin[] = {K::sessionId, K::origin};
constexpr EventKey kOpenPanelFinished[] = {K::sessionId, K::operationId, K::outcome};
constexpr EventKey kSessionStarted[] = {K::sessionId,     K::version,   K::build,
                                        K::configuration, K::processId, K::osVersion};
constexpr EventKey kSessionEnded[] = {K::sessionId, K::elapsedMs};
constexpr EventKey kReport[] = {K::sessionId, K::reportId};
constexpr EventKey kReporterSkipped[] = {K::sessionId, K::reasonDebuggerAttached};
constexpr EventKey kReporterFailed[] = {K::sessionId, K::failureCode};

// Failures are written at the error level, everything else at the default level.
constexpr EventLogLevel levelOf(std::string_view name) {
    return name.ends_with("_failed") ? EventLogLevel::error : EventLogLevel::standard;
}

#define VLT_EVENT(id, name, category, keys) \
    EventDescriptor { DiagnosticEvent::id, name, category, levelOf(name), keys }

constexpr std::array kCatalogue = {
    VLT_EVENT(sessionStarted, "session_started", C::lifecycle, kSessionStarted),
    VLT_EVENT(sessionEnded, "session_ended", C::lifecycle, kSessionEnded),
    VLT_EVENT(languageRelaunchFailed, "language_relaunch_failed", C::lifecycle, kSessionFailure),
    VLT_EVENT(openPanelStarted, "open_panel_started", C::imageImport, kOperation),
    VLT_EVENT(openPanelFinished, "open_panel_finished", C::imageImport, kOpenPanelFinished),
    VLT_EVENT(importStarted, "import_started", C::imageImport, kImport),
    VLT_EVENT(importSucceeded, "import_succeeded", C::imageImport, kImport),
    VLT_EVENT(importCancelled, "import_cancelled", C::imageImport, kImport),
    VLT_EVENT(importFailed, "import_failed", C::imageImport, kImportFailed),
    // An image waiting for the unsaved-changes answer gave way to a file handed over
    // since; origin tells how the image that gave way was chosen.
    VLT_EVENT(openRequestSuperseded, "open_request_superseded", C::imageImport, kSessionOrigin),
    VLT_EVENT(editorPreparationStarted, "editor_preparation_started", C::editor, kOperation),
    VLT_EVENT(editorPreparationSucceeded, "editor_preparation_succeeded", C::editor, kOperation),
    VLT_EVENT(editorPreparationCancelled, "editor_preparation_cancelled", C::editor, kOperation),
    VLT_EVENT(editorPreparationFailed, "editor_preparation_failed", C::editor, kOperationFailedNoElapsed),
    VLT_EVENT(editorGraphicsFailed, "editor_graphics_failed", C::editor, kSessionFailure),
    VLT_EVENT(settingsLoadFailed, "settings_load_failed", C::settings, kSessionFailure),
    VLT_EVENT(settingsSaveFailed, "settings_save_failed", C::settings, kSessionFailure),
    VLT_EVENT(feedbackIdentityFailed, "feedback_identity_failed", C::feedback, kSessionFailure),
    VLT_EVENT(feedbackSubmissionStarted, "feedback_submission_started", C::feedback, kOperation),
    VLT_EVENT(feedbackSubmissionSucceeded, "feedback_submission_succeeded", C::feedback, kOperationFinished),
    VLT_EVENT(feedbackSubmissionFailed, "feedback_submission_failed", C::feedback, kOperationFailed),
    VLT_EVENT(stillImageSaveStarted, "still_image_save_started", C::output, kOperation),
    VLT_EVENT(stillImageSaveSucceeded, "still_image_save_succeeded", C::output, kOperationFinished),
    VLT_EVENT(stillImageSaveCancelled, "still_image_save_cancelled", C::output, kOperationFinished),
    VLT_EVENT(stillImageSaveFailed, "still_image_save_failed", C::output, kOperationFailed),
    VLT_EVENT(stillImageFolderSyncFailed, "still_image_folder_sync_failed", C::output, kOperationFailedNoElapsed),
    VLT_EVENT(shareImageStarted, "share_image_started", C::output, kOperation),
    VLT_EVENT(shareImageSucceeded, "share_image_succeeded", C::output, kOperationFinished),
    VLT_EVENT(shareImageCancelled, "share_image_cancelled", C::output, kOperationFinished),
    VLT_EVENT(shareImageFailed, "share_image_failed", C::output, kOperationFailed),
    VLT_EVENT(animationVideoSaveStarted, "animation_video_save_started", C::output, kOperation),
    VLT_EVENT(animationVideoSaveSucceeded, "animation_video_save_succeeded", C::output, kOperationFinished),
    VLT_EVENT(animationVideoSaveCancelled, "animation_video_save_cancelled", C::output, kOperationFinished),
    VLT_EVENT(animationVideoSaveFailed, "animation_video_save_failed", C::output, kOperationFailed),
    VLT_EVENT(printStarted, "print_started", C::output, kOperation),
    VLT_EVENT(printSucceeded, "print_succeeded", C::output, kOperationFinished),
    VLT_EVENT(printCancelled, "print_cancelled", C::output, kOperationFinished),
    VLT_EVENT(printFailed, "print_failed", C::output, kOperationFailed),
    VLT_EVENT(previousCrashCaptured, "previous_crash_captured", C::crashReporting, kReport),
    VLT_EVENT(crashReporterEnabled, "crash_reporter_enabled", C::crashReporting, kSession),
    VLT_EVENT(crashReporterSkipped, "crash_reporter_skipped", C::crashReporting, kReporterSkipped),
    VLT_EVENT(crashReporterFailed, "crash_reporter_failed", C::crashReporting, kReporterFailed),
    VLT_EVENT(crashReportDiscarded, "crash_report_discarded", C::crashReporting, kSession),
    VLT_EVENT(startupUpdateCheckStarted, "startup_update_check_started", C::updates, kSession),
    VLT_EVENT(startupUpdateCheckFailed, "startup_update_check_failed", C::updates, kSessionFailure),
};

#undef VLT_EVENT

constexpr bool catalogueFollowsEnumeration() {
    for (std::size_t index = 0; index < kCatalogue.size(); ++index) {
        if (static_cast<std::size_t>(kCatalogue[index].event) != index) return false;
    }
    return kCatalogue.size() == static_cast<std::size_t>(DiagnosticEvent::startupUpdateCheckFailed) + 1;
}
static_assert(catalogueFollowsEnumeration(), "the catalogue lists every event once, in enumeration order");

std::string_view valueDirective(EventKey key) {
    switch (key) {
    case K::elapsedMs:
    case K::errorCode:
        return "%{public}ld";
    case K::processId:
        return "%{public}d";
    default:
        return "%{public}s";
    }
}

}  // namespace

std::span<const EventDescriptor> eventCatalogue() { return kCatalogue; }

const EventDescriptor& eventDescriptor(DiagnosticEvent event) { return kCatalogue[static_cast<std::size_t>(event)]; }

std::string_view eventKeyName(EventKey key) {
    switch (key) {
    case K::sessionId:
        return "session_id";
    case K::operationId:
        return "operation_id";
    case K::origin:
        return "origin";
    case K::outcome:
        return "outcome";
    case K::reportId:
        return "report_id";
    case K::version:
        return "version";
    case K::build:
        return "build";
    case K::configuration:
        return "configuration";
    case K::processId:
        return "process_id";
    case K::osVersion:
        return "os_version";
    case K::reasonDebuggerAttached:
        return "reason";
    case K::elapsedMs:
        return "elapsed_ms";
    case K::errorType:
        return "error_type";
    case K::errorDomain:
        return "error_domain";
    case K::errorCode:
        return "error_code";
    case K::failureCode:
        return "failure_code";
    }
    return "";
}

std::string eventFormat(DiagnosticEvent event) {
    const EventDescriptor& descriptor = eventDescriptor(event);
    std::string format(descriptor.name);
    for (EventKey key : descriptor.keys) {
        format += ' ';
        if (key == K::reasonDebuggerAttached) {
            format += "reason=debugger_attached";
            continue;
        }
        format += eventKeyName(key);
        format += '=';
        format += valueDirective(key);
    }
    return format;
}

}  // namespace vlt
