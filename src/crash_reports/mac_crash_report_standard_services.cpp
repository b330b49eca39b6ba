#include "crash_reports/crash_report_alert_presenter.h"
#include "crash_capture/vt_crash_process_info.h"
#include "crash_reports/firebase_mac_crash_report_client.h"
#include "crash_reports/mac_crash_report_coordinator.h"
#include "crash_reports/mac_crash_report_identity_store.h"
#include "crash_reports/vt_crash_capture.h"

namespace vlt {

MacCrashReportCoordinator::Services MacCrashReportCoordinator::standardServices() {
    Services services;
    services.client = std::make_shared<FirebaseMacCrashReportClient>();
    services.installationIdentifier = [] { return MacCrashReportIdentityStore().loadOrCreate(); };
    services.makeCapture = []() -> std::unique_ptr<CrashCapturing> {
        return std::make_unique<VTCrashCapture>(
            VTCrashReporter::forApplication(VTCrashCapture::applicationConfiguration()));
    };
    services.isDebuggerAttached = [] {
        const std::optional<VTCrashProcessInfo> process = VTCrashProcessInfo::currentProcessInfo();
        return process && process->isTraced();
    };
    services.alerts = std::make_shared<CrashReportAlertPresenter>();
    return services;
}

}  // namespace vlt
