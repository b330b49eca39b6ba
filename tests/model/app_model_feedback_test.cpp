#include <gtest/gtest.h>

#include "model/feedback_submission_failure.h"
#include "model/model_test_support.h"
#include "base/cancellation_error.h"
#include "foundation/capturing_event_log_sink.h"

namespace vlt {
namespace {

using Case = FeedbackSubmissionFailure::Case;

ErrorPtr failure(Case failureCase) { return makeError<FeedbackSubmissionFailure>(failureCase); }

// A model with the feedback dialog open on a valid draft, its events captured.
struct FeedbackFixture : testing::ModelFixture {
    FeedbackFixture() {
        ApplicationSettings settings = ApplicationSettings::defaults();
        settings.contactName = QStringLiteral("  Ana \n");
        model->updateSettings(settings);
        model->presentFeedback();
        model->editFeedbackDraft({state().name, {}, QStringLiteral("Hello")});
    }
    const FeedbackDialogState& state() const { return *model->feedbackState(); }
    // Sends the texts, fails the send and answers the identifier it went with.
    QString sendFailing(const QString& name, const QString& message) {
        model->editFeedbackDraft({name, {}, message});
        model->submitFeedback();
        fakeFeedbackClient->answer(failure(Case::sendFailed));
        return fakeFeedbackClient->requests.back().feedbackId;
    }
    ScopedCapturingEventLog log;
};

TEST(FeedbackDraftTest, TheFirstBrokenRuleOfTheTrimmedTextsCountingPerceivedCharacters) {
    const QString family = QString::fromUtf8("\U0001F468\u200D\U0001F469\u200D\U0001F467");
    const QString ok = QStringLiteral("Hi");
    const QString at = QStringLiteral("@b.com");
    const std::pair<FeedbackDraft, const char*> cases[] = {
        {{family.repeated(100), QStringLiteral(" \t"), family.repeated(5000)}, ""},
        {{QStringLiteral(" %1\n").arg(QString(100, u'n')), QString(248, u'a') + at, ok}, ""},
        {{QString(101, u'n'), QStringLiteral("bad"), QString()}, "Name must be 100 characters or fewer."},
        {{ok, QString(249, u'a') + at, ok}, "Enter a valid email address, or leave the field empty."},
        {{ok, QStringLiteral("bad"), QString()}, "Enter a valid email address, or leave the field empty."},
        {{ok, {}, QStringLiteral(" \n\u2028\t ")}, "Enter your feedback before sending."},
        {{ok, {}, QString(5001, u'm')}, "Feedback must be 5,000 characters or fewer."},
    };
    for (const auto& [draft, expected] : cases) {
        EXPECT_EQ(draft.validationMessage().value_or(QString()), QString(expected)) << draft.email.size();
    }
}

TEST(AppModelFeedbackTest, TheSameTextsRetryUnderTheirIdentifierAnInvalidSendSendsNothing) {
    FeedbackFixture fixture;
    EXPECT_EQ(fixture.state().name, QStringLiteral("Ana"));
    const QString composed = QString::fromUtf8("Caf\u00e9 d\u00e9j\u00e0");
    const QString first = fixture.sendFailing(QStringLiteral("Ana"), composed);
    EXPECT_EQ(fixture.sendFailing(QStringLiteral(" Ana\n"), QStringLiteral("\t") + composed), first);
    EXPECT_EQ(fixture.sendFailing(QStringLiteral("Ana"), composed.normalized(QString::NormalizationForm_D)), first);
    EXPECT_NE(fixture.sendFailing(QStringLiteral("Ana"), composed + QStringLiteral("!")), first);
    EXPECT_NE(fixture.sendFailing(QStringLiteral("Ana"), composed), first);

    fixture.model->editFeedbackDraft({QStringLiteral("Ana"), {}, QStringLiteral(" ")});
    fixture.model->submitFeedback();
    EXPECT_EQ(fixture.state().validationMessage, QStringLiteral("Enter your feedback before sending."));
    EXPECT_FALSE(fixture.state().statusMessage.has_value());
    EXPECT_EQ(fixture.log->eventsNamed("feedback_submission_started").size(), 5u);
}

TEST(AppModelFeedbackTest, SendingShowsForHalfASecondFailuresAtOnce) {
    FeedbackFixture fixture;
    fixture.model->submitFeedback();
    fixture.scheduler.advance(0.125);
    fixture.fakeFeedbackClient->answer(failure(Case::tooManyRequests));
    EXPECT_EQ(fixture.state().statusMessage,
              QStringLiteral("Too many feedback messages were submitted. Please try again later."));
    const auto failed = fixture.log->eventsNamed("feedback_submission_failed").at(0);
    EXPECT_EQ(failed.value("elapsed_ms"), "125");
    EXPECT_EQ(failed.value("failure_code"), "feedback_rate_limited");

    fixture.model->submitFeedback();
    fixture.model->submitFeedback();
    fixture.model->dismissFeedback();
    fixture.scheduler.advance(0.125);
    fixture.fakeFeedbackClient->answer(VoidResult());
    fixture.scheduler.advance(0.25);
    EXPECT_TRUE(fixture.state().isSending);
    fixture.scheduler.advance(0.125);
    EXPECT_TRUE(fixture.state().isReceived && !fixture.state().isSending);
    EXPECT_EQ(fixture.state().statusMessage, QStringLiteral("Thank you. Your feedback was received."));
    EXPECT_EQ(fixture.log->eventsNamed("feedback_submission_succeeded").at(0).value("elapsed_ms"), "500");
    fixture.model->submitFeedback();
    EXPECT_EQ(fixture.fakeFeedbackClient->requests.size(), 2u);
    fixture.model->dismissFeedback();
    EXPECT_FALSE(fixture.model->feedbackState().has_value());
}

TEST(AppModelFeedbackTest, CancelledSendsAndAnswersForAGoneModelChangeNothingVisible) {
    FeedbackFixture fixture;
    fixture.model->submitFeedback();
    fixture.fakeFeedbackClient->answer(makeCancellationError());
    EXPECT_FALSE(fixture.state().isSending);
    fixture.model->submitFeedback();
    fixture.fakeFeedbackClient->answer(VoidResult());
    fixture.model->feedbackSubmissionTask->cancel();
    fixture.scheduler.advance(0.5);
    EXPECT_FALSE(fixture.state().isSending || fixture.state().isReceived || fixture.state().statusMessage);

    fixture.model->submitFeedback();
    fixture.rebuild();
    fixture.fakeFeedbackClient->answer(failure(Case::sendFailed));
    EXPECT_EQ(fixture.log->count(), 3u);
}

}  // namespace
}  // namespace vlt
