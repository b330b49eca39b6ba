#include "app/help_links.h"

#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

#include "support/stub_program.h"

namespace vlt {
namespace {

// Without a browser xdg-open fails: the window names the page and shows its address,
// and what xdg-open printed stays out of our log.
TEST(HelpLinksTest, APageThatNoBrowserOpensIsReportedOnTheWindow) {
    testing::ScopedStubProgram noBrowser(QStringLiteral("xdg-open"), "echo 'no method available' >&2; exit 3");
    QWidget window;
    window.show();
    ::testing::internal::CaptureStderr();
    HelpLinks::openSupportPage(AppLanguage::brazilianPortuguese, &window);
    QMessageBox* alert = nullptr;
    EXPECT_TRUE(QTest::qWaitFor([&] { return (alert = window.findChild<QMessageBox*>()) != nullptr; }, 10000));
    EXPECT_EQ(::testing::internal::GetCapturedStderr().find("no method available"), std::string::npos);
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->text(), "No web browser could open the support page.");
    EXPECT_EQ(alert->informativeText(), "https://www.veltrano.com/pt-br/support");
}

}  // namespace
}  // namespace vlt
