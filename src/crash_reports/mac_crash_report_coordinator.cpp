#include "crash_reports/mac_crash_report_coordinator.h"

#include <cmath>

#include <QLocale>
#include <QUuid>
#include <QWidget>

#include "base/cancellation_error.h"
#include "base/precondition.h"
#include "foundation/diagnostic_log.h"
#include "foundation/localized_string.h"

namespace vlt {

namespace {

constexpr const char* kInitializationFailed = "initialization_failed";
constexpr const char* kPendingReportInvalid = "pending_report_invalid";
constexpr const char* kIdentityFailed = "identity_failed";
constexpr const char* kEnableFailed = "enable_failed";
constexpr const char* kPurgeFailed = "purge_failed";

// A fresh identifier for one report, stored nowhere.
std::string unsavedInstallationIdentifier() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces).remove(QLatin1Char('-')).toLower().toStdString();
}

// Sizes as a file manager shows them: decimal units, whole kilobytes, one decimal for
// megabytes and two beyond.
QString fileSizeText(std::int64_t bytes) {
    const QLocale locale;
    if (bytes == 1) return localizedString("1 byte");
    if (bytes < 1000) return localizedString("%1 bytes").arg(locale.toString(bytes));
    const double value = static_cast<double>(bytes);
    if (bytes < 999'500) return localizedString("%1 KB").arg(locale.toString(std::round(value / 1e3), 'f', 0));
    if (bytes < 999'950'000) return localizedString("%1 MB").arg(locale.toString(value / 1e6, 'f', 1));
    return localizedString("%1 GB").arg(locale.toString(value / 1e9, 'f', 2));
}

CrashReportAlert unavailableAlert() {
    static const QString message = localizedString("Crash report unavailable");
    static const QString information = localizedString(
        "Veltrano detected a previous crash but could not prepare its diagnostic report. Any crash record kept by "
        "the system remains available.");
    static const QString ok = localizedString("OK");
    return {CrashReportAlert::Style::warning, message, information, ok, {}};
}

CrashReportAlert consentAlert(const PreparedMacCrashReport& report) {
    static const QString message = localizedString("Veltrano encountered an unexpected error");
    static const QString send = localizedString("Send report");
    static const QString dontSend = localizedString("Don't send");
    return {CrashReportAlert::Style::warning, message, MacCrashReportCoordinator::consentMessage(report), send,
            dontSend};
}

CrashReportAlert sendFailureAlert() {
    static const QString message = localizedString("Crash report not sent");
    static const QString information =
        localizedString("The crash report could not be sent. Check the internet connection and try again.");
    static const QString retry = localizedString("Retry");
    static const QString dontSend = localizedString("Don't send");
    return {CrashReportAlert::Style::warning, message, information, retry, dontSend};
}

CrashReportAlert sentAlert(const std::string& reportId) {
    static const QString message = localizedString("Crash report sent");
    static const QString thanks = localizedString("Thank you. Report ID:\n");
    static const QString ok = localizedString("OK");
    return {CrashReportAlert::Style::informational, message, thanks + QString::fromStdString(reportId), ok, {}};
}

}  // namespace

MacCrashReportCoordinator::MacCrashReportCoordinator(Services services, QObject* parent)
    : QObject(parent), services_(std::move(services)) {
    VLT_PRECONDITION(services_.client && services_.installationIdentifier && services_.makeCapture && services_.alerts,
                     "a crash report coordinator needs every service but the debugger check");
}

MacCrashReportCoordinator::~MacCrashReportCoordinator() { stopSending_.request_stop(); }

QString MacCrashReportCoordinator::consentMessage(const PreparedMacCrashReport& report) {
    static const QString text = localizedString(
        "Veltrano captured a crash from the previous session.\n"
        "\n"
        "Send a diagnostic report to help identify the cause?\n"
        "\n"
        "Included:\n"
        "• App, operating system and build versions\n"
        "• Crash signal, exception type, thread stacks and registers\n"
        "• Binary names, load addresses and build IDs for symbolication\n"
        "\n"
        "Not included:\n"
        "• Images or project content\n"
        "• File names or paths\n"
        "• Contact information, credentials\n"
        "• Exception reasons, the system journal or system crash reports\n"
        "\n"
        "Threads: %1\n"
        "Upload size: %2\n"
        "Signal: %3 (%4)");
    const MacCrashReportPayload& payload = report.request.report;
    return text.arg(QString::number(static_cast<qlonglong>(payload.threads.size())), fileSizeText(report.encodedBytes),
                    QString::fromStdString(payload.signalName), QString::fromStdString(payload.signalCode));
}

void MacCrashReportCoordinator::start() {
    // 1, 2. The capture component.
    capture_ = services_.makeCapture();
    if (!capture_) {
        DiagnosticLog::crashReporterFailed(kInitializationFailed);
        return;
    }
    // 3. A report left by the previous run.
    if (capture_->hasPendingCrashReport()) preparePendingReport();
    // 4. Under a debugger capture would fight the debugger for the signals.
    if (services_.isDebuggerAttached && services_.isDebuggerAttached()) {
        DiagnosticLog::crashReporterSkipped();
        return;
    }
    // 5. Capture for this run.
    enableCapture();
}

void MacCrashReportCoordinator::enableCapture() {
    didEnablingFail_ = !capture_->enableCrashReporter();
    if (didEnablingFail_) {
        DiagnosticLog::crashReporterFailed(kEnableFailed);
    } else {
        DiagnosticLog::crashReporterEnabled();
    }
}

void MacCrashReportCoordinator::preparePendingReport() {
    const Result<std::vector<std::uint8_t>> bytes = capture_->loadPendingCrashReportData();
    if (!bytes) {
        pendingReportIsUnavailable_ = true;
        DiagnosticLog::crashReporterFailed(kPendingReportInvalid);
        return;
    }
    Result<std::string> identifier = services_.installationIdentifier();
    std::string installationId;
    if (identifier) {
        installationId = std::move(identifier).value();
    } else {
        installationId = unsavedInstallationIdentifier();
        DiagnosticLog::crashReporterFailed(kIdentityFailed);
    }
    Result<PreparedMacCrashReport> prepared =
        PreparedMacCrashReport::make(bytes.value(), std::move(installationId), /*isSynthetic=*/false);
    if (!prepared) {
        pendingReportIsUnavailable_ = true;
        DiagnosticLog::crashReporterFailed(kPendingReportInvalid);
        return;
    }
    pendingReport_ = std::move(prepared).value();
    DiagnosticLog::previousCrashCaptured(pendingReport_->request.report.reportId);
}

void MacCrashReportCoordinator::offerPendingReportIfNeeded(QWidget* window) {
    if (didOfferPendingReport_ || (!pendingReport_ && !pendingReportIsUnavailable_)) return;
    didOfferPendingReport_ = true;
    if (pendingReportIsUnavailable_) {
        presentUnavailableAlert(window);
    } else {
        presentConsentAlert(window);
    }
}

void MacCrashReportCoordinator::observeAlerts(std::function<void(bool isUp)> observer) {
    alertObserver_ = std::move(observer);
}

void MacCrashReportCoordinator::present(QWidget* window, const CrashReportAlert& alert,
                                        CrashReportAlertPresenting::Completion completion) {
    if (alertObserver_) alertObserver_(true);
    QPointer<MacCrashReportCoordinator> guard(this);
    // Closed before the answer runs: a notice the answer opens is up again at once.
    services_.alerts->present(window, alert, [guard, completion](CrashReportAlertAnswer answer) {
        if (guard && guard->alertObserver_) guard->alertObserver_(false);
        if (completion) completion(answer);
    });
}

void MacCrashReportCoordinator::presentUnavailableAlert(QWidget* window) {
    QPointer<MacCrashReportCoordinator> guard(this);
    present(window, unavailableAlert(), [guard](CrashReportAlertAnswer answer) {
        if (guard && answer != CrashReportAlertAnswer::dismissed) guard->purgePendingReport();
    });
}

void MacCrashReportCoordinator::presentConsentAlert(QWidget* window) {
    present(window, consentAlert(*pendingReport_), sendOrPurge(window, *pendingReport_));
}

void MacCrashReportCoordinator::presentSendFailureAlert(QWidget* window, const PreparedMacCrashReport& report) {
    present(window, sendFailureAlert(), sendOrPurge(window, report));
}

void MacCrashReportCoordinator::presentSentAlert(QWidget* window, const std::string& reportId) {
    present(window, sentAlert(reportId), [](CrashReportAlertAnswer) {});
}

CrashReportAlertPresenting::Completion MacCrashReportCoordinator::sendOrPurge(QWidget* window,
                                                                              const PreparedMacCrashReport& report) {
    QPointer<MacCrashReportCoordinator> guard(this);
    QPointer<QWidget> windowGuard(window);
    return [guard, windowGuard, report](CrashReportAlertAnswer answer) {
        // Only an answer settles the report: a sheet that went with its window, as when
        // the application quits before the user answered, leaves it for the next launch.
        if (!guard || answer == CrashReportAlertAnswer::dismissed) return;
        if (answer == CrashReportAlertAnswer::firstButton && windowGuard) {
            guard->sendPendingReport(windowGuard, report);
        } else {
            guard->purgePendingReport();
        }
    };
}

void MacCrashReportCoordinator::sendPendingReport(QWidget* window, const PreparedMacCrashReport& report) {
    QPointer<MacCrashReportCoordinator> guard(this);
    QPointer<QWidget> windowGuard(window);
    services_.client->submit(report, stopSending_.get_token(), [guard, windowGuard, report](VoidResult sent) {
        if (!guard) return;
        if (sent) {
            // Purged before the notice, so quitting while it is up cannot bring the report back.
            guard->purgePendingReport();
            if (windowGuard) guard->presentSentAlert(windowGuard, report.request.report.reportId);
            return;
        }
        if (isCancellation(sent.error())) return;
        if (windowGuard) guard->presentSendFailureAlert(windowGuard, report);
    });
}

void MacCrashReportCoordinator::purgePendingReport() {
    if (!capture_ || !capture_->purgePendingCrashReport()) {
        DiagnosticLog::crashReporterFailed(kPurgeFailed);
        return;
    }
    pendingReport_.reset();
    pendingReportIsUnavailable_ = false;
    DiagnosticLog::crashReportDiscarded();
    // What stood at the crash log's path (a folder, say) may have kept capture off; the
    // path is clear now.
    if (didEnablingFail_) enableCapture();
}

}  // namespace vlt
