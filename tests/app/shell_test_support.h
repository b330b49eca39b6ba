#pragma once

#include <memory>

#include "app/app_delegate.h"
#include "app/main_window.h"
#include "model/model_test_support.h"
#include "platform/updater/fake_updater.h"

class QMessageBox;

namespace vlt::testing {

// The shell as the application builds it, on fakes: a model on a manual scheduler, a
// delegate whose relaunch and exit are only counted, and the window.
class ShellFixture {
public:
    ShellFixture();
    ~ShellFixture();

    AppModel& model() { return *models.model; }
    // The open question, if any.
    QMessageBox* alert() const { return delegate->unsavedChangesAlert(); }
    // Answers the open question with one of its buttons.
    void answer(QAbstractButton* button);
    QString alertInformativeText() const;

    ModelFixture models;
    std::shared_ptr<FakeUpdater> updater = std::make_shared<FakeUpdater>();
    int exitCount = 0;
    int relaunchCount = 0;
    ErrorPtr relaunchFailure;
    std::unique_ptr<AppDelegate> delegate;
    std::unique_ptr<MainWindow> window;
};

}  // namespace vlt::testing
