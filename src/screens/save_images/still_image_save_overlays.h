#pragma once

#include <QPointer>

#include "ui/output_progress_overlay.h"
#include "ui/output_result_overlay.h"

namespace vlt {

class AppModel;
struct StillImageSaveResult;

// The three cards of the still-image save, each a view of the model's still-image
// state that it reads again on every change of it.

// While the save runs: a bar without a value and Cancel.
class StillImageSavingOverlay final : public OutputProgressOverlay {
    Q_OBJECT

public:
    StillImageSavingOverlay(AppModel& model, QWidget* parent, Scheduler& scheduler, MotionPreference& motion);
};

// After a save: the folder and the files written, "Open containing folder", and the
// notice when the folder could not be shown.
class StillImageSavedOverlay final : public OutputResultOverlay {
    Q_OBJECT

public:
    StillImageSavedOverlay(AppModel& model, QWidget* parent, Scheduler& scheduler, MotionPreference& motion);

    // The folder's path, then each file name, one to a line.
    static QString detailText(const StillImageSaveResult& result);

private:
    void refresh();

    QPointer<AppModel> model_;
};

// After a failure, or a cancellation that left files to look after.
class StillImageSaveErrorOverlay final : public OutputResultOverlay {
    Q_OBJECT

public:
    StillImageSaveErrorOverlay(AppModel& model, QWidget* parent, Scheduler& scheduler, MotionPreference& motion);

private:
    void refresh();

    QPointer<AppModel> model_;
};

}  // namespace vlt
