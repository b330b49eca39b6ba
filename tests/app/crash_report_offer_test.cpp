#include <gtest/gtest.h>

#include <QWidget>

#include "app/app_delegate.h"
#include "app/crash_report_coordinating.h"
#include "platform/tasks/scheduler.h"

namespace vlt {
namespace {

class CountingCrashReports final : public CrashReportCoordinating {
public:
    void start() override { ++starts; }
    void offerPendingReportIfNeeded(QWidget* window) override {
        ++offers;
        offeredWindow = window;
    }

    int starts = 0;
    int offers = 0;
    QWidget* offeredWindow = nullptr;
};

TEST(CrashReportOfferTest, CaptureStartsBeforeLaunchAndTheReportIsOfferedOnceInTheWindow) {
    ManualScheduler scheduler;
    auto crashReports = std::make_shared<CountingCrashReports>();
    AppDelegate::Environment environment;
    environment.scheduler = &scheduler;
    environment.crashReports = crashReports;
    AppDelegate delegate(std::move(environment));
    QWidget window;

    delegate.applicationWillFinishLaunching();
    EXPECT_EQ(crashReports->starts, 1);

    delegate.attach(&window);
    delegate.attach(&window);
    EXPECT_EQ(crashReports->offers, 0);
    scheduler.runDue();
    EXPECT_EQ(crashReports->offers, 1);
    EXPECT_EQ(crashReports->offeredWindow, &window);
}

TEST(CrashReportOfferTest, AWindowGoneBeforeTheOfferIsLeftAlone) {
    ManualScheduler scheduler;
    auto crashReports = std::make_shared<CountingCrashReports>();
    AppDelegate::Environment environment;
    environment.scheduler = &scheduler;
    environment.crashReports = crashReports;
    AppDelegate delegate(std::move(environment));

    auto window = std::make_unique<QWidget>();
    delegate.attach(window.get());
    window.reset();
    scheduler.runDue();
    EXPECT_EQ(crashReports->offers, 0);
}

}  // namespace
}  // namespace vlt
