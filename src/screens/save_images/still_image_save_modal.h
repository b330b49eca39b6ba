#pragma once

#include <QDateTime>
#include <QPointer>
#include <optional>

#include "model/still_image_save_view_model.h"
#include "ui/modal_host.h"

class QPushButton;

namespace vlt {

class AppModel;
class ModalHeader;
class StillImageFileFormatSection;
class StillImageSaveNavigation;
class StillImageSizeSection;
class StillImageWatermarksSection;
class StillImageWhereWhatSection;
class VerticalScrollArea;

// The in-window Save images dialog: the navigation of its four sections beside the
// selected one, Cancel and Save below. It is a view of its StillImageSaveViewModel
// (which decides everything) and of the model's destination; it closes when the model
// clears its flag, without an animation of its own. Return saves while Save is
// enabled; Escape, Cancel and the close button close unless the folder picker is open.
class StillImageSaveModal final : public ModalHost {
    Q_OBJECT

public:
    static ModalSurfaceMetrics surfaceMetrics() { return {760, 980, 430, 900}; }

    StillImageSaveModal(AppModel& model, QWidget* parent, Scheduler& scheduler, MotionPreference& motion,
                        const QDateTime& now = QDateTime::currentDateTime());

    StillImageSaveViewModel& viewModel() const { return *viewModel_; }
    ModalHeader* header() const { return header_; }
    StillImageSaveNavigation* navigation() const { return navigation_; }
    VerticalScrollArea* contentArea() const { return contentArea_; }
    StillImageWhereWhatSection* whereWhatSection() const { return whereWhat_; }
    StillImageFileFormatSection* fileFormatSection() const { return fileFormat_; }
    StillImageSizeSection* sizeSection() const { return size_; }
    StillImageWatermarksSection* watermarksSection() const { return watermarks_; }
    QWidget* sectionWidget(StillImageSaveSection section) const;
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* saveButton() const { return save_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* buildBody();
    QWidget* buildFooter();
    void refresh();

    StillImageSaveViewModel* viewModel_;
    ModalHeader* header_ = nullptr;
    StillImageSaveNavigation* navigation_ = nullptr;
    VerticalScrollArea* contentArea_ = nullptr;
    StillImageWhereWhatSection* whereWhat_ = nullptr;
    StillImageFileFormatSection* fileFormat_ = nullptr;
    StillImageSizeSection* size_ = nullptr;
    StillImageWatermarksSection* watermarks_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* save_ = nullptr;
    std::optional<StillImageSaveSection> shownSection_;
};

}  // namespace vlt
