#include "screens/crop/crop_preset_button.h"

#include <algorithm>

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>

#include "foundation/localized_string.h"
#include "screens/crop/crop_accessibility.h"
#include "screens/crop/crop_palette.h"
#include "ui/keyboard_focus.h"
#include "ui/text_style.h"

namespace vlt {

namespace {

const QString& selectedText() {
    static const QString text = localizedString("Selected");
    return text;
}

const QString& notSelectedText() {
    static const QString text = localizedString("Not selected");
    return text;
}

// A title's trailing ratio ("16:9"), which tells the presets apart and so is never cut.
const QRegularExpression& trailingRatio() {
    static const QRegularExpression ratio(QStringLiteral("\\s+\\d+:\\d+$"));
    return ratio;
}

// Every glyph is centred in a slot as tall as the tallest one, so the titles of a grid
// row stand on one line.
int glyphSlotHeight() {
    int tallest = 0;
    for (const CropPreset preset : kAllCropPresets) tallest = std::max(tallest, cropPresetGlyphSize(preset).height());
    return tallest;
}

}  // namespace

CropPresetButton::CropPresetButton(CropPreset preset, QWidget* parent) : QAbstractButton(parent), preset_(preset) {
    CropAccessibility::setValue(*this, notSelectedText());
    setText(cropPresetTitle(preset));
    setFont(textStyleFont(TextStyle::subheadline));
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setObjectName(QString::fromLatin1(rawValue(preset).data(), static_cast<qsizetype>(rawValue(preset).size())));
    setAccessibleName(cropPresetTitle(preset));
    setAccessibleDescription(localizedString("Select this crop aspect ratio"));
}

void CropPresetButton::setSelected(bool selected) {
    if (selected == isSelected_) return;
    isSelected_ = selected;
    CropAccessibility::setValue(*this, selected ? selectedText() : notSelectedText());
    CropAccessibility::setSelected(*this, selected);
    update();
}

QSize CropPresetButton::sizeHint() const {
    const QFontMetrics metrics(font());
    const int height = glyphSlotHeight() + kGlyphToTitle + metrics.height() + 16;
    return {std::max(10, metrics.horizontalAdvance(text()) + 8), std::max(kMinimumHeight, height)};
}

QSize CropPresetButton::minimumSizeHint() const { return {10, sizeHint().height()}; }

QRectF CropPresetButton::titleRect() const {
    const QFontMetricsF metrics(font());
    const int slot = glyphSlotHeight();
    const double top = (height() - (slot + kGlyphToTitle + metrics.height())) / 2;
    return {2, top + slot + kGlyphToTitle, width() - 4.0, metrics.height()};
}

QString CropPresetButton::shownTitle() const {
    const QFontMetricsF metrics(font());
    const double room = titleRect().width();
    if (metrics.horizontalAdvance(text()) <= room) return text();
    const QRegularExpressionMatch ratio = trailingRatio().match(text());
    if (!ratio.hasMatch()) return metrics.elidedText(text(), Qt::ElideRight, room);
    const QString ratioText = ratio.captured();
    const QString name = metrics.elidedText(text().left(ratio.capturedStart()), Qt::ElideRight,
                                            room - metrics.horizontalAdvance(ratioText));
    return name.isEmpty() ? ratioText.trimmed() : name + ratioText;
}

void CropPresetButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(bounds, kCornerRadius, kCornerRadius);
    painter.fillPath(shape, isSelected_ ? CropPalette::accentWash() : QColor(Qt::white));
    painter.setPen(QPen(isSelected_ ? CropPalette::selectedBorder() : CropPalette::hairline(), 1));
    painter.drawPath(shape);
    // The ring of every other control, inside the outline, which stays as it is: with the
    // gap between them a focused tile never looks merely selected. Drawn under the
    // title, which may run close to the edges.
    if (showsKeyboardFocus(*this)) {
        constexpr double inset = 3.0;
        paintFocusRing(painter, bounds.adjusted(inset, inset, -inset, -inset), kCornerRadius - inset,
                       CropPalette::accent());
    }

    const QSize glyph = cropPresetGlyphSize(preset_);
    const int slot = glyphSlotHeight();
    const QRectF title = titleRect();
    const double top = title.top() - kGlyphToTitle - slot;
    const QRectF glyphRect((width() - glyph.width()) / 2.0, top + (slot - glyph.height()) / 2.0, glyph.width(),
                           glyph.height());
    QPen outline(CropPalette::accent(), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (preset_ == CropPreset::free) outline.setDashPattern({3, 2});
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(glyphRect.adjusted(0.5, 0.5, -0.5, -0.5));

    painter.setPen(isSelected_ ? CropPalette::accent() : CropPalette::bodyText());
    painter.drawText(title, Qt::AlignHCenter | Qt::AlignTop, shownTitle());
}

void CropPresetButton::resizeEvent(QResizeEvent* event) {
    QAbstractButton::resizeEvent(event);
    setToolTip(shownTitle() == text() ? QString() : text());
}

void CropPresetButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
        event->ignore();
        return;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}

void CropPresetButton::focusInEvent(QFocusEvent* event) {
    QAbstractButton::focusInEvent(event);
    emit focusEntered(preset_);
}

void CropPresetButton::focusOutEvent(QFocusEvent* event) {
    QAbstractButton::focusOutEvent(event);
    emit focusLeft(preset_);
}

}  // namespace vlt
