#include "settings_feedback/settings_navigation_rail.h"

#include <QPainter>
#include <QVBoxLayout>

#include "ui/keyboard_focus.h"
#include "ui/modal_palette.h"
#include "ui/text_style.h"

namespace vlt {
namespace {

constexpr double kBarCornerRadius = 2.0;
constexpr float kFocusRingOpacity = 0.55f;

}  // namespace

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

void SettingsRailEntry::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(rect());
    if (isSelected()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(ModalPalette::selectionFill());
        painter.drawRoundedRect(area, cornerRadius, cornerRadius);
        painter.setBrush(ModalPalette::accent());
        const QRectF bar(0.0, (area.height() - barHeight) / 2.0, barWidth, barHeight);
        painter.drawRoundedRect(bar, kBarCornerRadius, kBarCornerRadius);
    }
    if (showsKeyboardFocus(*this)) {
        QColor ring = ModalPalette::accent();
        ring.setAlphaF(kFocusRingOpacity);
        painter.setPen(QPen(ring, 2.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(area.adjusted(1.0, 1.0, -1.0, -1.0), cornerRadius - 1.0, cornerRadius - 1.0);
    }
    painter.setPen(ModalPalette::accent());
    painter.setFont(font());
    const QRect label = rect().adjusted(horizontalPadding, 0, -horizontalPadding, 0);
    painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text(), Qt::ElideRight, label.width()));
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

void SettingsNavigationRail::setSelectedSection(SettingsSection section) {
    for (const auto& [entrySection, entry] : entries_) entry->setSelected(entrySection == section);
}

void SettingsNavigationRail::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ModalPalette::headerFill());
}

}  // namespace vlt
