#include "screens/share/share_image_modal.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "foundation/localized_string.h"
#include "output/still/still_image_composer.h"
#include "ui/activity_indicator.h"
#include "ui/ink_fitting_label.h"
#include "ui/modal_close_button.h"
#include "ui/modal_footer.h"
#include "ui/modal_header.h"
#include "ui/modal_palette.h"
#include "ui/keyboard_focus.h"
#include "ui/modal_surface.h"
#include "ui/settings_primary_button_style.h"
#include "ui/settings_secondary_button_style.h"
#include "ui/text_style.h"
#include "ui/vertical_scroll_area.h"

namespace vlt {

namespace {

constexpr int kSurfaceMinimumWidth = 600;
constexpr int kSurfaceMaximumWidth = 780;
constexpr int kSurfaceMinimumHeight = 430;
constexpr int kSurfaceMaximumHeight = 820;
constexpr double kSurfaceHeightShare = 0.9;
constexpr double kCardCornerRadius = 7.0;
constexpr double kNoteCornerRadius = 6.0;
constexpr int kRadioDiameter = 24;
constexpr double kRadioRingWidth = 1.5;
constexpr int kRadioDotInset = 6;
constexpr int kSelectionBarWidth = 4;
constexpr int kKindRowPadding = 20;
constexpr int kKindRowSpacing = 14;
constexpr int kButtonPadding = 18;
constexpr int kButtonMinimumWidth = 92;
constexpr int kButtonHeight = 36;

struct KindTexts {
    StillImageKind kind;
    const char* title;
    const char* detail;
};

constexpr KindTexts kKindRows[] = {
    {StillImageKind::original, QT_TRANSLATE_NOOP("Veltrano", "Original"),
     QT_TRANSLATE_NOOP("Veltrano", "Source photo, unedited.")},
    {StillImageKind::simulation, QT_TRANSLATE_NOOP("Veltrano", "Simulation"),
     QT_TRANSLATE_NOOP("Veltrano", "Your reshaped result.")},
    {StillImageKind::comparison, QT_TRANSLATE_NOOP("Veltrano", "Comparison"),
     QT_TRANSLATE_NOOP("Veltrano", "Original + Simulation side by side.")},
};

QString notConfiguredText() { return localizedString("Not configured in Settings"); }

void setTextColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::Text, colour);
    widget.setPalette(palette);
}

QLabel* makeLabel(const QString& text, QFont font, const QColor& colour, QWidget* parent, bool holdsInk = false) {
    QLabel* label = holdsInk ? new InkFittingLabel(text, parent) : new QLabel(text, parent);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    setTextColour(*label, colour);
    return label;
}

QLabel* makeHeading(const QString& text, QWidget* parent) {
    QFont font = textStyleFont(TextStyle::callout, QFont::Bold);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.4);
    // Upper case puts accents on capitals: the heading is as tall as their ink.
    return makeLabel(text, font, ModalPalette::textMuted(), parent, true);
}

// The contact block on one line: its lines joined by " · ".
QString contactSummary(const QString& contactText) {
    static const QRegularExpression lineBreaks(QStringLiteral("[\\n\\x{000B}\\x{000C}\\r\\x{0085}\\x{2028}\\x{2029}]"));
    return contactText.split(lineBreaks, Qt::SkipEmptyParts).join(QStringLiteral(" · "));
}

// A white card of rows with a hairline between them, rounded 7 and outlined.
class OptionCard final : public QWidget {
public:
    explicit OptionCard(QWidget* parent) : QWidget(parent) {
        column_ = new QVBoxLayout(this);
        column_->setContentsMargins(1, 1, 1, 1);
        column_->setSpacing(0);
    }
    void addRow(QWidget* row) {
        if (column_->count() > 0) {
            auto* divider = new QWidget(this);
            divider->setFixedHeight(1);
            divider->setAutoFillBackground(true);
            QPalette palette = divider->palette();
            palette.setColor(QPalette::Window, ModalPalette::cardBorder());
            divider->setPalette(palette);
            column_->addWidget(divider);
        }
        column_->addWidget(row);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF outline = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        painter.setBrush(Qt::white);
        painter.setPen(QPen(ModalPalette::cardBorder(), 1.0));
        painter.drawRoundedRect(outline, kCardCornerRadius, kCardCornerRadius);
    }

private:
    QVBoxLayout* column_;
};

// The note under the sections: its text on the note fill, rounded 6 and outlined.
class NoteBox final : public QWidget {
public:
    explicit NoteBox(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(ModalPalette::noticeFill());
        painter.setPen(QPen(ModalPalette::noticeBorder(), 1.0));
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), kNoteCornerRadius, kNoteCornerRadius);
    }
};

}  // namespace

ShareKindRow::ShareKindRow(const QString& title, const QString& detail, QWidget* parent)
    : QAbstractButton(parent), title_(title), detail_(detail) {
    setCheckable(true);
    setAutoExclusive(false);
    setText(title);
    setAccessibleName(title);
    setAccessibleDescription(detail);
    setFixedHeight(rowHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
}

QSize ShareKindRow::sizeHint() const { return {kSurfaceMinimumWidth - 64, rowHeight}; }

void ShareKindRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool selected = isChecked();
    if (selected) {
        painter.fillRect(rect(), ModalPalette::selectionFill());
        painter.fillRect(QRect(0, 0, kSelectionBarWidth, height()), ModalPalette::accent());
    }
    if (!isEnabled()) painter.setOpacity(0.5);

    const QRectF radio(kKindRowPadding, (height() - kRadioDiameter) / 2.0, kRadioDiameter, kRadioDiameter);
    const QColor ring = selected ? ModalPalette::accent() : ModalPalette::cardBorder();
    painter.setPen(QPen(ring, kRadioRingWidth));
    painter.setBrush(Qt::NoBrush);
    const double half = kRadioRingWidth / 2.0;
    painter.drawEllipse(radio.adjusted(half, half, -half, -half));
    if (selected) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(ModalPalette::accent());
        painter.drawEllipse(radio.adjusted(kRadioDotInset, kRadioDotInset, -kRadioDotInset, -kRadioDotInset));
    }

    const QFont titleFont = textStyleFont(TextStyle::title3);
    const QFont detailFont = textStyleFont(TextStyle::body);
    const QFontMetrics titleMetrics(titleFont);
    const QFontMetrics detailMetrics(detailFont);
    const int textLeft = kKindRowPadding + kRadioDiameter + kKindRowSpacing;
    const int textWidth = width() - textLeft - kKindRowPadding;
    const int textHeight = titleMetrics.height() + 2 + detailMetrics.height();
    const int top = (height() - textHeight) / 2;
    painter.setFont(titleFont);
    painter.setPen(ModalPalette::textPrimary());
    painter.drawText(QRect(textLeft, top, textWidth, titleMetrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                     titleMetrics.elidedText(title_, Qt::ElideRight, textWidth));
    painter.setFont(detailFont);
    painter.setPen(ModalPalette::textMuted());
    painter.drawText(QRect(textLeft, top + titleMetrics.height() + 2, textWidth, detailMetrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, detailMetrics.elidedText(detail_, Qt::ElideRight, textWidth));
    if (showsKeyboardFocus(*this)) paintFocusRing(painter, QRectF(rect()), 0.0, ModalPalette::accent());
}

ShareImageModal::ShareImageModal(AppModel& model, QWidget* parent, Scheduler& scheduler, MotionPreference& motion)
    : ModalHost(
          ModalSurfaceMetrics{kSurfaceMinimumWidth, kSurfaceMaximumWidth, kSurfaceMinimumHeight, kSurfaceMaximumHeight},
          parent, scheduler, motion),
      model_(&model) {
    setObjectName(QStringLiteral("shareImageModal"));
    // The choices are the dialog's own from here on; the model hears them on Continue.
    if (const auto& state = model.shareState().shareImageState) {
        selectedKind_ = state->selectedKind;
        includeLabels_ = state->includeLabels;
        includeContactInformation_ = state->includeContactInformation;
    }

    static const QString title = localizedString("Share image");
    static const QString subtitle = localizedString("One JPEG, handed to your installed sharing apps.");
    static const QString closeLabel = localizedString("Close Share image");
    auto* header = new ModalHeader(title, subtitle, closeLabel, surface());
    headerCloseButton_ = header->closeButton();
    QPointer<AppModel> guard = model_;
    connect(header, &ModalHeader::closeClicked, this, [guard] {
        if (guard) guard->dismissShareDialog();
    });

    auto* footer = new ModalFooter(10, surface());
    buildFooter(footer);

    surface()->column()->addWidget(header);
    surface()->column()->addWidget(buildContent(), 1);
    surface()->column()->addWidget(footer);

    setInitialFocus(continueButton_);
    setExitCommand([guard] {
        if (guard) guard->dismissShareDialog();
    });
    connectModel();
    refresh();
}

QWidget* ShareImageModal::buildContent() {
    auto* scroll = new VerticalScrollArea(surface());
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(32, 24, 32, 24);
    column->setSpacing(24);
    column->addWidget(buildKindSection(content));
    column->addWidget(buildWatermarkSection(content));

    static const QString noteText = localizedString(
        "Veltrano prepares one JPEG, then the desktop shows the compatible sharing apps "
        "installed for this account.");
    auto* note = new NoteBox(content);
    auto* noteColumn = new QVBoxLayout(note);
    noteColumn->setContentsMargins(13, 13, 13, 13);
    QLabel* noteLabel = makeLabel(noteText, textStyleFont(TextStyle::callout), ModalPalette::textSecondary(), note);
    noteLabel->setWordWrap(true);
    noteColumn->addWidget(noteLabel);
    column->addWidget(note);
    column->addStretch(1);
    scroll->setContent(content);
    return scroll;
}

QWidget* ShareImageModal::buildKindSection(QWidget* parent) {
    auto* section = new QWidget(parent);
    auto* column = new QVBoxLayout(section);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(12);
    column->addWidget(makeHeading(localizedString("WHAT TO SHARE"), section));
    auto* card = new OptionCard(section);
    for (const KindTexts& texts : kKindRows) {
        auto* row = new ShareKindRow(localizedString(texts.title), localizedString(texts.detail), card);
        kindRows_[texts.kind] = row;
        card->addRow(row);
        connect(row, &QAbstractButton::clicked, this, [this, kind = texts.kind] {
            selectedKind_ = kind;
            refresh();
        });
    }
    column->addWidget(card);
    return section;
}

QWidget* ShareImageModal::buildWatermarkSection(QWidget* parent) {
    auto* section = new QWidget(parent);
    auto* column = new QVBoxLayout(section);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(12);
    column->addWidget(makeHeading(localizedString("WATERMARKS"), section));
    auto* card = new OptionCard(section);
    card->addRow(buildWatermarkRow(Watermark::labels, localizedString("Include Original / Simulation labels"), card));
    card->addRow(
        buildWatermarkRow(Watermark::contactInformation, localizedString("Include contact information"), card));
    column->addWidget(card);
    return section;
}

QWidget* ShareImageModal::buildWatermarkRow(Watermark watermark, const QString& title, QWidget* parent) {
    auto* row = new QWidget(parent);
    row->setMinimumHeight(60);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(18, 13, 18, 13);
    line->setSpacing(12);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(5);
    auto* toggle = new QCheckBox(title, row);
    toggle->setFont(textStyleFont(TextStyle::body));
    // Dark only while it can be switched: a watermark that is not configured keeps the
    // style's disabled look, as the Save images dialog's toggles do.
    QPalette toggleColours = toggle->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        toggleColours.setColor(group, QPalette::WindowText, ModalPalette::textPrimary());
        toggleColours.setColor(group, QPalette::ButtonText, ModalPalette::textPrimary());
        toggleColours.setColor(group, QPalette::Text, ModalPalette::textPrimary());
    }
    toggle->setPalette(toggleColours);
    QLabel* detail = makeLabel(QString(), textStyleFont(TextStyle::callout), ModalPalette::textMuted(), row);
    detail->setWordWrap(true);
    texts->addWidget(toggle);
    texts->addWidget(detail);
    texts->addStretch(1);
    line->addLayout(texts, 1);
    line->addSpacing(8);

    auto* link = new QPushButton(localizedString("– Edit ›"), row);
    link->setFlat(true);
    link->setCursor(Qt::PointingHandCursor);
    link->setFont(textStyleFont(TextStyle::callout, QFont::DemiBold));
    link->setStyleSheet(
        QStringLiteral("QPushButton { border: none; padding: 0; color: %1; }").arg(ModalPalette::accent().name()));
    line->addWidget(link, 0, Qt::AlignTop);

    toggles_[watermark] = toggle;
    toggleDetails_[watermark] = detail;
    editLinks_[watermark] = link;
    connect(toggle, &QCheckBox::clicked, this, [this, watermark](bool on) { toggleWatermark(watermark, on); });
    const SettingsSection section =
        watermark == Watermark::labels ? SettingsSection::comparisonLabels : SettingsSection::contactInformation;
    connect(link, &QPushButton::clicked, this, [this, section] {
        if (model_) model_->openSettingsFromShareDialog(section, currentDialogState());
    });
    return row;
}

void ShareImageModal::buildFooter(QWidget* footer) {
    auto* row = static_cast<ModalFooter*>(footer)->row();
    summary_ = makeLabel(QString(), textStyleFont(TextStyle::callout), ModalPalette::textMuted(), footer);
    cancelButton_ = new QPushButton(localizedString("Cancel"), footer);
    SettingsSecondaryButtonStyle::apply(*cancelButton_);
    continueButton_ = new QPushButton(footer);
    SettingsPrimaryButtonStyle::apply(*continueButton_);

    // The label and the spinner are the button's own content, so the spinner can sit
    // beside "Preparing"; clicks go to the button.
    auto* content = new QHBoxLayout(continueButton_);
    content->setContentsMargins(kButtonPadding, 0, kButtonPadding, 0);
    content->setSpacing(8);
    progress_ = new ActivityIndicator(ActivityIndicator::small, Qt::white, continueButton_);
    continueLabel_ = makeLabel(QString(), continueButton_->font(), Qt::white, continueButton_);
    progress_->setAttribute(Qt::WA_TransparentForMouseEvents);
    continueLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);
    content->addStretch(1);
    content->addWidget(progress_);
    content->addWidget(continueLabel_);
    content->addStretch(1);

    row->addWidget(summary_);
    row->addStretch(1);
    row->addWidget(cancelButton_);
    row->addWidget(continueButton_);

    QPointer<AppModel> guard = model_;
    connect(cancelButton_, &QPushButton::clicked, this, [guard] {
        if (guard) guard->dismissShareDialog();
    });
    connect(continueButton_, &QPushButton::clicked, this, &ShareImageModal::continueToSharing);
}

void ShareImageModal::connectModel() {
    connect(model_.data(), &AppModel::shareStateChanged, this, &ShareImageModal::refresh);
    connect(model_.data(), &AppModel::settingsStateChanged, this, &ShareImageModal::refresh);
}

// Nine tenths of the window's height, 430 to 820 points.
QSize ShareImageModal::surfaceSizeFor(QSize area) const {
    const int height = static_cast<int>(std::lround(kSurfaceHeightShare * area.height()));
    return {ModalHost::surfaceSizeFor(area).width(),
            std::min(std::max(height, kSurfaceMinimumHeight), kSurfaceMaximumHeight)};
}

ShareImageDialogState ShareImageModal::currentDialogState() const {
    const ShareImageDialogState choices{selectedKind_, includeLabels_, includeContactInformation_};
    return model_ ? choices.effective(model_->settingsState().settings) : choices;
}

void ShareImageModal::refresh() {
    if (!model_) return;
    const ApplicationSettings& settings = model_->settingsState().settings;
    const bool preparing = model_->shareState().isShareImagePreparing;
    const bool hasLabels = ShareImageDialogState::hasComparisonLabels(settings);
    const QString contactText = StillImageComposer::contactText(settings);
    const bool hasContact = !contactText.isEmpty();

    for (const auto& [kind, row] : kindRows_) {
        row->setChecked(kind == selectedKind_);
        row->setEnabled(!preparing);
    }

    // A watermark that is not configured cannot be switched; it still shows the stored
    // choice, which comes back into force once the watermark is filled in. It is
    // handed over as off all the same (currentDialogState).
    const std::map<Watermark, std::pair<bool, bool>> watermarks{
        {Watermark::labels, {includeLabels_, hasLabels}},
        {Watermark::contactInformation, {includeContactInformation_, hasContact}}};
    for (const auto& [watermark, choice] : watermarks) {
        const auto& [isOn, isConfigured] = choice;
        toggles_.at(watermark)->setChecked(isOn);
        toggles_.at(watermark)->setEnabled(isConfigured && !preparing);
        editLinks_.at(watermark)->setEnabled(!preparing);
    }
    const QString labelsDetail = hasLabels ? QString() : notConfiguredText();
    toggleDetails_.at(Watermark::labels)->setText(labelsDetail);
    toggleDetails_.at(Watermark::labels)->setVisible(!labelsDetail.isEmpty());
    toggleDetails_.at(Watermark::contactInformation)
        ->setText(hasContact ? contactSummary(contactText) : notConfiguredText());

    summary_->setText(localizedString("%1 · JPEG").arg(stillImageKindTitle(selectedKind_)));

    continueButton_->setEnabled(!preparing);
    continueLabel_->setText(preparing ? localizedString("Preparing") : localizedString("Continue"));
    continueButton_->setAccessibleName(preparing ? localizedString("Preparing image for the desktop's sharing apps")
                                                 : localizedString("Continue to the desktop's sharing apps"));
    progress_->setVisible(preparing);
    const int contentWidth = continueButton_->layout()->sizeHint().width();
    continueButton_->setMinimumSize(std::max(kButtonMinimumWidth, contentWidth), kButtonHeight);
}

void ShareImageModal::toggleWatermark(Watermark watermark, bool on) {
    if (!model_) return;
    (watermark == Watermark::labels ? includeLabels_ : includeContactInformation_) = on;
    // Both flags as the toggles stand, so the next share starts from them.
    model_->updateSettings(
        model_->settingsState().settings.updatingSharePreferences(includeLabels_, includeContactInformation_));
    refresh();
}

void ShareImageModal::continueToSharing() {
    if (model_ && continueButton_->isEnabled()) model_->startSharePreparation(currentDialogState());
}

void ShareImageModal::keyPressEvent(QKeyEvent* event) {
    if (returnPressesFocusedButton(*event)) return;
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (isReturn && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        continueToSharing();
        return;
    }
    ModalHost::keyPressEvent(event);
}

}  // namespace vlt
