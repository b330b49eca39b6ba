#pragma once

#include <QPointer>

#include "ui/output_result_overlay.h"

namespace vlt {

class AppModel;

// "Printing failed" on the shared result card, with the model's message (or its
// fallback sentence); Close clears the failure.
class PrintErrorOverlay final : public OutputResultOverlay {
    Q_OBJECT

public:
    PrintErrorOverlay(AppModel& model, QWidget* parent, Scheduler& scheduler, MotionPreference& motion);

private:
    void refresh();

    QPointer<AppModel> model_;
};

}  // namespace vlt
