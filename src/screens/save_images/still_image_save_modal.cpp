#include "screens/save_images/still_image_save_modal.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "model/app_model.h"
#include "screens/save_images/still_image_file_format_section.h"
#include "screens/save_images/still_image_save_navigation.h"
#include "screens/save_images/still_image_size_section.h"
#include "screens/save_images/still_image_watermarks_section.h"
#include "screens/save_images/still_image_where_what_section.h"
#include "foundation/localized_string.h"
#include "ui/modal_close_button.h"
#include "ui/modal_footer.h"
#include "ui/modal_header.h"
#include "ui/modal_palette.h"
#include "ui/modal_surface.h"
#include "ui/settings_primary_button_style.h"
#include "ui/settings_secondary_button_style.h"
#include "ui/sectioned_modal_body.h"
#include "ui/vertical_scroll_area.h"

namespace vlt {
namespace {}  // namespace

StillImageSaveModal::StillImageSaveModal(AppModel& model, QWidget* parent, Scheduler& scheduler,
                                         MotionPreference& motion, const QDateTime& now)
    : ModalHost(surfaceMetrics(), parent, scheduler, motion),
      viewModel_(new StillImageSaveViewModel(model, now, this)) {
    setObjectName(QStringLiteral("stillImageSaveModal"));
    header_ = new ModalHeader(localizedString("Save images"), localizedString("Choose what to save and where it goes."),
                              localizedString("Close Save images"), surface());
    header_->closeButton()->setToolTip(localizedString("Close"));
    connect(header_, &ModalHeader::closeClicked, viewModel_, &StillImageSaveViewModel::cancel);
    surface()->column()->addWidget(header_);
    surface()->column()->addWidget(buildBody(), 1);
    surface()->column()->addWidget(buildFooter());

    setInitialFocus(navigation_->row(StillImageSaveSection::whereWhat));
    setExitCommand([this] { viewModel_->cancel(); });
    connect(viewModel_, &StillImageSaveViewModel::stateChanged, this, &StillImageSaveModal::refresh);
    refresh();
}

QWidget* StillImageSaveModal::buildBody() {
    navigation_ = new StillImageSaveNavigation(surface());
    connect(navigation_, &StillImageSaveNavigation::sectionClicked, viewModel_,
            &StillImageSaveViewModel::selectSection);
    SectionedModalBody body(surface(), navigation_, QStringLiteral("stillImageSaveContentArea"), 18);
    contentArea_ = body.contentArea();
    QWidget* content = body.content();
    whereWhat_ = new StillImageWhereWhatSection(*viewModel_, content);
    fileFormat_ = new StillImageFileFormatSection(*viewModel_, content);
    size_ = new StillImageSizeSection(*viewModel_, content);
    watermarks_ = new StillImageWatermarksSection(*viewModel_, content);
    for (const StillImageSaveSection section : kAllStillImageSaveSections)
        body.column()->addWidget(sectionWidget(section));
    body.finish();
    return body.widget();
}

QWidget* StillImageSaveModal::buildFooter() {
    auto* footer = new ModalFooter(10, surface());
    cancel_ = new QPushButton(localizedString("Cancel"), footer);
    SettingsSecondaryButtonStyle::apply(*cancel_);
    connect(cancel_, &QPushButton::clicked, viewModel_, &StillImageSaveViewModel::cancel);
    save_ = new QPushButton(localizedString("Save"), footer);
    SettingsPrimaryButtonStyle::apply(*save_);
    save_->setAccessibleName(localizedString("Save images"));
    connect(save_, &QPushButton::clicked, viewModel_, &StillImageSaveViewModel::save);
    footer->row()->addStretch(1);
    footer->row()->addWidget(cancel_);
    footer->row()->addWidget(save_);
    return footer;
}

QWidget* StillImageSaveModal::sectionWidget(StillImageSaveSection section) const {
    switch (section) {
    case StillImageSaveSection::whereWhat:
        return whereWhat_;
    case StillImageSaveSection::fileFormat:
        return fileFormat_;
    case StillImageSaveSection::imageSize:
        return size_;
    case StillImageSaveSection::watermarks:
        return watermarks_;
    }
    return whereWhat_;
}

void StillImageSaveModal::refresh() {
    const StillImageSaveSection selected = viewModel_->selectedSection();
    navigation_->setSelectedSection(selected);
    for (const StillImageSaveSection section : kAllStillImageSaveSections) {
        sectionWidget(section)->setVisible(section == selected);
    }
    if (shownSection_ != selected) {
        shownSection_ = selected;
        contentArea_->verticalScrollBar()->setValue(0);
    }
    whereWhat_->refresh();
    fileFormat_->refresh();
    size_->refresh();
    watermarks_->refresh();
    save_->setEnabled(viewModel_->canSave());
}

void StillImageSaveModal::keyPressEvent(QKeyEvent* event) {
    // Return is the dialog's default action wherever the focus is, except in the
    // address editor, which takes it for a new line, and on a button the keyboard
    // was brought to ("Browse…", Cancel), which it presses.
    if (returnPressesFocusedButton(*event)) return;
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (isReturn && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        if (viewModel_->canSave()) viewModel_->save();
        return;
    }
    ModalHost::keyPressEvent(event);
}

}  // namespace vlt
