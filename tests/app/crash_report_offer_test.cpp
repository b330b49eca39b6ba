#include <gtest/gtest.h>

#include <QWidget>

#include "app/app_delegate.h"
#include "crash_reports/crash_report_coordinating.h"
#include "base/scheduler.h"

namespace vlt {
namespace {

class CountingCrashReports final : public CrashReportCoordinating {
public:
    void start() override { ++starts; }
    void offerPendingReportIfNeeded(QWidget* window) override { offeredWindows.push_back(window); }
    void observeAlerts(std::function<void(bool)>) override {}

    int starts = 0;
    std::vector<QWidget*> offeredWindows;
};

AppDelegate makeDelegate(ManualScheduler& scheduler, const std::shared_ptr<CountingCrashReports>& crashReports) {
    AppDelegate::Environment environment;
    environment.scheduler = &scheduler;
    environment.crashReports = crashReports;
    return AppDelegate(std::move(environment));
}

TEST(CrashReportOfferTest, CaptureStartsBeforeLaunchAndTheReportIsOfferedOnceInTheWindow) {
    ManualScheduler scheduler;
    auto crashReports = std::make_shared<CountingCrashReports>();
    AppDelegate delegate = makeDelegate(scheduler, crashReports);
    QWidget window;

    delegate.applicationWillFinishLaunching();
    EXPECT_EQ(crashReports->starts, 1);
    delegate.attach(&window);
    delegate.attach(&window);
    EXPECT_TRUE(crashReports->offeredWindows.empty());
    scheduler.runDue();
    EXPECT_EQ(crashReports->offeredWindows, std::vector<QWidget*>{&window});
}

TEST(CrashReportOfferTest, AWindowGoneBeforeTheOfferIsLeftAlone) {
    ManualScheduler scheduler;
    auto crashReports = std::make_shared<CountingCrashReports>();
    AppDelegate delegate = makeDelegate(scheduler, crashReports);
    auto window = std::make_unique<QWidget>();
    delegate.attach(window.get());
    window.reset();
    scheduler.runDue();
    EXPECT_TRUE(crashReports->offeredWindows.empty());
}

}  // namespace
}  // namespace vlt
