#include "screens/crop/crop_toolbar.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

#include "model/app_model.h"
#include "model/settings_section.h"
#include "foundation/localized_string.h"
#include "screens/crop/crop_asset_image.h"
#include "screens/crop/crop_command_button.h"
#include "screens/crop/crop_go_to_editor_button.h"
#include "screens/crop/crop_palette.h"
#include "ui/activity_indicator.h"
#include "ui/keyboard_focus.h"
#include "ui/text_style.h"

namespace vlt {

namespace {

// The application logo, clipped to a rounded square; decorative.
class ToolbarLogo final : public QWidget {
public:
    ToolbarLogo() {
        setFixedSize(38, 38);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath clip;
        clip.addRoundedRect(QRectF(rect()), 8, 8);
        painter.setClipPath(clip);
        CropAssetImage::draw(painter, QStringLiteral("vlt-rounded-logo"), QRectF(rect()));
    }
};

// A plain button showing the settings artwork in a 30-point frame.
class SettingsButton final : public QAbstractButton {
public:
    SettingsButton() {
        setFixedSize(30, 30);
        setFocusPolicy(Qt::TabFocus);
        const QString settings = localizedString("Settings");
        setAccessibleName(settings);
        setToolTip(settings);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        if (!isEnabled())
            painter.setOpacity(0.4);
        else if (isDown())
            painter.setOpacity(0.7);
        CropAssetImage::draw(painter, QStringLiteral("settings-sliders"), QRectF(rect()));
        if (showsKeyboardFocus(*this)) paintFocusRing(painter, QRectF(rect()), 6.0, CropPalette::accent());
    }
};

}  // namespace

CropToolbar::CropToolbar(AppModel& model, QWidget* parent) : QWidget(parent), model_(model) {
    setFixedHeight(kHeight);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(14, 0, 14, 1);
    row->setSpacing(12);

    row->addWidget(new ToolbarLogo);
    auto* divider = new QWidget;
    divider->setFixedSize(1, 34);
    divider->setAutoFillBackground(true);
    QPalette dividerPalette = divider->palette();
    dividerPalette.setColor(QPalette::Window, CropPalette::hairline());
    divider->setPalette(dividerPalette);
    row->addWidget(divider);

    openButton_ = new CropCommandButton(localizedString("Open another image"));
    openButton_->setToolTip(localizedString("Choose another local photograph"));
    row->addWidget(openButton_);

    loading_ = new QWidget;
    auto* loadingRow = new QHBoxLayout(loading_);
    loadingRow->setContentsMargins(0, 0, 0, 0);
    loadingRow->setSpacing(8);
    loadingRow->addWidget(new ActivityIndicator(ActivityIndicator::small, CropPalette::secondaryText()));
    auto* loadingText = new QLabel(localizedString("Loading image…"));
    loadingText->setFont(textStyleFont(TextStyle::callout));
    QPalette loadingPalette = loadingText->palette();
    loadingPalette.setColor(QPalette::WindowText, CropPalette::secondaryText());
    loadingText->setPalette(loadingPalette);
    loadingRow->addWidget(loadingText);
    row->addWidget(loading_);
    row->addStretch(1);

    goToEditorButton_ = new CropGoToEditorButton;
    row->addWidget(goToEditorButton_);
    settingsButton_ = new SettingsButton;
    row->addWidget(settingsButton_);

    connect(openButton_, &QAbstractButton::clicked, this, [this] { model_.openImagePicker(); });
    connect(goToEditorButton_, &QAbstractButton::clicked, this, [this] { model_.goToEditor(); });
    connect(settingsButton_, &QAbstractButton::clicked, this,
            [this] { model_.presentSettings(SettingsSection::contactInformation); });
    for (auto signal :
         {&AppModel::canGoToEditorChanged, &AppModel::importStateChanged, &AppModel::editorStateChanged}) {
        connect(&model_, signal, this, &CropToolbar::refresh);
    }
    refresh();
}

void CropToolbar::refresh() {
    const bool enabled = model_.canGoToEditor();
    openButton_->setEnabled(enabled);
    goToEditorButton_->setEnabled(enabled);
    settingsButton_->setEnabled(enabled);
    const ImportState& importState = model_.importState();
    loading_->setVisible(importState.isImporting && !importState.isReplacingCropImage);
    goToEditorButton_->setBusy(model_.editorState().isPreparingEditor);
}

void CropToolbar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.fillRect(QRect(0, height() - 1, width(), 1), CropPalette::hairline());
}

}  // namespace vlt
