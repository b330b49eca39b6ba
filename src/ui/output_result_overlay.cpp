#include "ui/output_result_overlay.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include "ui/modal_close_button.h"
#include "ui/modal_footer.h"
#include "ui/modal_header.h"
#include "ui/modal_palette.h"
#include "ui/modal_surface.h"
#include "ui/settings_primary_button_style.h"
#include "ui/settings_secondary_button_style.h"
#include "ui/text_style.h"

namespace vlt {

namespace {

constexpr int kBandPadding = 26;
constexpr int kFooterPadding = 22;

QLabel* makeBodyLabel(QFont font, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setFont(font);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void setTextColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget.setPalette(palette);
}

}  // namespace

OutputResultOverlay::OutputResultOverlay(OutputResultContent content, QWidget* parent, Scheduler& scheduler,
                                         MotionPreference& motion)
    : ModalHost(std::nullopt, parent, scheduler, motion), content_(std::move(content)) {
    header_ = new ModalHeader(QString(), QString(), QString(), surface());
    header_->layout()->setContentsMargins(kBandPadding, 0, kBandPadding, 1);
    // Title and subtitle only: whatever the body comes to hold, the band keeps its height.
    header_->setFixedHeight(ModalHeader::height);
    connect(header_, &ModalHeader::closeClicked, this, [this] { runPrimaryAction(); });

    // The padding belongs to a layout around the texts: a label's own margins are lost
    // once the card is shown.
    auto* body = new QWidget(surface());
    body->setFixedWidth(cardWidth);
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(bodyPadding, bodyPadding, bodyPadding, bodyPadding);
    column->setSpacing(bodySpacing);
    message_ = makeBodyLabel(textStyleFont(TextStyle::body), body);
    additionalError_ = makeBodyLabel(textStyleFont(TextStyle::body), body);
    setTextColour(*additionalError_, ModalPalette::errorText());
    detailHeading_ = makeBodyLabel(textStyleFont(TextStyle::callout, QFont::DemiBold), body);
    setTextColour(*detailHeading_, ModalPalette::textSecondary());
    detail_ = new QTextEdit(body);
    detail_->setReadOnly(true);
    detail_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    detail_->setFrameShape(QFrame::NoFrame);
    detail_->setLineWrapMode(QTextEdit::WidgetWidth);
    detail_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    detail_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    detail_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    detail_->document()->setDocumentMargin(0);
    QFont monospaced = textStyleFont(TextStyle::callout);
    monospaced.setStyleHint(QFont::Monospace);
    monospaced.setFamilies(
        {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"), QStringLiteral("monospace")});
    detail_->setFont(monospaced);
    detail_->viewport()->setAutoFillBackground(false);
    detail_->setStyleSheet(QStringLiteral("QTextEdit { background: transparent; }"));
    setTextColour(*detail_, ModalPalette::textSecondary());
    column->addWidget(message_);
    column->addWidget(additionalError_);
    column->addWidget(detailHeading_);
    column->addWidget(detail_);

    auto* footer = new ModalFooter(10, surface());
    footer->row()->setContentsMargins(kFooterPadding, 1, kFooterPadding, 0);
    secondaryButton_ = new QPushButton(footer);
    SettingsSecondaryButtonStyle::apply(*secondaryButton_);
    primaryButton_ = new QPushButton(footer);
    SettingsPrimaryButtonStyle::apply(*primaryButton_);
    footer->row()->addStretch(1);
    footer->row()->addWidget(secondaryButton_);
    footer->row()->addWidget(primaryButton_);
    connect(secondaryButton_, &QPushButton::clicked, this, [this] {
        if (content_.secondaryAction) content_.secondaryAction();
    });
    connect(primaryButton_, &QPushButton::clicked, this, [this] { runPrimaryAction(); });

    surface()->column()->addWidget(header_);
    surface()->column()->addWidget(body);
    surface()->column()->addWidget(footer);
    setInitialFocus(primaryButton_);
    setExitCommand([this] { runPrimaryAction(); });
    refresh();
}

void OutputResultOverlay::setContent(OutputResultContent content) {
    content_ = std::move(content);
    refresh();
}

void OutputResultOverlay::refresh() {
    header_->titleLabel()->setText(content_.title);
    header_->subtitleLabel()->setText(content_.subtitle);
    header_->closeButton()->setAccessibleName(content_.closeAccessibilityLabel);

    message_->setText(content_.message);
    setTextColour(*message_, content_.messageIsError ? ModalPalette::errorText() : ModalPalette::textSecondary());
    additionalError_->setText(content_.additionalErrorMessage.value_or(QString()));
    additionalError_->setVisible(content_.additionalErrorMessage.has_value());
    const bool showsDetail = content_.detailHeading.has_value() && content_.detail.has_value();
    detailHeading_->setText(content_.detailHeading.value_or(QString()));
    detailHeading_->setVisible(showsDetail);
    if (detail_->toPlainText() != content_.detail.value_or(QString())) {
        detail_->setPlainText(content_.detail.value_or(QString()));
    }
    detail_->setVisible(showsDetail);
    fitDetailHeight();

    const bool showsSecondary = content_.secondaryTitle.has_value() && content_.secondaryAction != nullptr;
    secondaryButton_->setText(content_.secondaryTitle.value_or(QString()));
    secondaryButton_->setVisible(showsSecondary);
    primaryButton_->setText(content_.primaryTitle);
    // A row shown or hidden in the body changes the card's height: the column's cached
    // measure would keep the old one and hand the difference to a band.
    surface()->column()->invalidate();
    surfaceContentChanged();
}

// As tall as its text, up to the limit; beyond it the text scrolls.
void OutputResultOverlay::fitDetailHeight() {
    const int width = cardWidth - 2 * bodyPadding;
    // Measured on a copy: the view lays its own document out lazily, at the width it
    // had last, so that document's height need not be the text's.
    const std::unique_ptr<QTextDocument> measured(detail_->document()->clone());
    measured->setDefaultFont(detail_->font());
    measured->setTextWidth(width - detail_->verticalScrollBar()->sizeHint().width());
    const int textHeight = static_cast<int>(std::ceil(measured->size().height()));
    detail_->setFixedSize(width, std::clamp(textHeight + 2 * detail_->frameWidth(), 1, detailMaximumHeight));
}

void OutputResultOverlay::runPrimaryAction() {
    if (content_.primaryAction) content_.primaryAction();
}

void OutputResultOverlay::keyPressEvent(QKeyEvent* event) {
    if (returnPressesFocusedButton(*event)) return;
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (isReturn && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        runPrimaryAction();
        return;
    }
    ModalHost::keyPressEvent(event);
}

}  // namespace vlt
