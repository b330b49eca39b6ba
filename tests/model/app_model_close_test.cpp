#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "model/model_test_support.h"
#include "model/app_model_test_access.h"

namespace vlt {
namespace {

using testing::ModelFixture;

class AppModelCloseTest : public ::testing::Test {
protected:
    AppModel& model() { return *fixture.model; }

    CloseRequestDecision request(ApplicationCloseIntent intent = ApplicationCloseIntent::close) {
        return model().requestClose(intent, [this](bool allowed) { answers.push_back(allowed); });
    }

    void installWarningHook() {
        model().onUnsavedChangesWarningRequested = [this](ApplicationCloseIntent intent) {
            warnings.push_back(intent);
        };
    }

    ModelFixture fixture;
    std::vector<bool> answers;
    std::vector<ApplicationCloseIntent> warnings;
};

// Granted without a question: with no editor at once, else after the request returned.
TEST_F(AppModelCloseTest, NothingUnsavedIsGrantedWithoutAsking) {
    const std::pair<const char*, std::function<void(ModelFixture&)>> cases[] = {
        {"no editor", [](ModelFixture& f) { AppModelTestAccess::setDocument(*f.model, testing::makeCropDocument()); }},
        {"clean editor", [](ModelFixture& f) { f.openEditor(); }},
        {"change saved as an image",
         [](ModelFixture& f) {
             auto session = f.openEditor();
             f.makeUnsavedChange();
             session->setLastSuccessfulStillImageSaveRevision(session->historyStateRevision());
         }},
        // The committed history decides, not the old flag.
        {"nothing committed",
         [](ModelFixture& f) {
             f.openEditor()->prepareCommittedEditorState = [](auto, std::function<void(bool)> done) { done(false); };
             f.makeUnsavedChange();
         }},
    };
    for (const auto& [name, arrange] : cases) {
        SCOPED_TRACE(name);
        fixture.rebuild();
        answers.clear();
        arrange(fixture);
        installWarningHook();
        const bool withEditor = model().editorState().editorSession != nullptr;
        EXPECT_EQ(request(), withEditor ? CloseRequestDecision::awaitingDecision : CloseRequestDecision::closeNow);
        EXPECT_TRUE(answers.empty());
        EXPECT_EQ(model().closeRequestState().isCloseRequestPending, withEditor);
        fixture.scheduler.advance(1.0);
        EXPECT_EQ(answers, withEditor ? std::vector<bool>{true} : std::vector<bool>{});
        EXPECT_TRUE(warnings.empty());
        EXPECT_FALSE(model().closeRequestState().isCloseRequestPending);
        EXPECT_FALSE(model().closeRequestState().pendingCloseIntent.has_value());
    }
}

TEST_F(AppModelCloseTest, WithoutAWayToAskUnsavedChangesAreKept) {
    fixture.openEditor();
    fixture.makeUnsavedChange();

    EXPECT_EQ(request(), CloseRequestDecision::awaitingDecision);
    EXPECT_EQ(answers, std::vector<bool>{false});
    EXPECT_FALSE(model().closeRequestState().isCloseRequestPending);
}

TEST_F(AppModelCloseTest, WaitingForTheEditorLeavesTheUserWorking) {
    auto session = fixture.openEditor();
    std::function<void(bool)> commitFinished;
    session->prepareCommittedEditorState = [&](EditorStatePreparationIntent intent, std::function<void(bool)> done) {
        EXPECT_EQ(intent, EditorStatePreparationIntent::close);
        commitFinished = std::move(done);
    };
    installWarningHook();

    EXPECT_EQ(request(), CloseRequestDecision::awaitingDecision);
    EXPECT_TRUE(model().closeRequestState().isClosePreparationPending);
    EXPECT_FALSE(model().isInteractionLocked());

    fixture.makeUnsavedChange();
    commitFinished(true);
    EXPECT_FALSE(model().closeRequestState().isClosePreparationPending);
    EXPECT_TRUE(model().isInteractionLocked());
    EXPECT_EQ(warnings.size(), 1u);
}

TEST_F(AppModelCloseTest, AReplacedEditorDeniesTheRequest) {
    auto session = fixture.openEditor();
    std::function<void(bool)> commitFinished;
    session->prepareCommittedEditorState = [&](EditorStatePreparationIntent, std::function<void(bool)> done) {
        commitFinished = std::move(done);
    };
    request();

    fixture.openEditor();
    commitFinished(false);
    EXPECT_EQ(answers, std::vector<bool>{false});
    EXPECT_FALSE(model().closeRequestState().isCloseRequestPending);
}

}  // namespace
}  // namespace vlt
