#include "app/replacement_image_loading_overlay.h"

#include <QLabel>
#include <QVBoxLayout>

#include "foundation/localized_string.h"
#include "ui/activity_indicator.h"
#include "ui/modal_palette.h"
#include "ui/modal_surface.h"
#include "ui/text_style.h"

namespace vlt {

ReplacementImageLoadingOverlay::ReplacementImageLoadingOverlay(QWidget* parent, Scheduler& scheduler,
                                                               MotionPreference& motion)
    : ModalHost(std::nullopt, parent, scheduler, motion) {
    setObjectName(QStringLiteral("replacementImageLoadingOverlay"));
    setEntrance(Entrance::fade);
    static const QString loadingText = localizedString("Loading image…");
    setAccessibleName(loadingText);
    // Only the import's end removes the card; Escape does nothing here.
    setExitCommand([] {});

    auto* spinner = new ActivityIndicator(ActivityIndicator::large, ModalPalette::accent(), surface());
    auto* label = new QLabel(loadingText, surface());
    label->setFont(textStyleFont(TextStyle::title3, QFont::DemiBold));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ModalPalette::textPrimary());
    label->setPalette(palette);

    QVBoxLayout* column = surface()->column();
    column->setContentsMargins(34, 28, 34, 28);
    column->setSpacing(16);
    column->addWidget(spinner, 0, Qt::AlignHCenter);
    column->addWidget(label, 0, Qt::AlignHCenter);
}

}  // namespace vlt
