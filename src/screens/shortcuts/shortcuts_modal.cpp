#include "screens/shortcuts/shortcuts_modal.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <map>

#include "screens/shortcuts/gesture_chip.h"
#include "model/app_model.h"
#include "screens/shortcuts/shortcut_reference_group.h"
#include "foundation/localized_string.h"
#include "ui/modal_close_button.h"
#include "ui/modal_footer.h"
#include "ui/modal_header.h"
#include "ui/modal_surface.h"
#include "ui/settings_palette.h"
#include "ui/settings_primary_button_style.h"
#include "ui/text_style.h"
#include "ui/vertical_scroll_area.h"

namespace vlt {
namespace {

void setTextColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    widget.setPalette(palette);
}

void setWhiteBackground(QWidget& widget) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, Qt::white);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

QFrame* makeRule(QWidget* parent) {
    auto* rule = new QFrame(parent);
    rule->setObjectName(QStringLiteral("shortcutRowRule"));
    rule->setFixedHeight(1);
    QPalette palette = rule->palette();
    palette.setColor(QPalette::Window, SettingsPalette::hairline());
    rule->setPalette(palette);
    rule->setAutoFillBackground(true);
    return rule;
}

// The white card of one group: a rounded outline in the border colour around the rows.
class GroupCard final : public QWidget {
public:
    explicit GroupCard(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("shortcutGroupCard")); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(SettingsPalette::border(), 1.0));
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6.5, 6.5);
    }
};

QWidget* makeRow(const ShortcutReferenceEntry& entry, QWidget* parent) {
    auto* row = new QWidget(parent);
    row->setObjectName(QStringLiteral("shortcutRow"));
    auto* behavior = new QLabel(entry.behavior, row);
    behavior->setFont(textStyleFont(TextStyle::body));
    behavior->setWordWrap(true);
    behavior->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setTextColour(*behavior, SettingsPalette::bodyInk());
    auto* chip = new GestureChip(entry.gesture, row);

    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(18, 9, 18, 9);
    layout->setSpacing(24);
    layout->addWidget(behavior, 1, Qt::AlignVCenter);
    layout->addWidget(chip, 0, Qt::AlignVCenter);
    return row;
}

QWidget* makeGroupSection(const ShortcutReferenceGroup& group, QWidget* parent) {
    auto* section = new QWidget(parent);
    section->setObjectName(QStringLiteral("shortcutGroup"));
    auto* title = new QLabel(group.title, section);
    title->setObjectName(QStringLiteral("shortcutGroupTitle"));
    title->setFont(textStyleFont(TextStyle::title3, QFont::DemiBold));
    setTextColour(*title, SettingsPalette::ink());

    auto* card = new GroupCard(section);
    auto* rows = new QVBoxLayout(card);
    rows->setContentsMargins(1, 1, 1, 1);
    rows->setSpacing(0);
    bool first = true;
    for (const ShortcutReferenceEntry& entry : group.entries) {
        if (!first) rows->addWidget(makeRule(card));
        rows->addWidget(makeRow(entry, card));
        first = false;
    }

    auto* layout = new QVBoxLayout(section);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(9);
    layout->addWidget(title);
    layout->addWidget(card);
    return section;
}

}  // namespace

ShortcutsModal::ShortcutsModal(AppModel& model, QWidget* parent, Scheduler& scheduler, MotionPreference& motion)
    : ModalHost(surfaceMetrics(), parent, scheduler, motion), model_(&model) {
    setObjectName(QStringLiteral("shortcutsModal"));
    static const QString title = localizedString("Shortcuts");
    static const QString subtitle = localizedString("Keyboard and mouse controls for editing quickly.");
    static const QString closeLabel = localizedString("Close Shortcuts");
    static const QString closeTitle = localizedString("Close");

    auto* header = new ModalHeader(title, subtitle, closeLabel, surface());
    headerCloseButton_ = header->closeButton();
    headerCloseButton_->setForegroundColour(SettingsPalette::bodyInk());
    connect(header, &ModalHeader::closeClicked, this, [this] { close(); });

    auto* footer = new ModalFooter(10, surface());
    footerCloseButton_ = new QPushButton(closeTitle, footer);
    SettingsPrimaryButtonStyle::apply(*footerCloseButton_);
    footerCloseButton_->setAccessibleName(closeLabel);
    connect(footerCloseButton_, &QPushButton::clicked, this, [this] { close(); });
    footer->row()->addStretch(1);
    footer->row()->addWidget(footerCloseButton_);

    surface()->column()->addWidget(header);
    surface()->column()->addWidget(buildGroupList(), 1);
    surface()->column()->addWidget(footer);

    setInitialFocus(headerCloseButton_);
    setExitCommand([this] { close(); });
    QPointer<AppModel> modelGuard = model_;
    setDismissAction([modelGuard] {
        if (modelGuard) modelGuard->closeShortcuts();
    });
    connect(this, &ModalHost::closingStarted, footerCloseButton_, [this] { footerCloseButton_->setEnabled(false); });
}

QWidget* ShortcutsModal::buildGroupList() {
    auto* groupList = new VerticalScrollArea(surface());
    groupList->setObjectName(QStringLiteral("shortcutGroupList"));
    setWhiteBackground(*groupList->viewport());

    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(32, 24, 32, 8);
    layout->setSpacing(22);
    for (const ShortcutReferenceGroup& group : ShortcutReferenceGroup::all()) {
        layout->addWidget(makeGroupSection(group, content));
    }
    layout->addStretch(1);
    groupList->setContent(content);
    groupList_ = groupList;
    return groupList_;
}

// The list holds no control, so it takes no focus; the keys that scroll it work from
// anywhere in the dialog instead.
void ShortcutsModal::keyPressEvent(QKeyEvent* event) {
    static const std::map<int, QAbstractSlider::SliderAction> scrolling = {
        {Qt::Key_Up, QAbstractSlider::SliderSingleStepSub},   {Qt::Key_Down, QAbstractSlider::SliderSingleStepAdd},
        {Qt::Key_PageUp, QAbstractSlider::SliderPageStepSub}, {Qt::Key_PageDown, QAbstractSlider::SliderPageStepAdd},
        {Qt::Key_Home, QAbstractSlider::SliderToMinimum},     {Qt::Key_End, QAbstractSlider::SliderToMaximum}};
    const auto action = scrolling.find(event->key());
    if (action == scrolling.end() || event->modifiers() != Qt::NoModifier) {
        ModalHost::keyPressEvent(event);
        return;
    }
    groupList_->verticalScrollBar()->triggerAction(action->second);
    event->accept();
}

void ShortcutsModal::close() {
    if (isClosing()) return;
    requestClose();
}

}  // namespace vlt
