#include "screens/crop/crop_inspector.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "model/app_model.h"
#include "foundation/localized_string.h"
#include "import/crop_document.h"
#include "screens/crop/crop_frame_glyph.h"
#include "screens/crop/crop_palette.h"
#include "screens/crop/crop_preset_button.h"
#include "screens/crop/crop_ready_glyph.h"
#include "ui/activity_indicator.h"
#include "ui/ink_fitting_label.h"
#include "ui/text_style.h"
#include "ui/vertical_scroll_area.h"

namespace vlt {

namespace {

void setTextColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget.setPalette(palette);
}

QLabel* makeLabel(const QString& text, TextStyle style, QFont::Weight weight, const QColor& colour) {
    auto* label = new InkFittingLabel(text);
    label->setFont(textStyleFont(style, weight));
    setTextColour(*label, colour);
    return label;
}

// The panel keeps its width in every language: a text longer than the column runs onto
// further lines instead of widening the column past the panel's edge.
QLabel* makeWrappingLabel(const QString& text, TextStyle style, QFont::Weight weight, const QColor& colour) {
    QLabel* label = makeLabel(text, style, weight, colour);
    label->setWordWrap(true);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    label->setSizePolicy(policy);
    return label;
}

QLabel* makeSectionTitle(const char* text, double letterSpacing) {
    QLabel* label =
        makeWrappingLabel(localizedString(text), TextStyle::subheadline, QFont::Bold, CropPalette::secondaryText());
    QFont font = label->font();
    font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    label->setFont(font);
    return label;
}

QWidget* makeDivider() {
    auto* line = new QWidget;
    line->setFixedHeight(1);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, CropPalette::hairline());
    line->setPalette(palette);
    return line;
}

// The heading's icon: the crop glyph on a washed tile.
class FrameGlyphTile final : public QWidget {
public:
    FrameGlyphTile() { setFixedSize(42, 42); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath tile;
        tile.addRoundedRect(QRectF(rect()), 7, 7);
        painter.fillPath(tile, CropPalette::accentWash());
        painter.setPen(QPen(CropPalette::accent(), 1.8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawPath(CropFrameGlyph::path(QRectF(10, 10, 22, 22)));
    }
};

class ReadyGlyph final : public QWidget {
public:
    ReadyGlyph() { setFixedSize(13, 13); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(CropPalette::accent(), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(CropReadyGlyph::path(QRectF(1, 1, 11, 11)));
    }
};

// The filled, outlined box around the selection size.
class SizeBox final : public QWidget {
public:
    SizeBox() { setMinimumHeight(43); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath shape;
        shape.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 9, 9);
        painter.fillPath(shape, CropPalette::sizeBoxFill());
        painter.setPen(QPen(CropPalette::hairline(), 1));
        painter.drawPath(shape);
    }
};

// Hands the arrow keys of its buttons to the inspector.
class PresetGrid final : public QWidget {
public:
    explicit PresetGrid(CropInspector& inspector) : inspector_(inspector) {
        setAccessibleName(localizedString("SELECTION ASPECT RATIO"));
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        switch (event->key()) {
        case Qt::Key_Up:
            inspector_.movePresetFocus(CropInspector::MoveDirection::up);
            break;
        case Qt::Key_Down:
            inspector_.movePresetFocus(CropInspector::MoveDirection::down);
            break;
        case Qt::Key_Left:
            inspector_.movePresetFocus(CropInspector::MoveDirection::left);
            break;
        case Qt::Key_Right:
            inspector_.movePresetFocus(CropInspector::MoveDirection::right);
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
        }
        // A preset reached with the arrows shows its focus ring, as one reached with Tab.
        window()->setAttribute(Qt::WA_KeyboardFocusChange);
        event->accept();
    }

private:
    CropInspector& inspector_;
};

}  // namespace

CropInspector::CropInspector(AppModel& model, std::shared_ptr<CropDocument> document, QWidget* parent)
    : QWidget(parent), model_(model), document_(std::move(document)) {
    setFixedWidth(kWidth);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 0, 0, 0);
    layout->setSpacing(0);
    auto* scroll = new VerticalScrollArea;
    scroll->setContent(makeScrollContent());
    layout->addWidget(scroll, 1);
    layout->addWidget(makeFooter());

    connect(document_.get(), &CropDocument::selectionChanged, this, &CropInspector::refreshSelection);
    connect(&model_, &AppModel::settingsStateChanged, this, &CropInspector::refreshSettings);
    connect(&model_, &AppModel::editorStateChanged, this, &CropInspector::refreshPreparation);
    refreshSelection();
    refreshSettings();
    refreshPreparation();
}

QWidget* CropInspector::makeScrollContent() {
    auto* content = new QWidget;
    content->setAutoFillBackground(true);
    QPalette background = content->palette();
    background.setColor(QPalette::Window, Qt::white);
    content->setPalette(background);
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(18, 24, 18, 24);
    column->setSpacing(0);

    column->addWidget(makeSectionTitle(QT_TRANSLATE_NOOP("Veltrano", "CROP · SOURCE IMAGE"), 1.2));
    column->addSpacing(14);
    auto* heading = new QHBoxLayout;
    heading->setSpacing(10);
    heading->addWidget(new FrameGlyphTile, 0, Qt::AlignVCenter);
    auto* headingTexts = new QVBoxLayout;
    headingTexts->setSpacing(2);
    headingTexts->addWidget(
        makeWrappingLabel(localizedString("Choose the frame"), TextStyle::title2, QFont::DemiBold, CropPalette::ink()));
    headingTexts->addWidget(makeWrappingLabel(localizedString("Non-destructive source crop"), TextStyle::callout,
                                              QFont::Normal, CropPalette::secondaryText()));
    heading->addLayout(headingTexts, 1);
    column->addLayout(heading);
    column->addSpacing(16);
    column->addWidget(makeWrappingLabel(localizedString("Select the area you want to edit. The darker area remains "
                                                        "visible for context but will be excluded from the editor."),
                                        TextStyle::body, QFont::Normal, CropPalette::bodyText()));
    column->addSpacing(18);
    column->addWidget(makeDivider());
    column->addSpacing(18);

    column->addWidget(makeSectionTitle(QT_TRANSLATE_NOOP("Veltrano", "SELECTION ASPECT RATIO"), 1.2));
    column->addSpacing(12);
    auto* grid = new PresetGrid(*this);
    auto* gridLayout = new QGridLayout(grid);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->setHorizontalSpacing(kGridSpacing);
    gridLayout->setVerticalSpacing(kGridSpacing);
    for (CropPreset preset : kAllCropPresets) {
        auto* button = new CropPresetButton(preset);
        const int index = cropPresetIndex(preset);
        presetButtons_[static_cast<std::size_t>(index)] = button;
        gridLayout->addWidget(button, index / kColumns, index % kColumns);
        connect(button, &QAbstractButton::clicked, this, [this, preset] { select(preset); });
        connect(button, &CropPresetButton::focusEntered, this,
                [this](CropPreset entered) { focusedPreset_ = entered; });
        connect(button, &CropPresetButton::focusLeft, this, [this](CropPreset left) {
            if (focusedPreset_ == left) focusedPreset_.reset();
        });
    }
    for (int c = 0; c < kColumns; ++c) gridLayout->setColumnStretch(c, 1);
    column->addWidget(grid);
    column->addSpacing(18);
    column->addWidget(makeDivider());
    column->addSpacing(18);

    column->addWidget(makeSectionTitle(QT_TRANSLATE_NOOP("Veltrano", "SELECTION SIZE"), 1.1));
    column->addSpacing(12);
    auto* sizeBox = new SizeBox;
    auto* sizeRow = new QHBoxLayout(sizeBox);
    sizeRow->setContentsMargins(14, 0, 14, 0);
    // The caption gives way to the readout, which never breaks.
    sizeRow->addWidget(makeWrappingLabel(localizedString("Selection size"), TextStyle::callout, QFont::Normal,
                                         CropPalette::bodyText()),
                       1);
    sizeValue_ = makeLabel(QString(), TextStyle::body, QFont::DemiBold, CropPalette::ink());
    sizeValue_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    sizeRow->addWidget(sizeValue_);
    column->addWidget(sizeBox);
    column->addSpacing(10);
    notice_ = makeWrappingLabel(QString(), TextStyle::subheadline, QFont::Normal, CropPalette::secondaryText());
    column->addWidget(notice_);
    column->addSpacing(10);

    resetLink_ = new QPushButton(localizedString("Reset to full image"));
    QFont linkFont = textStyleFont(TextStyle::callout, QFont::DemiBold);
    linkFont.setUnderline(true);
    resetLink_->setFont(linkFont);
    resetLink_->setFlat(true);
    resetLink_->setCursor(Qt::PointingHandCursor);
    resetLink_->setFocusPolicy(Qt::TabFocus);
    resetLink_->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent; padding: 0; "
                                             "text-align: left; color: %1; }")
                                  .arg(CropPalette::accent().name()));
    resetLink_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(resetLink_, &QPushButton::clicked, this, &CropInspector::resetToFullImage);
    column->addWidget(resetLink_, 0, Qt::AlignLeft);
    column->addStretch(1);
    return content;
}

QWidget* CropInspector::makeFooter() {
    auto* footer = new QWidget;
    footer->setMinimumHeight(52);
    auto* row = new QHBoxLayout(footer);
    row->setContentsMargins(18, 1, 18, 0);
    row->setSpacing(9);
    footerIcon_ = new QStackedWidget;
    footerIcon_->setFixedSize(13, 13);
    footerIcon_->addWidget(new ReadyGlyph);
    footerIcon_->addWidget(new ActivityIndicator(13, CropPalette::bodyText()));
    row->addWidget(footerIcon_, 0, Qt::AlignVCenter);
    footerText_ = makeLabel(QString(), TextStyle::callout, QFont::Normal, CropPalette::bodyText());
    row->addWidget(footerText_, 0, Qt::AlignVCenter);
    row->addStretch(1);
    footer->setObjectName(QStringLiteral("cropInspectorFooter"));
    return footer;
}

void CropInspector::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.fillRect(QRect(0, 0, 1, height()), CropPalette::hairline());
    const QWidget* footer = findChild<QWidget*>(QStringLiteral("cropInspectorFooter"));
    if (footer != nullptr) painter.fillRect(QRect(1, footer->y(), width() - 1, 1), CropPalette::hairline());
}

QString CropInspector::maximumDimensionNotice(std::int64_t maximumImageSide) {
    static const QString format = localizedString(
        "Maximum image dimension: %1 px. Larger selections are downsized to keep editing smooth. Lower this limit "
        "in Settings / Performance on a less powerful computer.");
    return format.arg(static_cast<qlonglong>(maximumImageSide));
}

QString CropInspector::selectionSizeText() const {
    const ImageSize size = document_->editingCanvasSize(model_.settingsState().settings.maximumImageSide);
    static const QString format = localizedString("%1 × %2 px");
    return format.arg(static_cast<qlonglong>(size.width)).arg(static_cast<qlonglong>(size.height));
}

CropPresetButton* CropInspector::presetButton(CropPreset preset) const {
    return presetButtons_[static_cast<std::size_t>(cropPresetIndex(preset))];
}

bool CropInspector::showsPreparationProgress() const { return footerIcon_->currentIndex() == 1; }

void CropInspector::select(CropPreset preset) {
    if (!model_.canGoToEditor()) return;
    CropSelection selection = document_->selection();
    if (preset == CropPreset::fullImage) {
        selection.resetToFullImage();
    } else {
        selection.setAspectRatio(cropPresetAspectRatio(preset));
    }
    document_->setSelection(selection);
}

void CropInspector::movePresetFocus(MoveDirection direction) {
    if (!model_.canGoToEditor()) return;
    const CropPreset current = focusedPreset_.value_or(selectedCropPreset(document_->selection()));
    int step = 0;
    switch (direction) {
    case MoveDirection::up:
        step = -kColumns;
        break;
    case MoveDirection::down:
        step = kColumns;
        break;
    case MoveDirection::left:
        step = -1;
        break;
    case MoveDirection::right:
        step = 1;
        break;
    }
    if (step == 0) return;
    const int target = cropPresetIndex(current) + step;
    if (target < 0 || target >= static_cast<int>(kAllCropPresets.size())) return;
    const CropPreset next = kAllCropPresets[static_cast<std::size_t>(target)];
    select(next);
    focusedPreset_ = next;
    presetButton(next)->setFocus(Qt::OtherFocusReason);
}

void CropInspector::resetToFullImage() {
    if (!model_.canGoToEditor()) return;
    CropSelection selection = document_->selection();
    selection.resetToFullImage();
    document_->setSelection(selection);
}

void CropInspector::refreshSelection() {
    const CropPreset selected = selectedCropPreset(document_->selection());
    for (CropPresetButton* button : presetButtons_) button->setSelected(button->preset() == selected);
    sizeValue_->setText(selectionSizeText());
}

void CropInspector::refreshSettings() {
    sizeValue_->setText(selectionSizeText());
    notice_->setText(maximumDimensionNotice(model_.settingsState().settings.maximumImageSide));
}

void CropInspector::refreshPreparation() {
    const bool preparing = model_.editorState().isPreparingEditor;
    static const QString ready = localizedString("Crop ready");
    static const QString preparingText = localizedString("Preparing editing canvas…");
    footerIcon_->setCurrentIndex(preparing ? 1 : 0);
    footerText_->setText(preparing ? preparingText : ready);
}

}  // namespace vlt
