#include "app/graphics_failure_overlay.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/model/app_model.h"
#include "foundation/localized_string.h"
#include "ui/modal_footer.h"
#include "ui/modal_header.h"
#include "ui/modal_palette.h"
#include "ui/modal_surface.h"
#include "ui/settings_primary_button_style.h"
#include "ui/settings_secondary_button_style.h"
#include "ui/text_style.h"

namespace vlt {

const QString& GraphicsFailureOverlay::message() {
    static const QString text =
        localizedString("The original image file was not changed.") + QLatin1Char(' ') +
        localizedString("Close and reopen Veltrano before editing this image again.") + QLatin1Char(' ') +
        localizedString("Changes made in the current editor session have not been saved.") + QStringLiteral("\n\n") +
        localizedString("If the problem persists, contact support at") + QLatin1Char(' ') +
        QString::fromLatin1(supportEmailAddress) + QLatin1Char('.');
    return text;
}

GraphicsFailureOverlay::GraphicsFailureOverlay(AppModel& model, std::function<void()> quitApplication, QWidget* parent,
                                               Scheduler& scheduler, MotionPreference& motion)
    : ModalHost(std::nullopt, parent, scheduler, motion), model_(&model) {
    setObjectName(QStringLiteral("graphicsFailureOverlay"));
    auto* header = new ModalHeader(localizedString("GPU editor unavailable"),
                                   localizedString("The editing canvas cannot be used."),
                                   localizedString("Close GPU editor error"), surface());
    connect(header, &ModalHeader::closeClicked, this, [this] { closeCard(); });

    // The padding belongs to a layout around the label: the label's own margins were lost
    // once the card was shown, leaving the text against the card's edge.
    auto* body = new QWidget(surface());
    body->setFixedWidth(560);
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(28, 22, 28, 22);
    auto* text = new QLabel(message(), body);
    text->setObjectName(QStringLiteral("graphicsFailureMessage"));
    text->setWordWrap(true);
    text->setFont(textStyleFont(TextStyle::body));
    QPalette palette = text->palette();
    palette.setColor(QPalette::WindowText, ModalPalette::errorText());
    text->setPalette(palette);
    bodyLayout->addWidget(text);

    auto* footer = new ModalFooter(10, surface());
    quitButton_ = new QPushButton(localizedString("Quit Veltrano"), footer);
    SettingsSecondaryButtonStyle::apply(*quitButton_);
    closeButton_ = new QPushButton(localizedString("Close"), footer);
    SettingsPrimaryButtonStyle::apply(*closeButton_);
    footer->row()->addStretch(1);
    footer->row()->addWidget(quitButton_);
    footer->row()->addWidget(closeButton_);
    connect(quitButton_, &QPushButton::clicked, this, [quit = std::move(quitApplication)] {
        if (quit) quit();
    });
    connect(closeButton_, &QPushButton::clicked, this, [this] { closeCard(); });

    surface()->column()->addWidget(header);
    surface()->column()->addWidget(body);
    surface()->column()->addWidget(footer);

    setInitialFocus(closeButton_);
    setExitCommand([this] { closeCard(); });
    QPointer<AppModel> guard = model_;
    setDismissAction([guard] {
        if (guard) guard->closeGraphicsFailure();
    });
}

void GraphicsFailureOverlay::closeCard() { requestClose(); }

}  // namespace vlt
