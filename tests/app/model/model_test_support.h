#pragma once

#include <memory>
#include <optional>
#include <vector>

#include <QStringList>

#include "app/model/app_model.h"
#include "app/model/feedback_identity_storing.h"
#include "editing/session/editor_session.h"
#include "foundation/app_language_preference_storing.h"
#include "foundation/application_settings_storing.h"
#include "platform/tasks/clock.h"
#include "platform/tasks/scheduler.h"

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
    int loadCount = 0;
};

// A model on fakes and a manual scheduler, with helpers to open an editor.
class ModelFixture {
public:
    explicit ModelFixture(AppLanguage activeLanguage = AppLanguage::english);

    // A session on a small canvas; installed as the model's editor session.
    std::shared_ptr<EditorSession> openEditor();
    // Gives the open editor a change that no image save covers.
    void makeUnsavedChange();

    ManualClock clock;
    ManualScheduler scheduler{&clock};
    std::shared_ptr<FakeSettingsStore> settingsStore = std::make_shared<FakeSettingsStore>();
    std::shared_ptr<FakeLanguageStore> languageStore = std::make_shared<FakeLanguageStore>();
    std::shared_ptr<FakeIdentityStore> identityStore = std::make_shared<FakeIdentityStore>();
    std::unique_ptr<AppModel> model;

private:
    AppLanguage activeLanguage_;
};

// A session that is not attached to any model, for flag and close tests.
std::shared_ptr<EditorSession> makeEditorSession(Scheduler& scheduler);
// A document of a small imported picture.
std::shared_ptr<CropDocument> makeCropDocument();

// An error of no particular kind, for stores that are told to fail.
ErrorPtr makeTestError(int code = 5);

}  // namespace vlt::testing
