#include "screens/crop/crop_transform_pop_up_button.h"

#include <cmath>

#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QProxyStyle>
#include <QShortcutEvent>

#include "foundation/localized_string.h"
#include "screens/crop/crop_accessibility.h"
#include "screens/crop/crop_asset_image.h"
#include "screens/crop/crop_palette.h"
#include "ui/keyboard_focus.h"
#include "ui/srgb_color.h"
#include "ui/text_style.h"

namespace vlt {

namespace {

constexpr int kIconSide = 22;
constexpr int kFlipIconSide = 17;
constexpr double kIconToTitle = 30;
constexpr double kTitleToBadge = 8;
constexpr double kBadgeToChevron = 8;
constexpr double kChevronWidth = 8;
constexpr double kChevronHeight = 5;
constexpr double kMinimumLeading = 14;

const QString& widestAngle() {
    static const QString text = QStringLiteral("270°");
    return text;
}

const QString& helpText() {
    static const QString text = localizedString("Rotate or flip the source image");
    return text;
}

// Menu icons are shown at the size of the largest one.
class CropTransformMenuStyle final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_SmallIconSize) return kIconSide;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

QIcon menuIcon(const QString& assetName, int side, bool mirrored) {
    const QPixmap picture = CropAssetImage::pixmap(assetName, side, mirrored, 2.0);
    return picture.isNull() ? QIcon() : QIcon(picture);
}

}  // namespace

const QString& CropTransformPopUpButton::title() {
    static const QString text = localizedString("Crop - Flip");
    return text;
}

QFont CropTransformPopUpButton::titleFont() { return textStyleFont(TextStyle::body); }

QFont CropTransformPopUpButton::angleFont() {
    QFont font = textStyleFont(TextStyle::body, QFont::DemiBold);
    font.setPixelSize(12);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

CropTransformPopUpButton::CropTransformPopUpButton(QWidget* parent) : QToolButton(parent), menu_(new QMenu(this)) {
    CropAccessibility::setValue(*this, angleText_);
    setPopupMode(QToolButton::InstantPopup);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(title());
    setToolTip(helpText());
    setAccessibleDescription(helpText());
    buildMenu();
    setMenu(menu_);
    rotateLeftShortcut_ = grabShortcut(QKeySequence(Qt::CTRL | Qt::Key_BracketLeft), Qt::WindowShortcut);
    rotateRightShortcut_ = grabShortcut(QKeySequence(Qt::CTRL | Qt::Key_BracketRight), Qt::WindowShortcut);
}

void CropTransformPopUpButton::buildMenu() {
    auto* style = new CropTransformMenuStyle;
    style->setParent(menu_);
    menu_->setStyle(style);
    const auto add = [this](const char* text, CropTransformCommand command, QIcon icon, QKeySequence keys) {
        // The keys are shown after a tab, where menus show shortcuts; the button grabs
        // them for the whole window, so the action itself must not claim them too.
        QString title = localizedString(text);
        if (!keys.isEmpty()) title += QLatin1Char('\t') + keys.toString(QKeySequence::NativeText);
        QAction* action = menu_->addAction(std::move(icon), title);
        action->setIconVisibleInMenu(true);
        connect(action, &QAction::triggered, this, [this, command] { run(command); });
    };
    add(QT_TRANSLATE_NOOP("Veltrano", "Rotate left"), CropTransformCommand::rotateLeft,
        menuIcon(QStringLiteral("crop-rotate"), kIconSide, false), QKeySequence(Qt::CTRL | Qt::Key_BracketLeft));
    add(QT_TRANSLATE_NOOP("Veltrano", "Rotate right"), CropTransformCommand::rotateRight,
        menuIcon(QStringLiteral("crop-rotate"), kIconSide, true), QKeySequence(Qt::CTRL | Qt::Key_BracketRight));
    menu_->addSeparator();
    add(QT_TRANSLATE_NOOP("Veltrano", "Flip horizontal"), CropTransformCommand::flipHorizontal,
        menuIcon(QStringLiteral("crop-flip-horizontal"), kFlipIconSide, false), {});
    add(QT_TRANSLATE_NOOP("Veltrano", "Flip vertical"), CropTransformCommand::flipVertical,
        menuIcon(QStringLiteral("crop-flip-vertical"), kFlipIconSide, false), {});
    menu_->addSeparator();
    add(QT_TRANSLATE_NOOP("Veltrano", "Reset orientation"), CropTransformCommand::resetOrientation, QIcon(), {});
}

void CropTransformPopUpButton::refresh(const QString& angle, bool isMirrored, Perform perform) {
    performKeyboardCommand_ = std::move(perform);
    if (angle != angleText_) {
        angleText_ = angle;
        updateGeometry();
        QWidget::update();
    }
    CropAccessibility::setValue(*this, isMirrored ? localizedString("%1, mirrored").arg(angle) : angle);
}

void CropTransformPopUpButton::run(CropTransformCommand command) {
    if (performKeyboardCommand_) performKeyboardCommand_(command);
}

bool CropTransformPopUpButton::performKeyEquivalent(const QKeyEvent& event) {
    if (!isEnabled()) return false;
    const Qt::KeyboardModifiers relevant =
        event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (relevant != Qt::ControlModifier) return false;
    CropTransformCommand command;
    if (event.key() == Qt::Key_BracketLeft) {
        command = CropTransformCommand::rotateLeft;
    } else if (event.key() == Qt::Key_BracketRight) {
        command = CropTransformCommand::rotateRight;
    } else {
        return false;
    }
    if (!performKeyboardCommand_) return false;
    performKeyboardCommand_(command);
    return true;
}

bool CropTransformPopUpButton::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        const int id = shortcut->shortcutId();
        if (id == rotateLeftShortcut_ || id == rotateRightShortcut_) {
            const int key = id == rotateLeftShortcut_ ? Qt::Key_BracketLeft : Qt::Key_BracketRight;
            const QKeyEvent press(QEvent::KeyPress, key, Qt::ControlModifier);
            performKeyEquivalent(press);
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress && performKeyEquivalent(*static_cast<QKeyEvent*>(event))) return true;
    return QToolButton::event(event);
}

QSize CropTransformPopUpButton::sizeHint() const {
    const double titleWidth = QFontMetricsF(titleFont()).horizontalAdvance(title());
    const double angleWidth = QFontMetricsF(angleFont()).horizontalAdvance(widestAngle());
    const double content = titleWidth + 22 + (angleWidth + 12) + 8 + 24 + 28;
    return {static_cast<int>(std::ceil(std::max(content, double(kMinimumWidth)))), kHeight};
}

void CropTransformPopUpButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled()) painter.setOpacity(0.5);
    const QRectF bounds(rect());
    const double h = bounds.height();

    QPainterPath frame;
    frame.addRoundedRect(bounds.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    painter.fillPath(frame, Qt::white);
    painter.setPen(QPen(makeSRGBColor(0.784, 0.824, 0.831), 1.0));
    painter.drawPath(frame);

    const QFontMetricsF titleMetrics(titleFont());
    const QFontMetricsF angleMetrics(angleFont());
    const double titleWidth = titleMetrics.horizontalAdvance(title());
    const double titleHeight = titleMetrics.height();
    const double angleWidth = angleMetrics.horizontalAdvance(angleText_);
    const double angleHeight = angleMetrics.height();
    const QSizeF badge(angleWidth + 12, angleHeight + 4);
    const double content = titleWidth + 22 + badge.width() + 8 + 24;
    const double x = std::max((bounds.width() - content) / 2, kMinimumLeading);

    CropAssetImage::draw(painter, QStringLiteral("crop-rotate"), QRectF(x, (h - kIconSide) / 2, kIconSide, kIconSide));

    painter.setFont(titleFont());
    painter.setPen(makeSRGBColor(0.086, 0.298, 0.322));
    painter.drawText(QRectF(x + kIconToTitle, (h - titleHeight) / 2, titleWidth + 1, titleHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, title());

    const QRectF badgeRect(x + kIconToTitle + titleWidth + kTitleToBadge, (h - badge.height()) / 2, badge.width(),
                           badge.height());
    QPainterPath badgeShape;
    badgeShape.addRoundedRect(badgeRect, 5, 5);
    painter.fillPath(badgeShape, makeSRGBColor(0.941, 0.937, 0.922));
    painter.setFont(angleFont());
    painter.setPen(makeSRGBColor(0.063, 0.176, 0.196));
    painter.drawText(badgeRect, Qt::AlignCenter, angleText_);

    const QRectF chevron(badgeRect.right() + kBadgeToChevron, (h - kChevronHeight) / 2, kChevronWidth, kChevronHeight);
    QPainterPath vee;
    vee.moveTo(chevron.topLeft());
    vee.lineTo(chevron.center().x(), chevron.bottom());
    vee.lineTo(chevron.topRight());
    painter.setPen(QPen(makeSRGBColor(0.478, 0.576, 0.596), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(vee);
    if (showsKeyboardFocus(*this)) paintFocusRing(painter, frame, CropPalette::accent());
}

}  // namespace vlt
