#pragma once

#include <QPointer>
#include <functional>

#include "ui/output_result_overlay.h"

namespace vlt {

class AppModel;

// The card shown when the editing canvas reports that the GPU cannot be used: it
// explains that nothing was lost on disk and offers to quit or to close the card.
class GraphicsFailureOverlay final : public OutputResultOverlay {
    Q_OBJECT

public:
    GraphicsFailureOverlay(AppModel& model, std::function<void()> quitApplication, QWidget* parent,
                           Scheduler& scheduler, MotionPreference& motion);

    // The four sentences and the support address, localized one by one and joined once.
    static const QString& message();
    static constexpr const char* supportEmailAddress = "support@veltrano.app";

    QPushButton* quitButton() const { return secondaryButton(); }
    QPushButton* closeButton() const { return primaryButton(); }
};

}  // namespace vlt
