#include "screens/start/shortcut_reference.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "model/app_model.h"
#include "screens/start/shortcut_item.h"
#include "screens/start/startup_palette.h"
#include "foundation/localized_string.h"
#include "ui/ink_fitting_label.h"
#include "ui/keyboard_focus.h"
#include "ui/text_style.h"

namespace vlt {
namespace {

QWidget* makeFill(const QColor& colour, QWidget* parent) {
    auto* fill = new QWidget(parent);
    QPalette palette = fill->palette();
    palette.setColor(QPalette::Window, colour);
    fill->setPalette(palette);
    fill->setAutoFillBackground(true);
    return fill;
}

QWidget* makeHorizontalRule(QWidget* parent) {
    QWidget* rule = makeFill(StartupPalette::cardRule(), parent);
    rule->setFixedHeight(1);
    rule->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return rule;
}

// A vertical divider between two shortcut items, one point short of the row's height
// at either end.
QWidget* makeDivider(QWidget* parent) {
    auto* holder = new QWidget(parent);
    holder->setFixedWidth(1);
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 1, 0, 1);
    layout->addWidget(makeFill(StartupPalette::cardRule(), holder));
    return holder;
}

// "All shortcuts": grey text with a solid underline in the card's rule colour.
class UnderlinedLink final : public QAbstractButton {
public:
    UnderlinedLink(const QString& text, QWidget* parent) : QAbstractButton(parent) {
        setText(text);
        setFont(textStyleFont(TextStyle::callout));
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
        setAccessibleName(text);
    }

    QSize sizeHint() const override {
        const QFontMetrics metrics = fontMetrics();
        return {metrics.horizontalAdvance(text()) + 4, metrics.height() + 4};
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QFontMetrics metrics = fontMetrics();
        const QRect textRect = rect().adjusted(2, 0, -2, -2);
        painter.setPen(QColor::fromRgbF(0.48f, 0.53f, 0.51f, isDown() ? 0.7f : 1.0f));
        painter.drawText(textRect, Qt::AlignCenter, text());
        const int baseline =
            (textRect.height() + metrics.ascent() - metrics.descent()) / 2 + metrics.underlinePos() + 1;
        painter.fillRect(QRect(textRect.left(), baseline, textRect.width(), 1), StartupPalette::cardRule());
        if (showsKeyboardFocus(*this)) paintFocusRing(painter, QRectF(rect()), 4.0, StartupPalette::accent());
    }
};

}  // namespace

const QString& ShortcutReference::brushSizeShortcutText() {
    static const QString text = localizedString("Alt + 2-finger scroll\nor mouse wheel");
    return text;
}

const QString& ShortcutReference::panImageShortcutText() {
    static const QString text = localizedString("Middle mouse button + drag\nor Spacebar + drag");
    return text;
}

// Key names, shown as they stand in every language.
QString ShortcutReference::zoomImageShortcutText() { return QStringLiteral("Ctrl + mouse wheel"); }

ShortcutReference::ShortcutReference(AppModel& model, QWidget* parent) : QWidget(parent), model_(&model) {
    auto* titleRow = new QHBoxLayout;
    titleRow->setSpacing(14);
    auto* title = new InkFittingLabel(localizedString("3 SHORTCUTS WORTH KNOWING"), this);
    QFont titleFont = textStyleFont(TextStyle::callout, QFont::DemiBold);
    titleFont.setLetterSpacing(QFont::AbsoluteSpacing, 0.8);
    title->setFont(titleFont);
    title->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    QPalette titlePalette = title->palette();
    titlePalette.setColor(QPalette::WindowText, StartupPalette::accent());
    title->setPalette(titlePalette);
    titleRow->addWidget(makeHorizontalRule(this), 1, Qt::AlignVCenter);
    titleRow->addWidget(title, 0, Qt::AlignVCenter);
    titleRow->addWidget(makeHorizontalRule(this), 1, Qt::AlignVCenter);

    auto* shortcutRow = new QWidget(this);
    shortcutRow->setObjectName(QStringLiteral("shortcutRow"));
    shortcutRow->setMinimumHeight(72);
    auto* items = new QHBoxLayout(shortcutRow);
    items->setContentsMargins(0, 0, 0, 0);
    items->setSpacing(0);
    items->addWidget(new ShortcutItem(localizedString("BRUSH SIZE"), brushSizeShortcutText(), shortcutRow), 1);
    items->addWidget(makeDivider(shortcutRow));
    items->addWidget(new ShortcutItem(localizedString("ZOOM IMAGE"), zoomImageShortcutText(), shortcutRow), 1);
    items->addWidget(makeDivider(shortcutRow));
    items->addWidget(new ShortcutItem(localizedString("PAN IMAGE"), panImageShortcutText(), shortcutRow), 1);

    allShortcutsLink_ = new UnderlinedLink(localizedString("All shortcuts"), this);
    connect(allShortcutsLink_, &QAbstractButton::clicked, this, [this] {
        if (model_) model_->presentShortcuts();
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(titleRow);
    layout->addSpacing(16);
    layout->addWidget(shortcutRow);
    layout->addSpacing(14);
    layout->addWidget(allShortcutsLink_, 0, Qt::AlignHCenter);
}

}  // namespace vlt
