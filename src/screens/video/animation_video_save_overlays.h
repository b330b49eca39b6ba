#pragma once

#include <QPointer>

#include "ui/output_progress_overlay.h"
#include "ui/output_result_overlay.h"

namespace vlt {

class AppModel;

// The three cards of the video save, each a view of the model's video save state that
// it reads again on every change of it.

// While the save runs: the progress with its percentage and Cancel, which stays
// disabled once pressed while the save winds down.
class AnimationVideoSavingOverlay final : public OutputProgressOverlay {
    Q_OBJECT

public:
    AnimationVideoSavingOverlay(AppModel& model, QWidget* parent, Scheduler& scheduler, MotionPreference& motion);

private:
    void refresh();

    QPointer<AppModel> model_;
};

// After a save: where the video went, "Open containing folder", and a notice when the
// temporary folder stayed behind or the folder could not be shown.
class AnimationVideoSavedOverlay final : public OutputResultOverlay {
    Q_OBJECT

public:
    AnimationVideoSavedOverlay(AppModel& model, QWidget* parent, Scheduler& scheduler, MotionPreference& motion);

    // The cleanup notice and the reveal failure, in that order, an empty line apart.
    static std::optional<QString> additionalNotice(const std::optional<QString>& cleanupPath,
                                                   const std::optional<QString>& folderError);

private:
    void refresh();

    QPointer<AppModel> model_;
};

// After a failure, or a cancellation that left something to look after.
class AnimationVideoSaveErrorOverlay final : public OutputResultOverlay {
    Q_OBJECT

public:
    AnimationVideoSaveErrorOverlay(AppModel& model, QWidget* parent, Scheduler& scheduler, MotionPreference& motion);

private:
    void refresh();

    QPointer<AppModel> model_;
};

}  // namespace vlt
