#include "settings_feedback/feedback_modal.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/model/feedback_submission_failure.h"
#include "app/model/model_test_support.h"
#include "foundation/capturing_event_log_sink.h"
#include "ui/modal_close_button.h"
#include "ui/motion_preference.h"
#include "ui/settings_text_editor.h"
#include "ui/settings_text_field.h"

namespace vlt {
namespace {

using Phase = FeedbackModal::Phase;

class FeedbackModalTest : public ::testing::Test {
protected:
    void SetUp() override { motion.setReduceMotion(false); }

    FeedbackModal& open(const QString& message = QStringLiteral("The brush is great")) {
        models.model->presentFeedback();
        window.resize(1180, 820);
        window.show();
        modal = new FeedbackModal(*models.model, &window, models.scheduler, motion);
        modal->setDismissAction([this] {
            ++dismissals;
            models.model->dismissFeedback();
        });
        modal->present();
        QApplication::setActiveWindow(&window);
        QTest::keyClicks(modal->messageEditor(), message);
        return *modal;
    }
    const FeedbackDialogState& state() const { return *models.model->feedbackState(); }
    bool isOpen() const { return models.model->feedbackState().has_value(); }
    void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    testing::ModelFixture models;
    MotionPreference& motion = MotionPreference::shared();
    QWidget window;
    FeedbackModal* modal = nullptr;
    int dismissals = 0;
};

TEST_F(FeedbackModalTest, TheSurfaceKeepsItsHeightLimits) {
    open();
    for (const auto& [area, height] : {std::pair{300, 360}, std::pair{500, 460}, std::pair{1000, 650}}) {
        window.resize(1180, area);
        EXPECT_EQ(modal->surfaceRect().height(), height) << area;
    }
}

TEST_F(FeedbackModalTest, FormSendingReceivedAndAFailedSendFollowTheModel) {
    ScopedCapturingEventLog log;
    open(QString());
    EXPECT_EQ(QApplication::focusWidget(), modal->messageEditor());
    modal->sendButton()->click();
    EXPECT_EQ(modal->phase(), Phase::form);
    EXPECT_TRUE(modal->validationLabel()->isVisible());
    EXPECT_EQ(modal->validationLabel()->objectName(), "feedback-validation-message");
    EXPECT_EQ(QApplication::focusWidget(), modal->messageEditor());

    QTest::keyClicks(modal->emailField(), QStringLiteral("ana@example.com"));
    QTest::keyClicks(modal->messageEditor(), QStringLiteral("Too slow"));
    press(Qt::Key_Return);
    EXPECT_EQ(state().message, QStringLiteral("Too slow\n"));
    EXPECT_EQ(modal->phase(), Phase::form);
    QTest::keyClick(modal->emailField(), Qt::Key_Return);
    EXPECT_EQ(modal->phase(), Phase::sending);
    EXPECT_FALSE(modal->validationLabel()->isVisible());
    EXPECT_TRUE(modal->sendingButton()->isVisible());
    EXPECT_FALSE(modal->sendingButton()->isEnabled());
    EXPECT_FALSE(modal->sendButton()->isVisible());
    EXPECT_FALSE(modal->headerCloseButton()->isEnabled());

    models.fakeFeedbackClient->answer(
        makeError<FeedbackSubmissionFailure>(FeedbackSubmissionFailure::Case::sendFailed));
    EXPECT_EQ(modal->phase(), Phase::form);
    EXPECT_EQ(modal->emailField()->text(), QStringLiteral("ana@example.com"));
    EXPECT_TRUE(modal->statusLabel()->isVisible());
    EXPECT_EQ(modal->statusLabel()->text(),
              QStringLiteral("The feedback could not be sent. Check the internet connection and try again."));

    modal->sendButton()->click();
    models.fakeFeedbackClient->answer(VoidResult());
    models.scheduler.advance(0.5);
    EXPECT_EQ(modal->phase(), Phase::received);
    EXPECT_TRUE(modal->closeButton()->isVisible());
    EXPECT_FALSE(modal->cancelButton()->isVisible());
    EXPECT_EQ(models.fakeFeedbackClient->requests.size(), 2u);
}

TEST_F(FeedbackModalTest, EscapeClosesOnceAndNeverWhileSending) {
    open();
    modal->sendButton()->click();
    press(Qt::Key_Escape);
    modal->cancelButton()->click();
    modal->headerCloseButton()->click();
    EXPECT_FALSE(modal->isClosing());
    models.scheduler.advance(1.0);
    EXPECT_EQ(dismissals, 0);

    models.fakeFeedbackClient->answer(VoidResult());
    models.scheduler.advance(0.5);
    press(Qt::Key_Escape);
    press(Qt::Key_Escape);
    EXPECT_TRUE(modal->isClosing());
    models.scheduler.advance(0.083);
    EXPECT_EQ(dismissals, 1);
    EXPECT_FALSE(isOpen());
}

TEST_F(FeedbackModalTest, SendAndReturnAreIgnoredWhileTheSheetFadesOut) {
    open();
    modal->cancelButton()->click();
    EXPECT_FALSE(modal->sendButton()->isEnabled());
    EXPECT_FALSE(modal->cancelButton()->isEnabled());
    modal->sendButton()->click();
    QTest::keyClick(modal->nameField(), Qt::Key_Return);
    models.scheduler.advance(0.083);

    EXPECT_TRUE(models.fakeFeedbackClient->requests.empty());
    EXPECT_EQ(dismissals, 1);
    EXPECT_FALSE(isOpen());
}

}  // namespace
}  // namespace vlt
