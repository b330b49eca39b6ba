#include "ui/output_progress_overlay.h"

#include <algorithm>
#include <cmath>

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "foundation/localized_string.h"
#include "ui/modal_palette.h"
#include "ui/modal_surface.h"
#include "ui/settings_secondary_button_style.h"
#include "ui/text_style.h"

namespace vlt {

namespace {

constexpr int kRowSpacing = 14;
constexpr int kProgressSpacing = 10;
// The bar's steps: tenths of a percent, so slow progress still moves it.
constexpr int kBarSteps = 1000;

}  // namespace

OutputProgressOverlay::OutputProgressOverlay(OutputProgressContent content, QWidget* parent, Scheduler& scheduler,
                                             MotionPreference& motion)
    : ModalHost(std::nullopt, parent, scheduler, motion), content_(std::move(content)) {
    auto* card = new QWidget(surface());
    card->setFixedWidth(cardWidth);
    auto* column = new QVBoxLayout(card);
    column->setContentsMargins(padding, padding, padding, padding);
    column->setSpacing(kRowSpacing);

    title_ = new QLabel(card);
    title_->setFont(textStyleFont(TextStyle::title2, QFont::DemiBold));
    title_->setWordWrap(true);
    QPalette titlePalette = title_->palette();
    titlePalette.setColor(QPalette::WindowText, ModalPalette::textPrimary());
    title_->setPalette(titlePalette);

    bar_ = new QProgressBar(card);
    bar_->setTextVisible(false);
    QPalette barPalette = bar_->palette();
    barPalette.setColor(QPalette::Highlight, ModalPalette::accent());
    bar_->setPalette(barPalette);
    percentage_ = new QLabel(card);
    QFont percentageFont = textStyleFont(TextStyle::subheadline, QFont::DemiBold);
    percentageFont.setStyleHint(QFont::Monospace);
    percentageFont.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("monospace")});
    percentage_->setFont(percentageFont);
    percentage_->setFixedWidth(percentageWidth);
    percentage_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette percentagePalette = percentage_->palette();
    percentagePalette.setColor(QPalette::WindowText, ModalPalette::textSecondary());
    percentage_->setPalette(percentagePalette);
    auto* progressRow = new QHBoxLayout;
    progressRow->setSpacing(kProgressSpacing);
    progressRow->addWidget(bar_, 1, Qt::AlignVCenter);
    progressRow->addWidget(percentage_, 0, Qt::AlignVCenter);

    cancel_ = new QPushButton(card);
    SettingsSecondaryButtonStyle::apply(*cancel_);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        if (content_.isCancelEnabled && content_.cancelAction) content_.cancelAction();
    });
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(cancel_);

    column->addWidget(title_);
    column->addLayout(progressRow);
    column->addLayout(buttonRow);
    surface()->column()->addWidget(card);
    setInitialFocus(cancel_);
    setExitCommand([] {});
    refresh();
}

QString OutputProgressOverlay::percentageText(double percent) {
    return localizedString("%1%").arg(static_cast<long long>(std::round(percent)));
}

void OutputProgressOverlay::setContent(OutputProgressContent content) {
    content_ = std::move(content);
    refresh();
}

void OutputProgressOverlay::refresh() {
    title_->setText(content_.title);
    if (content_.progress) {
        bar_->setRange(0, kBarSteps);
        const double clamped = std::clamp(*content_.progress, 0.0, 100.0);
        bar_->setValue(static_cast<int>(std::lround(clamped * kBarSteps / 100.0)));
        percentage_->setText(percentageText(*content_.progress));
    } else {
        bar_->setRange(0, 0);
    }
    percentage_->setVisible(content_.progress.has_value());
    cancel_->setText(content_.cancelTitle);
    cancel_->setEnabled(content_.isCancelEnabled);
    surfaceContentChanged();
}

}  // namespace vlt
