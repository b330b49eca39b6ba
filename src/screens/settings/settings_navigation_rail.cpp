#include "screens/settings/settings_navigation_rail.h"

#include <QKeyEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "ui/keyboard_focus.h"
#include "ui/modal_navigation_row_painting.h"
#include "ui/modal_palette.h"
#include "ui/text_style.h"

namespace vlt {
namespace {}  // namespace

SettingsRailEntry::SettingsRailEntry(SettingsSection section, QWidget* parent)
    : QAbstractButton(parent), section_(section) {
    setText(settingsSectionTitle(section));
    setAccessibleName(settingsSectionAccessibilityLabel(section));
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::ArrowCursor);
    setFixedHeight(height);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFont(textStyleFont(TextStyle::body));
}

void SettingsRailEntry::setSelected(bool selected) {
    if (selected == isChecked()) return;
    setChecked(selected);
    setFont(textStyleFont(TextStyle::body, selected ? QFont::DemiBold : QFont::Normal));
    update();
}

QSize SettingsRailEntry::sizeHint() const {
    const QFontMetrics metrics(textStyleFont(TextStyle::body, QFont::DemiBold));
    return {metrics.horizontalAdvance(text()) + 2 * horizontalPadding, height};
}

QSize SettingsRailEntry::minimumSizeHint() const {
    return {modalNavigationRowMinimumWidth(*this, {horizontalPadding, cornerRadius, barWidth, barHeight}), height};
}

void SettingsRailEntry::paintEvent(QPaintEvent*) {
    paintModalNavigationRow(*this, isSelected(), ModalPalette::accent(),
                            {horizontalPadding, cornerRadius, barWidth, barHeight});
}

SettingsNavigationRail::SettingsNavigationRail(QWidget* parent) : QWidget(parent) {
    setFixedWidth(width);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 18, 12, 18);
    column->setSpacing(2);
    for (const SettingsSection section : kAllSettingsSections) {
        auto* entry = new SettingsRailEntry(section, this);
        connect(entry, &QAbstractButton::clicked, this, [this, section] { emit sectionClicked(section); });
        entries_[section] = entry;
        column->addWidget(entry);
    }
    column->addStretch(1);
}

// An entry opens its section: Return does so as Space does, as on a list's row.
void SettingsRailEntry::keyPressEvent(QKeyEvent* event) {
    if (!isPlainReturn(*event) || isSelected()) {
        QAbstractButton::keyPressEvent(event);
        return;
    }
    event->accept();
    click();
}

void SettingsNavigationRail::setSelectedSection(SettingsSection section) {
    for (const auto& [entrySection, entry] : entries_) entry->setSelected(entrySection == section);
}

void SettingsNavigationRail::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ModalPalette::headerFill());
}

}  // namespace vlt
