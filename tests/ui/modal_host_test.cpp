#include "ui/modal_host.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "base/scheduler.h"
#include "ui/modal_surface.h"
#include "ui/motion_preference.h"

namespace vlt {
namespace {

class ModalHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        MotionPreference::shared().setReduceMotion(false);
        window.resize(1180, 820);
        baseButton = new QPushButton(QStringLiteral("Beneath"), &window);
        baseButton->setGeometry(0, 0, 1180, 820);
        window.show();
    }
    void TearDown() override { MotionPreference::shared().setReduceMotion(false); }

    ModalHost* makeHost(std::optional<ModalSurfaceMetrics> metrics = ModalSurfaceMetrics{680, 900, 440, 820}) {
        auto* host = new ModalHost(metrics, &window, scheduler, MotionPreference::shared());
        focusButton = new QPushButton(QStringLiteral("Focus me"));
        otherButton = new QPushButton(QStringLiteral("Other"));
        host->surface()->column()->addWidget(otherButton);
        host->surface()->column()->addWidget(focusButton);
        host->setInitialFocus(focusButton);
        host->setDismissAction([this] { ++dismissCount; });
        return host;
    }

    QWidget window;
    QPushButton* baseButton = nullptr;
    QPushButton* focusButton = nullptr;
    QPushButton* otherButton = nullptr;
    ManualScheduler scheduler;
    int dismissCount = 0;
};

TEST_F(ModalHostTest, SurfaceIsCentredAndSizedByTheMetrics) {
    ModalHost* host = makeHost();
    host->present();
    EXPECT_EQ(host->geometry(), window.rect());
    EXPECT_EQ(host->surfaceRect(), QRect(140, 20, 900, 780));

    window.resize(900, 600);
    EXPECT_EQ(host->surfaceRect(), QRect(28, 20, 844, 560));
}

TEST_F(ModalHostTest, OpeningAnimatesVeilAndSurfaceAndFocusesTheNamedControl) {
    ModalHost* host = makeHost();
    host->present();
    EXPECT_LT(host->veilOpacity(), 1.0);
    EXPECT_EQ(window.focusWidget(), focusButton);
    EXPECT_GT(host->currentSurfaceRect().top(), host->surfaceRect().top());

    // The animations run on Qt's own clock; a loaded machine may need longer than their 0.25 s.
    EXPECT_TRUE(QTest::qWaitFor([host] { return host->veilOpacity() == 1.0 && host->surfaceOpacity() == 1.0; }, 5000));
    EXPECT_EQ(host->currentSurfaceRect(), host->surfaceRect());
}

TEST_F(ModalHostTest, ReducedMotionShowsAtOnceAndDismissesWithoutThePause) {
    MotionPreference::shared().setReduceMotion(true);
    ModalHost* host = makeHost();
    host->present();
    EXPECT_DOUBLE_EQ(host->veilOpacity(), 1.0);
    EXPECT_DOUBLE_EQ(host->surfaceOpacity(), 1.0);
    EXPECT_EQ(host->currentSurfaceRect(), host->surfaceRect());

    QTest::keyClick(focusButton, Qt::Key_Escape);
    EXPECT_EQ(dismissCount, 1);
    EXPECT_DOUBLE_EQ(host->veilOpacity(), 0.0);
    EXPECT_EQ(scheduler.pendingCount(), 0u);
}

TEST_F(ModalHostTest, EscapeClosesOnceAndDismissesAfterThePause) {
    ModalHost* host = makeHost();
    QSignalSpy closing(host, &ModalHost::closingStarted);
    host->present();

    QTest::keyClick(focusButton, Qt::Key_Escape);
    QTest::keyClick(focusButton, Qt::Key_Escape);
    EXPECT_TRUE(host->isClosing());
    EXPECT_EQ(closing.count(), 1);
    EXPECT_FALSE(host->requestClose());

    scheduler.advance(0.08);
    EXPECT_EQ(dismissCount, 0);
    scheduler.advance(0.01);
    EXPECT_EQ(dismissCount, 1);
    scheduler.advance(1.0);
    EXPECT_EQ(dismissCount, 1);
}

TEST_F(ModalHostTest, DismissStillRunsWhenTheDialogIsDestroyedDuringThePause) {
    ModalHost* host = makeHost();
    host->present();
    host->requestClose();
    delete host;
    scheduler.advance(0.1);
    EXPECT_EQ(dismissCount, 1);
}

// The control beneath that had the keyboard has it again however the dialog goes: as
// its close begins, when it is hidden or destroyed without a close, also after a click
// on the veil.
TEST_F(ModalHostTest, TheKeyboardGoesBackToTheControlThatHadItWhicheverWayTheDialogGoes) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const std::vector<std::pair<const char*, std::function<void(ModalHost*)>>> ways = {
        {"a close", [](ModalHost* host) { host->requestClose(); }},
        {"hidden", [](ModalHost* host) { host->hide(); }},
        {"destroyed", [](ModalHost* host) { delete host; }},
        {"a click on the veil, then Escape",
         [](ModalHost* host) {
             QTest::mouseClick(host, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
             QTest::keyClick(host, Qt::Key_Escape);
         }},
    };
    for (const auto& [way, close] : ways) {
        SCOPED_TRACE(way);
        baseButton->setFocus(Qt::OtherFocusReason);
        ModalHost* host = makeHost();
        host->present();
        ASSERT_EQ(QApplication::focusWidget(), focusButton);
        close(host);
        EXPECT_EQ(QApplication::focusWidget(), baseButton);
    }
}

// Tab never reaches the control behind the veil, and a control disabled as it answers
// does not hand the keyboard to it either: the close then gives it back where it was.
TEST_F(ModalHostTest, TheKeyboardStaysInTheDialogWhileItIsUp) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    baseButton->setFocus(Qt::OtherFocusReason);
    ModalHost* host = makeHost();
    host->present();
    ASSERT_EQ(QApplication::focusWidget(), focusButton);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), otherButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), focusButton);

    focusButton->setEnabled(false);
    EXPECT_EQ(QApplication::focusWidget(), otherButton);
    host->requestClose();
    EXPECT_EQ(QApplication::focusWidget(), baseButton);
}

// Return presses the button the keyboard is on; a dialog with a default action of its
// own takes Return before the host sees it.
TEST_F(ModalHostTest, ReturnPressesTheFocusedButton) {
    ModalHost* host = makeHost();
    QSignalSpy clicked(otherButton, &QPushButton::clicked);
    host->present();
    otherButton->setFocus(Qt::TabFocusReason);
    QTest::keyClick(otherButton, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicked.count() == 1; }, 2000));
    EXPECT_FALSE(host->isClosing());
}

TEST_F(ModalHostTest, VeilTakesEveryClickEvenWhileTransparent) {
    ModalHost* host = makeHost();
    QSignalSpy clicked(baseButton, &QPushButton::clicked);
    host->present();
    QTest::mouseClick(host, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitFor([host] { return host->veilOpacity() == 1.0; }, 5000));
    QTest::mouseClick(host, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_FALSE(host->isClosing());
}

TEST_F(ModalHostTest, VeilIsDrawnInTheVeilColourOverTheWindow) {
    MotionPreference::shared().setReduceMotion(true);
    window.setAutoFillBackground(true);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::white);
    window.setPalette(palette);
    baseButton->hide();
    ModalHost* host = makeHost();
    host->present();
    const QImage image = window.grab().toImage();
    const QColor corner = image.pixelColor(5, 5);
    // 0.31 of (0.807, 0.918, 0.914) over white.
    EXPECT_NEAR(corner.redF(), 0.31 * 0.807 + 0.69, 0.01);
    EXPECT_NEAR(corner.greenF(), 0.31 * 0.918 + 0.69, 0.01);
    const QPoint inside = host->surfaceRect().center();
    EXPECT_EQ(image.pixelColor(inside.x(), host->surfaceRect().bottom() - 3), QColor(Qt::white));
}

}  // namespace
}  // namespace vlt
