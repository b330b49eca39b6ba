#include <gtest/gtest.h>

#include "app/model/feedback_identity_store.h"
#include "app/model/feedback_submission_failure.h"
#include "app/model/model_test_support.h"
#include "base/cancellation_error.h"
#include "foundation/capturing_event_log_sink.h"
#include "base/file_support.h"
#include "foundation/lowercase_hex.h"

namespace vlt {
namespace {

using testing::ModelFixture;

const QString kFamily = QString::fromUtf8("\U0001F468\u200D\U0001F469\u200D\U0001F467");

ErrorPtr failureOf(FeedbackSubmissionFailure::Case failureCase) {
    return makeError<FeedbackSubmissionFailure>(failureCase);
}

// A model whose feedback dialog is open on the given texts.
struct FeedbackFixture : ModelFixture {
    explicit FeedbackFixture(FeedbackDraft draft = {QStringLiteral("Ana"), QString(), QStringLiteral("Hello")}) {
        model->presentFeedback();
        model->editFeedbackDraft(draft);
    }
    const FeedbackDialogState& state() const { return *model->feedbackState(); }
    // Sends the texts and answers at once with the outcome.
    void sendAndAnswer(const FeedbackDraft& draft, VoidResult outcome) {
        model->editFeedbackDraft(draft);
        model->submitFeedback();
        fakeFeedbackClient->answer(std::move(outcome));
    }
};

TEST(FeedbackDraftTest, RulesApplyToTrimmedTextInOrderCountingPerceivedCharacters) {
    const QString name = QStringLiteral("Ana");
    const QString text = QStringLiteral("Hello");
    const QString nameRule = QStringLiteral("Name must be 100 characters or fewer.");
    const QString emailRule = QStringLiteral("Enter a valid email address, or leave the field empty.");
    const QString emptyRule = QStringLiteral("Enter your feedback before sending.");
    const QString lengthRule = QStringLiteral("Feedback must be 5,000 characters or fewer.");
    const QString longEmail = QString(64, u'a') + QStringLiteral("@") + QString(63, u'b') + QStringLiteral(".") +
                              QString(63, u'c') + QStringLiteral(".") + QString(58, u'd') + QStringLiteral(".com");
    struct Case {
        FeedbackDraft draft;
        std::optional<QString> expected;
    };
    const Case cases[] = {
        {{kFamily.repeated(100), QString(), text}, std::nullopt},
        {{QString(101, u'n'), QString(), text}, nameRule},
        {{QStringLiteral(" %1 ").arg(QString(100, u'n')), QStringLiteral(" \t"), text}, std::nullopt},
        {{name, longEmail, text}, emailRule},
        {{name, QStringLiteral("ana@"), text}, emailRule},
        {{name, QString(), QStringLiteral(" \n\u2028\t ")}, emptyRule},
        {{name, QString(), kFamily.repeated(5000)}, std::nullopt},
        {{name, QString(), QString(5001, u'm')}, lengthRule},
        {{QString(101, u'n'), QStringLiteral("bad"), QString()}, nameRule},
        {{name, QStringLiteral("bad"), QString()}, emailRule},
    };
    ASSERT_EQ(longEmail.size(), 255);
    for (const Case& item : cases) {
        EXPECT_EQ(item.draft.validationMessage(), item.expected)
            << item.draft.name.size() << " " << item.draft.email.size();
    }
}

TEST(AppModelFeedbackTest, OpeningPrefillsTheNameUnlessInteractionIsLocked) {
    ModelFixture fixture;
    ApplicationSettings settings = ApplicationSettings::defaults();
    settings.contactName = QStringLiteral("  Ana Lima \n");
    fixture.model->updateSettings(settings);
    auto session = fixture.openEditor();
    int cancelledGestures = 0;
    session->cancelEditorGesture = [&cancelledGestures] { ++cancelledGestures; };

    fixture.model->setIsShortcutsPresented(true);
    fixture.model->presentFeedback();
    EXPECT_FALSE(fixture.model->feedbackState().has_value());
    fixture.model->setIsShortcutsPresented(false);

    fixture.model->presentFeedback();
    ASSERT_TRUE(fixture.model->feedbackState().has_value());
    EXPECT_EQ(fixture.model->feedbackState()->draft(), (FeedbackDraft{QStringLiteral("Ana Lima"), {}, {}}));
    EXPECT_EQ(cancelledGestures, 1);
    EXPECT_TRUE(fixture.model->isInteractionLocked());
}

TEST(AppModelFeedbackTest, AnInvalidSendShowsTheRuleAndSendsNothing) {
    ScopedCapturingEventLog log;
    FeedbackFixture fixture({QStringLiteral("Ana"), QString(), QStringLiteral("  ")});
    fixture.model->submitFeedback();
    EXPECT_EQ(fixture.state().validationMessage, QStringLiteral("Enter your feedback before sending."));
    EXPECT_FALSE(fixture.state().isSending);
    EXPECT_TRUE(fixture.fakeFeedbackClient->requests.empty());
    EXPECT_EQ(log->count(), 0u);
}

TEST(AppModelFeedbackTest, TheSameTextsRetryUnderTheSameIdentifier) {
    ScopedCapturingEventLog log;
    FeedbackFixture fixture;
    const auto sendFailing = [&fixture](const FeedbackDraft& draft) {
        fixture.sendAndAnswer(draft, failureOf(FeedbackSubmissionFailure::Case::sendFailed));
        return fixture.fakeFeedbackClient->requests.back().feedbackId;
    };
    const QString composed = QString::fromUtf8("Caf\u00e9 d\u00e9j\u00e0");
    const QString decomposed = composed.normalized(QString::NormalizationForm_D);
    ASSERT_NE(composed, decomposed);

    const QString first = sendFailing({QStringLiteral("Ana"), QString(), composed});
    EXPECT_TRUE(isLowercaseHexIdentifier(first.toStdString()));
    EXPECT_EQ(sendFailing({QStringLiteral(" Ana\n"), QStringLiteral(" "), QStringLiteral("\t") + composed}), first);
    EXPECT_EQ(sendFailing({QStringLiteral("Ana"), QString(), decomposed}), first);
    const QString changed = sendFailing({QStringLiteral("Ana"), QString(), composed + QStringLiteral("!")});
    EXPECT_NE(changed, first);
    EXPECT_EQ(sendFailing({QStringLiteral("Ana"), QString(), composed}),
              sendFailing({QStringLiteral("Ana"), QString(), composed}));
    EXPECT_NE(fixture.fakeFeedbackClient->requests.back().feedbackId, first);
    EXPECT_EQ(fixture.fakeFeedbackClient->requests.back().message, composed);
}

TEST(AppModelFeedbackTest, SendingShowsForHalfASecondAndFailuresAtOnce) {
    ScopedCapturingEventLog log;
    FeedbackFixture fixture;
    fixture.model->submitFeedback();
    ASSERT_TRUE(fixture.state().isSending);
    fixture.model->submitFeedback();
    fixture.model->dismissFeedback();
    EXPECT_EQ(fixture.fakeFeedbackClient->requests.size(), 1u);
    ASSERT_TRUE(fixture.model->feedbackState().has_value());

    fixture.scheduler.advance(0.125);
    fixture.fakeFeedbackClient->answer(VoidResult());
    fixture.scheduler.advance(0.25);
    EXPECT_TRUE(fixture.state().isSending);
    fixture.scheduler.advance(0.125);
    EXPECT_FALSE(fixture.state().isSending);
    EXPECT_TRUE(fixture.state().isReceived);
    EXPECT_EQ(fixture.state().statusMessage, QStringLiteral("Thank you. Your feedback was received."));
    EXPECT_EQ(log->eventsNamed("feedback_submission_succeeded").at(0).value("elapsed_ms"), "500");

    fixture.model->submitFeedback();
    EXPECT_EQ(fixture.fakeFeedbackClient->requests.size(), 1u);
    fixture.model->dismissFeedback();
    EXPECT_FALSE(fixture.model->feedbackState().has_value());

    FeedbackFixture failing;
    failing.model->submitFeedback();
    failing.scheduler.advance(0.125);
    failing.fakeFeedbackClient->answer(failureOf(FeedbackSubmissionFailure::Case::tooManyRequests));
    EXPECT_FALSE(failing.state().isSending);
    EXPECT_EQ(failing.state().statusMessage,
              QStringLiteral("Too many feedback messages were submitted. Please try again later."));
    const auto failed = log->eventsNamed("feedback_submission_failed");
    ASSERT_EQ(failed.size(), 1u);
    EXPECT_EQ(failed[0].value("elapsed_ms"), "125");
    EXPECT_EQ(failed[0].value("failure_code"), "feedback_rate_limited");
}

TEST(AppModelFeedbackTest, CancellationAndOutcomesWithoutTheirDialogChangeNothingVisible) {
    ScopedCapturingEventLog log;
    FeedbackFixture fixture;
    fixture.model->submitFeedback();
    fixture.fakeFeedbackClient->answer(makeCancellationError());
    EXPECT_FALSE(fixture.state().isSending);
    EXPECT_FALSE(fixture.state().statusMessage.has_value());

    // A success whose half-second wait is cancelled counts as cancelled.
    fixture.model->submitFeedback();
    fixture.fakeFeedbackClient->answer(VoidResult());
    fixture.model->feedbackSubmissionTask->cancel();
    fixture.scheduler.advance(0.5);
    EXPECT_FALSE(fixture.state().isSending);
    EXPECT_FALSE(fixture.state().isReceived);

    // The model of an earlier launch is gone when its answer comes.
    fixture.model->submitFeedback();
    fixture.rebuild();
    fixture.fakeFeedbackClient->answer(failureOf(FeedbackSubmissionFailure::Case::sendFailed));
    EXPECT_FALSE(fixture.model->feedbackState().has_value());
    EXPECT_EQ(log->count(), 3u);
    EXPECT_EQ(log->eventsNamed("feedback_submission_started").size(), 3u);
}

TEST(AppModelFeedbackTest, AMalformedIdentityFileIsKeptAndThisRunSendsAFreshIdentity) {
    ScopedCapturingEventLog log;
    QTemporaryDir folder;
    const auto path = testing::folderOf(folder) / "feedback-installation.json";
    const std::string content = R"({"schemaVersion":1,"installationId":"0123456789ABCDEF0123456789ABCDEF"})";
    testing::writeText(path, content);

    ModelFixture fixture;
    auto store = std::make_shared<FeedbackIdentityStore>(path);
    AppModel model(fixture.settingsStore, fixture.languageStore, AppLanguage::english, fixture.fakeFeedbackClient,
                   store, {}, fixture.scheduler);

    EXPECT_TRUE(isLowercaseHexIdentifier(model.feedbackInstallationID().toStdString()));
    EXPECT_EQ(testing::readText(path), content);
    const auto failed = log->eventsNamed("feedback_identity_failed");
    ASSERT_EQ(failed.size(), 1u);
    EXPECT_EQ(failed[0].value("failure_code"), "feedback_invalid_response");
}

}  // namespace
}  // namespace vlt
