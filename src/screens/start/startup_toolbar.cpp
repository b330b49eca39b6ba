#include "screens/start/startup_toolbar.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QIcon>
#include <QPainter>

#include "model/app_model.h"
#include "screens/start/startup_palette.h"
#include "foundation/localized_string.h"
#include "ui/keyboard_focus.h"
#include "ui/text_style.h"

namespace vlt {
namespace {

// "Settings" beside the sliders icon, plain (no bezel), 42 points high.
class SettingsButton final : public QAbstractButton {
public:
    explicit SettingsButton(QWidget* parent)
        : QAbstractButton(parent), icon_(QStringLiteral(":/icons/settings-sliders.svg")) {
        static const QString title = localizedString("Settings");
        setText(title);
        setAccessibleName(title);
        setFont(textStyleFont(TextStyle::body, QFont::DemiBold));
        setFocusPolicy(Qt::StrongFocus);
        setFixedHeight(42);
        setAttribute(Qt::WA_Hover);
    }

    QSize sizeHint() const override { return {10 + 30 + 8 + fontMetrics().horizontalAdvance(text()) + 10, 42}; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        if (underMouse() || isDown()) {
            QColor wash = StartupPalette::accent();
            wash.setAlphaF(isDown() ? 0.12f : 0.06f);
            painter.setPen(Qt::NoPen);
            painter.setBrush(wash);
            painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8.0, 8.0);
        }
        const QRect iconRect(10, (height() - 30) / 2, 30, 30);
        icon_.paint(&painter, iconRect);
        painter.setPen(StartupPalette::accent());
        painter.drawText(QRect(iconRect.right() + 1 + 8, 0, width(), height()), Qt::AlignVCenter | Qt::AlignLeft,
                         text());
        if (showsKeyboardFocus(*this)) paintFocusRing(painter, QRectF(rect()), 8.0, StartupPalette::accent());
    }

private:
    QIcon icon_;
};

}  // namespace

StartupToolbar::StartupToolbar(AppModel& model, QWidget* parent) : QWidget(parent), model_(&model) {
    setFixedHeight(height);
    settingsButton_ = new SettingsButton(this);
    connect(settingsButton_, &QAbstractButton::clicked, this, [this] {
        if (model_) model_->presentSettings(SettingsSection::contactInformation);
    });
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 0, 12, 1);
    layout->addStretch(1);
    layout->addWidget(settingsButton_, 0, Qt::AlignVCenter);
}

void StartupToolbar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.fillRect(QRect(0, height - 1, width(), 1), StartupPalette::hairline());
}

}  // namespace vlt
