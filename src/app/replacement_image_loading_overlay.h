#pragma once

#include "ui/modal_host.h"

namespace vlt {

// "Loading image…" over the veil while a second photograph replaces the open one. It
// takes every click, so the screen beneath stays as it was until the import ends.
class ReplacementImageLoadingOverlay final : public ModalHost {
    Q_OBJECT

public:
    ReplacementImageLoadingOverlay(QWidget* parent, Scheduler& scheduler, MotionPreference& motion);
};

}  // namespace vlt
