#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QColor>
#include <QImage>
#include <QStringList>
#include <QUrl>
#include <gtest/gtest.h>

#include "model/app_model.h"
#include "model/background_runner.h"
#include "model/feedback_identity_storing.h"
#include "model/feedback_submitting.h"
#include "editing/session/editor_session.h"
#include "foundation/app_language_preference_storing.h"
#include "foundation/application_settings_storing.h"
#include "import/imported_image.h"
#include "platform/desktop/file_manager.h"
#include "base/clock.h"
#include "base/scheduler.h"

namespace vlt::testing {

// A settings store in memory that counts its writes and can be told to fail.
class FakeSettingsStore final : public ApplicationSettingsStoring {
public:
    Result<ApplicationSettings> load() override;
    VoidResult save(const ApplicationSettings& settings) override;

    std::optional<ApplicationSettings> stored;
    ErrorPtr loadFailure;
    ErrorPtr saveFailure;
    std::vector<ApplicationSettings> writes;
};

class FakeLanguageStore final : public AppLanguagePreferenceStoring {
public:
    void save(AppLanguage language) override;
    QStringList storedPreferredLanguages() const override { return stored; }

    QStringList stored;
};

class FakeIdentityStore final : public FeedbackIdentityStoring {
public:
    Result<QString> loadOrCreate() override;

    QString identity = QStringLiteral("0123456789abcdef0123456789abcdef");
    ErrorPtr failure;
};

// Keeps every request and its completion until the test answers the oldest.
class FakeFeedbackClient final : public FeedbackSubmitting {
public:
    void submit(const FeedbackSubmissionRequest& request, std::stop_token, Completion completion) override {
        requests.push_back(request);
        pending.push_back(std::move(completion));
    }
    void answer(VoidResult outcome) {
        Completion completion = std::move(pending.front());
        pending.erase(pending.begin());
        completion(std::move(outcome));
    }
    std::vector<FeedbackSubmissionRequest> requests;
    std::vector<Completion> pending;
};

// A model on fakes and a manual scheduler, with helpers to open an editor.
class ModelFixture {
public:
    ModelFixture() { rebuild(); }

    // Makes the model anew on the current stores, as a new launch would.
    void rebuild(AppLanguage activeLanguage = AppLanguage::english, PrepareEditingCanvas prepare = {});
    // A session on a canvas of `size`; installed as the model's editor session.
    std::shared_ptr<EditorSession> openEditor(std::shared_ptr<CropDocument> document = nullptr,
                                              ImageSize size = {64, 48});
    // Gives the open editor a change that no image save covers.
    void makeUnsavedChange();
    // Changes the settings in force as an edit in the dialog would.
    void changeSettings(const std::function<void(ApplicationSettings&)>& edit);

    ManualClock clock;
    ManualScheduler scheduler{&clock};
    std::shared_ptr<FakeSettingsStore> settingsStore = std::make_shared<FakeSettingsStore>();
    std::shared_ptr<FakeLanguageStore> languageStore = std::make_shared<FakeLanguageStore>();
    std::shared_ptr<FakeIdentityStore> identityStore = std::make_shared<FakeIdentityStore>();
    std::shared_ptr<FakeFeedbackClient> fakeFeedbackClient = std::make_shared<FakeFeedbackClient>();
    std::unique_ptr<AppModel> model;
};

// Holds background work until the test releases it, then lets the results that the
// work posted reach the model. Nothing runs on another thread.
class ManualBackgroundRunner {
public:
    BackgroundRunner runner();

    std::size_t pendingCount() const { return jobs_.size(); }
    // Runs the oldest job and delivers what it posted.
    void runNext();
    void runAll();

private:
    std::vector<std::function<void()>> jobs_;
};

// A model on fake stores that runs on the real event loop and prepares real canvases,
// as the road tests take it.
std::unique_ptr<AppModel> makeEventLoopModel();

// A grey canvas of the descriptor's size.
SharedEditingCanvas makeCanvas(const EditingCanvasDescriptor& descriptor);
// An imported picture of the given size, as the loader would give it for url; its
// preview is `preview`, or a grey one of the full size.
ImportedImage makeImportedImage(const QUrl& url, int width = 400, int height = 300, const QImage& preview = {});
// A document of a small imported picture.
std::shared_ptr<CropDocument> makeCropDocument();
// A picture of four coloured quadrants, so that turns and mirrors can be told apart:
// red top left, green top right, blue bottom left, yellow bottom right.
QImage makeQuadrantImage(int width, int height);
// Writes the quadrants as a JPEG and returns its URL.
QUrl writeJpeg(const QString& path, int width, int height);
// Records `path` as the last folder saved into, as a save would have.
void rememberStillImageFolder(AppModel& model, const QString& path);

// Colours equal within a tolerance on each 8-bit component, alpha included.
::testing::AssertionResult colorNear(const QColor& actual, const QColor& expected, int tolerance = 2);
// The widget drawn into a transparent image of its own size.
QImage render(QWidget& widget);

// Takes a video save along the model's own road up to its frames, which then wait
// until the test ends them: meanwhile the model is in its saving state. The session
// gets the two commands a canvas installs and reports edits; the panel answers with
// `destination`. File work runs at once on the calling thread.
class HeldVideoSave {
public:
    HeldVideoSave(AppModel& model, EditorSession& session, QString destination);

    // Requests the save and delivers what it posts until the frames are asked for.
    void start();
    // The frames end with `result` and the model's save winds down.
    void finish(Result<AnimationVideoDescriptor> result);
    // The same with a cancellation.
    void finish();

    AppModel& model;
    QString destination;
    QStringList proposedNames;
    std::stop_token stop;
    EditorSession::VideoProgress progress;
    EditorSession::AnimationVideoCompletion pendingFrames;
};

// Gives the session the commands a canvas installs, with edits to save and a real
// video command: a small gradient canvas rendered by a real renderer, morphed by one
// Push stamp, written by the real frame writer.
void installMorphVideoCommand(EditorSession& session);

// Remembers the files it was asked to show and answers with `answer`, on a later turn.
class RecordingFileManager final : public FileManager {
public:
    void showItems(const QStringList& paths, std::function<void(bool)> completion) override;

    std::vector<QStringList> requests;
    bool answer = true;
};

// Delivers posted events until `done` holds or 60 s have passed; whether it holds.
bool processEventsUntil(const std::function<bool()>& done);

// An error of no particular kind, for stores that are told to fail.
ErrorPtr makeTestError(int code = 5);

}  // namespace vlt::testing
