#include "foundation/diagnostic_log.h"

#include <unistd.h>

#include <charconv>
#include <cstdio>

#include <QSysInfo>

#include "foundation/diagnostic_session.h"
#include "foundation/event_log.h"
#include "foundation/info_dictionary.h"
#include "base/precondition.h"

namespace vlt {

namespace {

constexpr std::size_t kTypicalLineLength = 192;

void appendInteger(std::string& line, std::int64_t value) {
    char digits[24];
    const auto result = std::to_chars(std::begin(digits), std::end(digits), value);
    line.append(digits, result.ptr);
}

void appendHexEscape(std::string& line, const char* prefix, unsigned value, int width) {
    char text[16];
    const int length = std::snprintf(text, sizeof text, "%s%0*X", prefix, width, value);
    line.append(text, static_cast<std::size_t>(length));
}

// The length of the valid UTF-8 sequence at the start of text, or 0 when it is not one.
std::size_t utf8SequenceLength(std::string_view text, char32_t& scalar) {
    const auto byte = [&](std::size_t index) { return static_cast<unsigned char>(text[index]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    if (lead < 0x80) {
        scalar = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        scalar = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        scalar = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        scalar = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    for (std::size_t index = 1; index < length; ++index) {
        if ((byte(index) & 0xC0) != 0x80) return 0;
        scalar = (scalar << 6) | (byte(index) & 0x3F);
    }
    const bool overlong = (length == 3 && scalar < 0x800) || (length == 4 && scalar < 0x10000);
    const bool surrogate = scalar >= 0xD800 && scalar <= 0xDFFF;
    if (overlong || surrogate || scalar > 0x10FFFF) return 0;
    return length;
}

void appendOperationId(std::string& line, const QUuid& id) {
    char text[40];
    const int length = std::snprintf(text, sizeof text, "%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X", id.data1,
                                     id.data2, id.data3, id.data4[0], id.data4[1], id.data4[2], id.data4[3],
                                     id.data4[4], id.data4[5], id.data4[6], id.data4[7]);
    line.append(text, static_cast<std::size_t>(length));
}

void appendKeyValue(std::string& line, EventKey key, const EventValues& values,
                    const std::optional<DiagnosticErrorSummary>& summary) {
    line += ' ';
    if (key == EventKey::reasonDebuggerAttached) {
        line += "reason=debugger_attached";
        return;
    }
    line += eventKeyName(key);
    line += '=';
    const SessionStartFacts* facts = values.sessionFacts;
    switch (key) {
    case EventKey::sessionId:
        appendEventLogValue(line, DiagnosticLog::sessionID());
        break;
    case EventKey::operationId:
        appendOperationId(line, *values.operationId);
        break;
    case EventKey::origin:
        line += imageImportOriginText(*values.origin);
        break;
    case EventKey::outcome:
        line += *values.selected ? "selected" : "cancelled";
        break;
    case EventKey::reportId:
        appendEventLogValue(line, values.reportId);
        break;
    case EventKey::version:
        appendEventLogValue(line, facts->version);
        break;
    case EventKey::build:
        appendEventLogValue(line, facts->build);
        break;
    case EventKey::configuration:
        appendEventLogValue(line, facts->configuration);
        break;
    case EventKey::processId:
        appendInteger(line, facts->processId);
        break;
    case EventKey::osVersion:
        appendEventLogValue(line, facts->osVersion);
        break;
    case EventKey::elapsedMs:
        appendInteger(line, *values.elapsedMilliseconds);
        break;
    case EventKey::errorType:
        appendEventLogValue(line, summary->type);
        break;
    case EventKey::errorDomain:
        appendEventLogValue(line, summary->domain);
        break;
    case EventKey::errorCode:
        appendInteger(line, summary->code);
        break;
    case EventKey::failureCode:
        appendEventLogValue(line, summary ? std::string_view(summary->stableCode) : values.failureCode);
        break;
    case EventKey::reasonDebuggerAttached:
        break;
    }
}

// A writer that leaves out a value its event needs is a programming error.
void requireValues(const EventDescriptor& descriptor, const EventValues& values) {
    for (EventKey key : descriptor.keys) {
        switch (key) {
        case EventKey::operationId:
            VLT_PRECONDITION(values.operationId, "event needs an operation id");
            break;
        case EventKey::origin:
            VLT_PRECONDITION(values.origin.has_value(), "event needs an origin");
            break;
        case EventKey::outcome:
            VLT_PRECONDITION(values.selected.has_value(), "event needs an outcome");
            break;
        case EventKey::version:
            VLT_PRECONDITION(values.sessionFacts, "event needs session facts");
            break;
        case EventKey::elapsedMs:
            VLT_PRECONDITION(values.elapsedMilliseconds.has_value(), "event needs elapsed milliseconds");
            break;
        case EventKey::errorType:
            VLT_PRECONDITION(values.error || values.summary, "event needs an error or a summary");
            break;
        default:
            break;
        }
    }
}

bool carriesSummary(const EventDescriptor& descriptor) {
    for (EventKey key : descriptor.keys) {
        if (key == EventKey::errorType) return true;
    }
    return false;
}

void writeOperation(DiagnosticEvent event, const QUuid& operationId) {
    DiagnosticLog::writeEvent(event, EventValues().withOperationId(operationId));
}

void writeOperationFinished(DiagnosticEvent event, const QUuid& operationId, std::int64_t elapsedMilliseconds) {
    DiagnosticLog::writeEvent(event,
                              EventValues().withOperationId(operationId).withElapsedMilliseconds(elapsedMilliseconds));
}

void writeOperationFailed(DiagnosticEvent event, const QUuid& operationId, std::int64_t elapsedMilliseconds,
                          const Error& error) {
    DiagnosticLog::writeEvent(
        event,
        EventValues().withOperationId(operationId).withElapsedMilliseconds(elapsedMilliseconds).withError(error));
}

void writeImport(DiagnosticEvent event, const QUuid& operationId, ImageImportOrigin origin) {
    DiagnosticLog::writeEvent(event, EventValues().withOperationId(operationId).withOrigin(origin));
}

void writeFailure(DiagnosticEvent event, const Error& error) {
    DiagnosticLog::writeEvent(event, EventValues().withError(error));
}

void writeSession(DiagnosticEvent event) { DiagnosticLog::writeEvent(event, EventValues()); }

}  // namespace

SessionStartFacts SessionStartFacts::current() {
    SessionStartFacts facts;
    facts.version = infoDictionaryString("CFBundleShortVersionString");
    facts.build = infoDictionaryString("CFBundleVersion");
    facts.configuration = "Release";
    facts.processId = static_cast<std::int32_t>(::getpid());
    facts.osVersion = (QSysInfo::prettyProductName() + QStringLiteral(", ") + QSysInfo::kernelType() +
                       QStringLiteral(" ") + QSysInfo::kernelVersion())
                          .toStdString();
    return facts;
}

void appendEventLogValue(std::string& line, std::string_view value) {
    while (!value.empty()) {
        char32_t scalar = 0;
        const std::size_t length = utf8SequenceLength(value, scalar);
        if (length == 0) {
            appendHexEscape(line, "\\x", static_cast<unsigned char>(value.front()), 2);
            value.remove_prefix(1);
            continue;
        }
        if (scalar == '\n')
            line += "\\n";
        else if (scalar == '\r')
            line += "\\r";
        else if (scalar == '\t')
            line += "\\t";
        else if (scalar < 0x20 || scalar == 0x7F)
            appendHexEscape(line, "\\x", static_cast<unsigned>(scalar), 2);
        else if ((scalar >= 0x80 && scalar <= 0x9F) || scalar == 0x2028 || scalar == 0x2029)
            appendHexEscape(line, "\\u", static_cast<unsigned>(scalar), 4);
        else
            line.append(value.data(), length);
        value.remove_prefix(length);
    }
}

const std::string& DiagnosticLog::sessionID() {
    static const std::string identifier = QUuid::createUuid().toString(QUuid::WithoutBraces).toLower().toStdString();
    return identifier;
}

std::string DiagnosticLog::operationIDText(const QUuid& operationId) {
    std::string text;
    appendOperationId(text, operationId);
    return text;
}

double DiagnosticLog::launchUptime() { return DiagnosticSession::shared().launchUptime(); }

bool DiagnosticLog::isSessionActive() { return DiagnosticSession::shared().isActive(); }

void DiagnosticLog::writeEvent(DiagnosticEvent event, const EventValues& values) {
    const EventDescriptor& descriptor = eventDescriptor(event);
    requireValues(descriptor, values);
    const std::shared_ptr<EventLogSink> sink = EventLog::sink();
    if (!sink->isEnabled(descriptor.category, descriptor.level)) return;

    std::optional<DiagnosticErrorSummary> summary;
    if (carriesSummary(descriptor)) {
        summary = values.summary ? *values.summary : DiagnosticErrorSummary(*values.error);
    }
    std::string line;
    line.reserve(kTypicalLineLength);
    line += descriptor.name;
    for (EventKey key : descriptor.keys) appendKeyValue(line, key, values, summary);
    sink->write(EventLogEntry{kEventLogSubsystem, descriptor.category, descriptor.level, line});
}

void DiagnosticLog::sessionStarted() { DiagnosticSession::shared().start(); }
void DiagnosticLog::sessionEnded() { DiagnosticSession::shared().end(); }

void DiagnosticLog::languageRelaunchFailed(const DiagnosticErrorSummary& summary) {
    writeEvent(DiagnosticEvent::languageRelaunchFailed, EventValues().withSummary(summary));
}
void DiagnosticLog::languageRelaunchFailed(const Error& error) {
    writeFailure(DiagnosticEvent::languageRelaunchFailed, error);
}

void DiagnosticLog::openPanelStarted(const QUuid& id) { writeOperation(DiagnosticEvent::openPanelStarted, id); }
void DiagnosticLog::openPanelFinished(const QUuid& id, bool selected) {
    writeEvent(DiagnosticEvent::openPanelFinished, EventValues().withOperationId(id).withSelected(selected));
}
void DiagnosticLog::importStarted(const QUuid& id, ImageImportOrigin origin) {
    writeImport(DiagnosticEvent::importStarted, id, origin);
}
void DiagnosticLog::importSucceeded(const QUuid& id, ImageImportOrigin origin) {
    writeImport(DiagnosticEvent::importSucceeded, id, origin);
}
void DiagnosticLog::importCancelled(const QUuid& id, ImageImportOrigin origin) {
    writeImport(DiagnosticEvent::importCancelled, id, origin);
}
void DiagnosticLog::importFailed(const QUuid& id, ImageImportOrigin origin, const Error& error) {
    writeEvent(DiagnosticEvent::importFailed, EventValues().withOperationId(id).withOrigin(origin).withError(error));
}
void DiagnosticLog::openRequestSuperseded(ImageImportOrigin origin) {
    writeEvent(DiagnosticEvent::openRequestSuperseded, EventValues().withOrigin(origin));
}

void DiagnosticLog::editorPreparationStarted(const QUuid& id) {
    writeOperation(DiagnosticEvent::editorPreparationStarted, id);
}
void DiagnosticLog::editorPreparationSucceeded(const QUuid& id) {
    writeOperation(DiagnosticEvent::editorPreparationSucceeded, id);
}
void DiagnosticLog::editorPreparationCancelled(const QUuid& id) {
    writeOperation(DiagnosticEvent::editorPreparationCancelled, id);
}
void DiagnosticLog::editorPreparationFailed(const QUuid& id, const Error& error) {
    writeEvent(DiagnosticEvent::editorPreparationFailed, EventValues().withOperationId(id).withError(error));
}
void DiagnosticLog::editorGraphicsFailed(const Error& error) {
    writeFailure(DiagnosticEvent::editorGraphicsFailed, error);
}

void DiagnosticLog::settingsLoadFailed(const Error& error) { writeFailure(DiagnosticEvent::settingsLoadFailed, error); }
void DiagnosticLog::settingsSaveFailed(const Error& error) { writeFailure(DiagnosticEvent::settingsSaveFailed, error); }

void DiagnosticLog::feedbackIdentityFailed(const Error& error) {
    writeFailure(DiagnosticEvent::feedbackIdentityFailed, error);
}
void DiagnosticLog::feedbackSubmissionStarted(const QUuid& id) {
    writeOperation(DiagnosticEvent::feedbackSubmissionStarted, id);
}
void DiagnosticLog::feedbackSubmissionSucceeded(const QUuid& id, std::int64_t ms) {
    writeOperationFinished(DiagnosticEvent::feedbackSubmissionSucceeded, id, ms);
}
void DiagnosticLog::feedbackSubmissionFailed(const QUuid& id, std::int64_t ms, const Error& error) {
    writeOperationFailed(DiagnosticEvent::feedbackSubmissionFailed, id, ms, error);
}

void DiagnosticLog::stillImageSaveStarted(const QUuid& id) {
    writeOperation(DiagnosticEvent::stillImageSaveStarted, id);
}
void DiagnosticLog::stillImageSaveSucceeded(const QUuid& id, std::int64_t ms) {
    writeOperationFinished(DiagnosticEvent::stillImageSaveSucceeded, id, ms);
}
void DiagnosticLog::stillImageSaveCancelled(const QUuid& id, std::int64_t ms) {
    writeOperationFinished(DiagnosticEvent::stillImageSaveCancelled, id, ms);
}
void DiagnosticLog::stillImageSaveFailed(const QUuid& id, std::int64_t ms, const Error& error) {
    writeOperationFailed(DiagnosticEvent::stillImageSaveFailed, id, ms, error);
}
void DiagnosticLog::stillImageFolderSyncFailed(const QUuid& id, const Error& error) {
    writeEvent(DiagnosticEvent::stillImageFolderSyncFailed, EventValues().withOperationId(id).withError(error));
}
void DiagnosticLog::shareImageStarted(const QUuid& id) { writeOperation(DiagnosticEvent::shareImageStarted, id); }
void DiagnosticLog::shareImageSucceeded(const QUuid& id, std::int64_t ms) {
    writeOperationFinished(DiagnosticEvent::shareImageSucceeded, id, ms);
}
void DiagnosticLog::shareImageCancelled(const QUuid& id, std::int64_t ms) {
    writeOperationFinished(DiagnosticEvent::shareImageCancelled, id, ms);
}
void DiagnosticLog::shareImageFailed(const QUuid& id, std::int64_t ms, const Error& error) {
    writeOperationFailed(DiagnosticEvent::shareImageFailed, id, ms, error);
}
void DiagnosticLog::animationVideoSaveStarted(const QUuid& id) {
    writeOperation(DiagnosticEvent::animationVideoSaveStarted, id);
}
void DiagnosticLog::animationVideoSaveSucceeded(const QUuid& id, std::int64_t ms) {
    writeOperationFinished(DiagnosticEvent::animationVideoSaveSucceeded, id, ms);
}
void DiagnosticLog::animationVideoSaveCancelled(const QUuid& id, std::int64_t ms) {
    writeOperationFinished(DiagnosticEvent::animationVideoSaveCancelled, id, ms);
}
void DiagnosticLog::animationVideoSaveFailed(const QUuid& id, std::int64_t ms, const Error& error) {
    writeOperationFailed(DiagnosticEvent::animationVideoSaveFailed, id, ms, error);
}
void DiagnosticLog::printStarted(const QUuid& id) { writeOperation(DiagnosticEvent::printStarted, id); }
void DiagnosticLog::printSucceeded(const QUuid& id, std::int64_t ms) {
    writeOperationFinished(DiagnosticEvent::printSucceeded, id, ms);
}
void DiagnosticLog::printCancelled(const QUuid& id, std::int64_t ms) {
    writeOperationFinished(DiagnosticEvent::printCancelled, id, ms);
}
void DiagnosticLog::printFailed(const QUuid& id, std::int64_t ms, const Error& error) {
    writeOperationFailed(DiagnosticEvent::printFailed, id, ms, error);
}

void DiagnosticLog::previousCrashCaptured(std::string_view reportId) {
    writeEvent(DiagnosticEvent::previousCrashCaptured, EventValues().withReportId(reportId));
}
void DiagnosticLog::crashReporterEnabled() { writeSession(DiagnosticEvent::crashReporterEnabled); }
void DiagnosticLog::crashReporterSkipped() { writeSession(DiagnosticEvent::crashReporterSkipped); }
void DiagnosticLog::crashReporterFailed(std::string_view failureCode) {
    writeEvent(DiagnosticEvent::crashReporterFailed, EventValues().withFailureCode(failureCode));
}
void DiagnosticLog::crashReportDiscarded() { writeSession(DiagnosticEvent::crashReportDiscarded); }

void DiagnosticLog::startupUpdateCheckStarted() { writeSession(DiagnosticEvent::startupUpdateCheckStarted); }
void DiagnosticLog::startupUpdateCheckFailed(const Error& error) {
    writeFailure(DiagnosticEvent::startupUpdateCheckFailed, error);
}

}  // namespace vlt
