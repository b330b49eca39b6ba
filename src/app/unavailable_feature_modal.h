#pragma once

#include <QString>
#include <functional>

#include "ui/modal_host.h"

class QPushButton;

namespace vlt {

// Stands in for a dialog this version does not have yet, so that a command that opens
// one never leaves the window locked behind a veil with nothing to close: it says so
// and, once closed, clears the model's flag through `dismiss`.
class UnavailableFeatureModal final : public ModalHost {
    Q_OBJECT

public:
    UnavailableFeatureModal(const QString& title, std::function<void()> dismiss, QWidget* parent, Scheduler& scheduler,
                            MotionPreference& motion);

    QPushButton* closeButton() const { return closeButton_; }

private:
    QPushButton* closeButton_ = nullptr;
};

}  // namespace vlt
