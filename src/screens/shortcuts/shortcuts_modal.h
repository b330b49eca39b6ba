#pragma once

#include <QPointer>

#include "ui/modal_host.h"

class QPushButton;
class QScrollArea;

#include "model/app_model.h"

namespace vlt {

class ModalCloseButton;

// The Shortcuts reference dialog: the seven groups of the shortcut table in a
// scrolling list between a header and a footer. It only informs; closing it (close
// icon, footer button or Escape) clears the model's Shortcuts flag after the fade.
class ShortcutsModal final : public ModalHost {
    Q_OBJECT

public:
    static ModalSurfaceMetrics surfaceMetrics() { return {680, 900, 440, 820}; }

    ShortcutsModal(AppModel& model, QWidget* parent, Scheduler& scheduler, MotionPreference& motion);

    // Runs once: later requests during the fade do nothing.
    void close();

    ModalCloseButton* headerCloseButton() const { return headerCloseButton_; }
    QPushButton* footerCloseButton() const { return footerCloseButton_; }
    QScrollArea* groupList() const { return groupList_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* buildGroupList();

    QPointer<AppModel> model_;
    ModalCloseButton* headerCloseButton_ = nullptr;
    QPushButton* footerCloseButton_ = nullptr;
    QScrollArea* groupList_ = nullptr;
};

}  // namespace vlt
