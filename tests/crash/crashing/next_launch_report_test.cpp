#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <nlohmann/json.hpp>

#include "crash/crash_report_alert_presenter.h"
#include "crash/crashing/crasher.h"
#include "crash/firebase_mac_crash_report_client.h"
#include "crash/mac_crash_report_coordinator.h"
#include "crash/mac_crash_report_identity_store.h"
#include "crash/vt_crash_capture.h"
#include "foundation/capturing_event_log_sink.h"
#include "support/loopback_http_server.h"

namespace vlt {
namespace {

QMessageBox* sheetSaying(QWidget& window, const QString& message) {
    for (QMessageBox* box : window.findChildren<QMessageBox*>()) {
        if (box->isVisible() && box->text() == message) return box;
    }
    return nullptr;
}

// A crash of the crasher, then the next launch's coordinator on the same folder: the
// consent sheet, "Send report" to a loopback service, the log purged, the thanks.
TEST(NextLaunchReportTest, ACrashIsOfferedAtTheNextLaunchSentOnConsentAndPurged) {
    QTemporaryDir base;
    const std::string basePath = base.path().toStdString();
    ASSERT_EQ(testing::runCrasher("abort", basePath), SIGABRT);
    ASSERT_TRUE(std::filesystem::exists(testing::crashLogPath(basePath)));

    testing::LoopbackHttpServer server;
    server.respond = [](const testing::LoopbackRequest& request) {
        const auto body = nlohmann::json::parse(request.body.toStdString());
        const std::string reply = nlohmann::json{
            {"accepted", true},
            {"duplicate", false},
            {"reportId", body["report"]["reportId"]},
            {"notificationStatus",
             "sent"}}.dump();
        return testing::LoopbackReply::with(200, QByteArray::fromStdString(reply));
    };
    MacCrashReportCoordinator::Services services;
    services.client = std::make_shared<FirebaseMacCrashReportClient>(server.url(FirebaseMacCrashReportClient::kPath));
    const MacCrashReportIdentityStore identity(base.filePath("crash-report-installation.json").toStdString());
    services.installationIdentifier = [identity] { return identity.loadOrCreate(); };
    services.makeCapture = [basePath]() -> std::unique_ptr<CrashCapturing> {
        VTCrashReporterConfig configuration = VTCrashCapture::applicationConfiguration();
        configuration.basePath = basePath;
        return std::make_unique<VTCrashCapture>(VTCrashReporter::forApplication(configuration));
    };
    // As under a debugger: this test process keeps its own signal handlers.
    services.isDebuggerAttached = [] { return true; };
    services.alerts = std::make_shared<CrashReportAlertPresenter>();
    ScopedCapturingEventLog log;
    MacCrashReportCoordinator coordinator(std::move(services));
    QWidget window;
    window.show();

    coordinator.start();
    coordinator.offerPendingReportIfNeeded(&window);
    QMessageBox* consent = sheetSaying(window, "Veltrano encountered an unexpected error");
    ASSERT_NE(consent, nullptr);
    EXPECT_EQ(consent->windowModality(), Qt::WindowModal);
    EXPECT_TRUE(consent->informativeText().contains("Signal: SIGABRT (SI_TKILL)"));
    consent->findChild<QPushButton*>(CrashReportAlertPresenter::kFirstButtonName)->click();

    ASSERT_TRUE(QTest::qWaitFor([&] { return sheetSaying(window, "Crash report sent") != nullptr; }, 10'000));
    ASSERT_EQ(server.requests.size(), 1u);
    const auto sent = nlohmann::json::parse(server.requests[0].body.toStdString());
    EXPECT_EQ(sent["installationId"], identity.loadOrCreate().value());
    EXPECT_EQ(sent["report"]["signalName"], "SIGABRT");
    EXPECT_FALSE(std::filesystem::exists(testing::crashLogPath(basePath)));
    EXPECT_EQ(log->eventsNamed("crash_report_discarded").size(), 1u);
}

}  // namespace
}  // namespace vlt
