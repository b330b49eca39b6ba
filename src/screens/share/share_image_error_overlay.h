#pragma once

#include <QPointer>

#include "model/app_model.h"
#include "ui/output_result_overlay.h"

namespace vlt {

// The card of a share that failed: the model's title and message under the fixed
// subtitle, and Close. Close, the close button and Return clear the two texts, which
// removes the card; Escape does nothing here.
class ShareImageErrorOverlay final : public OutputResultOverlay {
    Q_OBJECT

public:
    ShareImageErrorOverlay(AppModel& model, QWidget* parent, Scheduler& scheduler, MotionPreference& motion);

private:
    static OutputResultContent contentFor(AppModel& model);

    QPointer<AppModel> model_;
};

}  // namespace vlt
