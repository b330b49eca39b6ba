#include "screens/save_images/still_image_save_navigation.h"

#include <QKeyEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "ui/keyboard_focus.h"
#include "ui/modal_navigation_row_painting.h"
#include "ui/modal_palette.h"
#include "ui/text_style.h"

namespace vlt {
namespace {}  // namespace

StillImageSaveNavigationRow::StillImageSaveNavigationRow(StillImageSaveSection section, QWidget* parent)
    : QAbstractButton(parent) {
    setText(stillImageSaveSectionTitle(section));
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setFixedHeight(height);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFont(textStyleFont(TextStyle::body));
}

void StillImageSaveNavigationRow::setSelected(bool selected) {
    if (selected == isChecked()) return;
    setChecked(selected);
    setFont(textStyleFont(TextStyle::body, selected ? QFont::DemiBold : QFont::Normal));
    update();
}

QSize StillImageSaveNavigationRow::sizeHint() const {
    const QFontMetrics metrics(textStyleFont(TextStyle::body, QFont::DemiBold));
    return {metrics.horizontalAdvance(text()) + 2 * horizontalPadding, height};
}

QSize StillImageSaveNavigationRow::minimumSizeHint() const {
    return {modalNavigationRowMinimumWidth(*this, {horizontalPadding, cornerRadius, barWidth, barHeight}), height};
}

void StillImageSaveNavigationRow::paintEvent(QPaintEvent*) {
    paintModalNavigationRow(*this, isSelected(), ModalPalette::textPrimary(),
                            {horizontalPadding, cornerRadius, barWidth, barHeight});
}

// A row opens its section: Return does so as Space does, where the dialog would
// otherwise take it for Save. On the section already open (where the keyboard starts)
// Return is still Save.
void StillImageSaveNavigationRow::keyPressEvent(QKeyEvent* event) {
    if (!isPlainReturn(*event) || isSelected()) {
        QAbstractButton::keyPressEvent(event);
        return;
    }
    event->accept();
    click();
}

StillImageSaveNavigation::StillImageSaveNavigation(QWidget* parent) : QWidget(parent) {
    setFixedWidth(width);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 18, 12, 18);
    column->setSpacing(2);
    for (const StillImageSaveSection section : kAllStillImageSaveSections) {
        auto* row = new StillImageSaveNavigationRow(section, this);
        connect(row, &QAbstractButton::clicked, this, [this, section] { emit sectionClicked(section); });
        rows_[section] = row;
        column->addWidget(row);
    }
    column->addStretch(1);
}

void StillImageSaveNavigation::setSelectedSection(StillImageSaveSection section) {
    for (const auto& [rowSection, row] : rows_) row->setSelected(rowSection == section);
}

void StillImageSaveNavigation::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ModalPalette::headerFill());
}

}  // namespace vlt
