#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>

#include <QObject>
#include <QPointer>

#include "crash_reports/crash_capturing.h"
#include "crash_reports/crash_report_alert_presenting.h"
#include "crash_reports/crash_report_coordinating.h"
#include "crash_reports/mac_crash_report_submitting.h"
#include "crash_reports/prepared_mac_crash_report.h"

class QWidget;

namespace vlt {

// The application's side of crash reporting. At launch it enables crash capture and
// prepares the report a crash of the previous run left behind; once the window exists
// it asks, once per launch, whether to send it, sends it on consent and removes the
// crash log after a send, a refusal or the notice that no report could be made. Only
// the sanitised report ever leaves the machine, and only after the user said so.
class MacCrashReportCoordinator final : public QObject, public CrashReportCoordinating {
    Q_OBJECT

public:
    struct Services {
        std::shared_ptr<MacCrashReportSubmitting> client;
        // The installation identifier (load or create).
        std::function<Result<std::string>()> installationIdentifier;
        // Capture for this process; null when it cannot be set up.
        std::function<std::unique_ptr<CrashCapturing>()> makeCapture;
        std::function<bool()> isDebuggerAttached;
        std::shared_ptr<CrashReportAlertPresenting> alerts;
    };

    explicit MacCrashReportCoordinator(Services services, QObject* parent = nullptr);
    ~MacCrashReportCoordinator() override;

    // The application's services: the report service's client, the identity file, the
    // capture component in the user's cache folder, /proc's tracer and message-box sheets.
    static Services standardServices();

    void start() override;
    void offerPendingReportIfNeeded(QWidget* window) override;
    void observeAlerts(std::function<void(bool isUp)> observer) override;

    // State, for tests.
    const std::optional<PreparedMacCrashReport>& pendingReport() const { return pendingReport_; }
    bool pendingReportIsUnavailable() const { return pendingReportIsUnavailable_; }
    bool didOfferPendingReport() const { return didOfferPendingReport_; }

    // The consent sheet's information text for a report.
    static QString consentMessage(const PreparedMacCrashReport& report);

private:
    void preparePendingReport();
    void enableCapture();
    // Every question and notice opens here, so the observer sees each open and close.
    void present(QWidget* window, const CrashReportAlert& alert, CrashReportAlertPresenting::Completion completion);
    void presentUnavailableAlert(QWidget* window);
    void presentConsentAlert(QWidget* window);
    void presentSendFailureAlert(QWidget* window, const PreparedMacCrashReport& report);
    void presentSentAlert(QWidget* window, const std::string& reportId);
    // Sends on the first button while the window lives, purges on the second; a sheet that
    // went without an answer changes nothing.
    CrashReportAlertPresenting::Completion sendOrPurge(QWidget* window, const PreparedMacCrashReport& report);
    void sendPendingReport(QWidget* window, const PreparedMacCrashReport& report);
    void purgePendingReport();

    Services services_;
    std::function<void(bool)> alertObserver_;
    std::unique_ptr<CrashCapturing> capture_;
    std::optional<PreparedMacCrashReport> pendingReport_;
    bool pendingReportIsUnavailable_ = false;
    bool didOfferPendingReport_ = false;
    // Enabling failed; it is tried once more when the report's removal clears the way.
    bool didEnablingFail_ = false;
    // Ends a send still under way when the coordinator goes.
    std::stop_source stopSending_;
};

}  // namespace vlt
