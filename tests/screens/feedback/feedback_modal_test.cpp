#include "screens/feedback/feedback_modal.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "model/feedback_submission_failure.h"
#include "model/model_test_support.h"
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
    void SetUp() override {
        models.model->presentFeedback();
        window.show();
        modal = new FeedbackModal(*models.model, &window, models.scheduler, MotionPreference::shared());
        modal->present();
        QApplication::setActiveWindow(&window);
    }
    void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    bool isOpen() const { return models.model->feedbackState().has_value(); }
    void answer(VoidResult outcome) {
        models.fakeFeedbackClient->answer(std::move(outcome));
        models.scheduler.advance(0.5);
    }

    ScopedCapturingEventLog log;
    testing::ModelFixture models;
    QWidget window;
    FeedbackModal* modal = nullptr;
};

TEST_F(FeedbackModalTest, FormSendingReceivedAndAFailedSendFollowTheModel) {
    for (const auto& [area, height] : {std::pair{300, 360}, std::pair{500, 460}, std::pair{1000, 650}}) {
        window.resize(1180, area);
        EXPECT_EQ(modal->surfaceRect().height(), height) << area;
    }
    modal->sendButton()->click();
    EXPECT_EQ(modal->validationLabel()->text(), QStringLiteral("Enter your feedback before sending."));
    EXPECT_EQ(QApplication::focusWidget(), modal->messageEditor());

    QTest::keyClicks(modal->emailField(), QStringLiteral("ana@example.com"));
    QTest::keyClicks(modal->messageEditor(), QStringLiteral("Too slow"));
    press(Qt::Key_Return);  // a line break of the message
    EXPECT_EQ(modal->phase(), Phase::form);
    QTest::keyClick(modal->emailField(), Qt::Key_Return);
    EXPECT_EQ(models.fakeFeedbackClient->requests.at(0).message, QStringLiteral("Too slow"));
    EXPECT_EQ(modal->phase(), Phase::sending);
    EXPECT_FALSE(modal->validationLabel()->isVisible() || modal->sendingButton()->isEnabled() ||
                 modal->sendButton()->isVisible() || modal->headerCloseButton()->isEnabled());

    answer(makeError<FeedbackSubmissionFailure>(FeedbackSubmissionFailure::Case::sendFailed));
    EXPECT_EQ(modal->phase(), Phase::form);
    EXPECT_EQ(modal->emailField()->text(), QStringLiteral("ana@example.com"));
    EXPECT_EQ(modal->statusLabel()->text(),
              QStringLiteral("The feedback could not be sent. Check the internet connection and try again."));
    modal->sendButton()->click();
    answer(VoidResult());
    EXPECT_EQ(modal->phase(), Phase::received);
    EXPECT_TRUE(modal->closeButton()->isVisible() && !modal->cancelButton()->isVisible());

    // The thanks wraps across the sheet instead of being cut to a sliver.
    for (const QLabel* label : modal->findChildren<QLabel*>())
        EXPECT_TRUE(!label->isVisible() || label->height() >= label->heightForWidth(label->width()));
}

// Send hides while the feedback goes out; the keyboard that was on it finds the footer's
// button again after a failed send and after the thanks, instead of staying on the sheet
// itself, where nothing shows it and Tab starts over.
TEST_F(FeedbackModalTest, TheKeyboardReturnsToTheFooterAfterSending) {
    QTest::keyClicks(modal->messageEditor(), QStringLiteral("Too slow"));
    modal->sendButton()->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Return);
    ASSERT_EQ(modal->phase(), Phase::sending);
    answer(makeError<FeedbackSubmissionFailure>(FeedbackSubmissionFailure::Case::sendFailed));
    ASSERT_EQ(modal->phase(), Phase::form);
    EXPECT_EQ(QApplication::focusWidget(), modal->sendButton());

    press(Qt::Key_Return);
    answer(VoidResult());
    ASSERT_EQ(modal->phase(), Phase::received);
    EXPECT_EQ(QApplication::focusWidget(), modal->closeButton());
    press(Qt::Key_Return);
    EXPECT_TRUE(modal->isClosing());
}

TEST_F(FeedbackModalTest, EscapeClosesOnceAndNeverWhileSending) {
    QTest::keyClicks(modal->messageEditor(), QStringLiteral("Great"));
    modal->sendButton()->click();
    press(Qt::Key_Escape);
    modal->cancelButton()->click();
    modal->headerCloseButton()->click();
    EXPECT_FALSE(modal->isClosing());

    answer(VoidResult());
    press(Qt::Key_Escape);
    press(Qt::Key_Escape);
    EXPECT_TRUE(modal->isClosing() && isOpen());
    models.scheduler.advance(0.083);
    EXPECT_FALSE(isOpen());
}

TEST_F(FeedbackModalTest, SendAndReturnAreIgnoredWhileTheSheetFadesOut) {
    QTest::keyClicks(modal->messageEditor(), QStringLiteral("Great"));
    modal->cancelButton()->click();
    EXPECT_FALSE(modal->sendButton()->isEnabled() || modal->cancelButton()->isEnabled());
    modal->sendButton()->click();
    QTest::keyClick(modal->nameField(), Qt::Key_Return);
    models.scheduler.advance(0.083);
    EXPECT_TRUE(models.fakeFeedbackClient->requests.empty());
    EXPECT_FALSE(isOpen());
}

}  // namespace
}  // namespace vlt
