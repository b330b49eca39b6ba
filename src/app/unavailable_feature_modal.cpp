#include "app/unavailable_feature_modal.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "foundation/localized_string.h"
#include "ui/modal_footer.h"
#include "ui/modal_header.h"
#include "ui/modal_surface.h"
#include "ui/settings_primary_button_style.h"

namespace vlt {

UnavailableFeatureModal::UnavailableFeatureModal(const QString& title, std::function<void()> dismiss, QWidget* parent,
                                                 Scheduler& scheduler, MotionPreference& motion)
    : ModalHost(std::nullopt, parent, scheduler, motion) {
    setObjectName(QStringLiteral("unavailableFeatureModal"));
    static const QString subtitle = localizedString("This part of Veltrano is not available in this version yet.");
    static const QString closeTitle = localizedString("Close");

    auto* header = new ModalHeader(title, subtitle, closeTitle, surface());
    connect(header, &ModalHeader::closeClicked, this, [this] { requestClose(); });

    auto* footer = new ModalFooter(10, surface());
    closeButton_ = new QPushButton(closeTitle, footer);
    SettingsPrimaryButtonStyle::apply(*closeButton_);
    connect(closeButton_, &QPushButton::clicked, this, [this] { requestClose(); });
    footer->row()->addStretch(1);
    footer->row()->addWidget(closeButton_);

    surface()->column()->addWidget(header);
    surface()->column()->addWidget(footer);

    setInitialFocus(closeButton_);
    setDismissAction(std::move(dismiss));
}

}  // namespace vlt
