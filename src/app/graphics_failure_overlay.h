#pragma once

#include <QPointer>
#include <functional>

#include "ui/modal_host.h"

class QLabel;
class QPushButton;

#include "app/model/app_model.h"

namespace vlt {

// The card shown when the editing canvas reports that the GPU cannot be used: it
// explains that nothing was lost on disk and offers to quit or to close the card.
class GraphicsFailureOverlay final : public ModalHost {
    Q_OBJECT

public:
    GraphicsFailureOverlay(AppModel& model, std::function<void()> quitApplication, QWidget* parent,
                           Scheduler& scheduler, MotionPreference& motion);

    // The four sentences and the support address, localized one by one and joined once.
    static const QString& message();
    static constexpr const char* supportEmailAddress = "support@veltrano.app";

    QPushButton* quitButton() const { return quitButton_; }
    QPushButton* closeButton() const { return closeButton_; }

private:
    void closeCard();

    QPointer<AppModel> model_;
    QPushButton* quitButton_;
    QPushButton* closeButton_;
};

}  // namespace vlt
