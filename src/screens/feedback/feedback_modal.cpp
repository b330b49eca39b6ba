#include "screens/feedback/feedback_modal.h"

#include <QAbstractTextDocumentLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextBlock>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "foundation/localized_string.h"
#include "ui/activity_indicator.h"
#include "ui/modal_close_button.h"
#include "ui/modal_footer.h"
#include "ui/modal_header.h"
#include "ui/modal_palette.h"
#include "ui/modal_surface.h"
#include "ui/settings_primary_button_style.h"
#include "ui/settings_secondary_button_style.h"
#include "ui/settings_text_editor.h"
#include "ui/settings_text_field.h"
#include "ui/text_style.h"
#include "ui/vertical_scroll_area.h"

namespace vlt {
namespace {

constexpr int kMessageEditorMinimumHeight = 170;
const QColor kStatusFill = QColor::fromRgbF(1.0f, 0.95f, 0.94f);

QLabel* makeLabel(const QString& text, TextStyle style, QFont::Weight weight, const QColor& colour, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(textStyleFont(style, weight));
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

void setWhiteBackground(QWidget& widget) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, Qt::white);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

// A label over its control, 6 points apart.
QWidget* makeBlock(const QString& label, QWidget* control, QWidget* parent) {
    auto* block = new QWidget(parent);
    auto* column = new QVBoxLayout(block);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);
    column->addWidget(makeLabel(label, TextStyle::callout, QFont::Medium, ModalPalette::textSecondary(), block));
    column->addWidget(control);
    return block;
}

// The box of a failed send's message: the error text on a pale red, rounded 7.
class StatusBox final : public QWidget {
public:
    explicit StatusBox(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kStatusFill);
        painter.drawRoundedRect(QRectF(rect()), 7.0, 7.0);
    }
};

QWidget* makeNotice(const QList<QWidget*>& rows, int spacing, QWidget* parent) {
    auto* notice = new QWidget(parent);
    setWhiteBackground(*notice);
    auto* column = new QVBoxLayout(notice);
    column->setSpacing(spacing);
    column->addStretch(1);
    for (QWidget* row : rows) {
        // A wrapping label given an alignment keeps its narrow hint and is cut off;
        // it takes the full width and centres its own lines instead.
        if (auto* label = qobject_cast<QLabel*>(row)) {
            label->setAlignment(Qt::AlignHCenter);
            column->addWidget(label);
        } else {
            column->addWidget(row, 0, Qt::AlignHCenter);
        }
    }
    column->addStretch(1);
    return notice;
}

QPushButton* makeButton(const QString& title, bool primary, QWidget* parent) {
    auto* button = new QPushButton(title, parent);
    if (primary) {
        SettingsPrimaryButtonStyle::apply(*button);
    } else {
        SettingsSecondaryButtonStyle::apply(*button);
    }
    return button;
}

}  // namespace

FeedbackModal::FeedbackModal(AppModel& model, QWidget* parent, Scheduler& scheduler, MotionPreference& motion)
    : ModalHost(ModalSurfaceMetrics{}, parent, scheduler, motion), model_(&model) {
    setObjectName(QStringLiteral("feedbackModal"));
    static const QString closeLabel = localizedString("Close Send Feedback");

    auto* header = new ModalHeader(FeedbackTexts::title(), FeedbackTexts::notice(), closeLabel, surface());
    headerCloseButton_ = header->closeButton();
    connect(header, &ModalHeader::closeClicked, this, [this] { close(); });

    body_ = new QStackedWidget(surface());
    body_->addWidget(buildForm());
    body_->addWidget(buildSendingNotice());
    body_->addWidget(buildReceivedNotice());

    auto* footer = new ModalFooter(10, surface());
    buildFooter(footer);

    surface()->column()->addWidget(header);
    surface()->column()->addWidget(body_, 1);
    surface()->column()->addWidget(footer);

    setInitialFocus(messageEditor_);
    setExitCommand([this] { close(); });
    QPointer<AppModel> modelGuard = model_;
    setDismissAction([modelGuard] {
        if (modelGuard) modelGuard->dismissFeedback();
    });
    connect(this, &ModalHost::closingStarted, this, &FeedbackModal::refresh);
    connectModel();
    refresh();
}

QWidget* FeedbackModal::buildForm() {
    static const QString nameLabel = localizedString("Name");
    static const QString emailLabel = localizedString("Email");
    static const QString messageLabel = localizedString("Feedback");

    auto* scroll = new VerticalScrollArea(body_);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWhiteBackground(*scroll->viewport());
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(28, 24, 28, 24);
    column->setSpacing(16);

    nameField_ = new SettingsTextField(content);
    nameField_->setAccessibleName(nameLabel);
    emailField_ = new SettingsTextField(content);
    emailField_->setAccessibleName(emailLabel);
    messageEditor_ = new SettingsTextEditor(kMessageEditorMinimumHeight, content);
    // The editor grows with its text; the form around it scrolls.
    messageEditor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    column->addWidget(makeBlock(nameLabel, nameField_, content));
    column->addWidget(makeBlock(emailLabel, emailField_, content));
    column->addWidget(makeBlock(messageLabel, messageEditor_, content));

    validationLabel_ = makeLabel(QString(), TextStyle::body, QFont::Normal, ModalPalette::errorText(), content);
    validationLabel_->setObjectName(QStringLiteral("feedback-validation-message"));
    column->addWidget(validationLabel_);

    statusBox_ = new StatusBox(content);
    statusLabel_ = makeLabel(QString(), TextStyle::body, QFont::Normal, ModalPalette::errorText(), statusBox_);
    auto* statusRow = new QVBoxLayout(statusBox_);
    statusRow->setContentsMargins(12, 12, 12, 12);
    statusRow->addWidget(statusLabel_);
    column->addWidget(statusBox_);
    column->addStretch(1);
    scroll->setContent(content);

    connect(nameField_, &QLineEdit::textEdited, this, &FeedbackModal::editDraft);
    connect(emailField_, &QLineEdit::textEdited, this, &FeedbackModal::editDraft);
    connect(messageEditor_, &QPlainTextEdit::textChanged, this, [this] {
        editDraft();
        fitMessageEditorToText();
    });
    connect(messageEditor_, &QPlainTextEdit::cursorPositionChanged, this, [this, scroll] {
        const QPoint caret = messageEditor_->viewport()->mapTo(scroll->widget(), messageEditor_->cursorRect().center());
        scroll->ensureVisible(caret.x(), caret.y(), 0, messageEditor_->cursorRect().height());
    });
    form_ = scroll;
    return scroll;
}

QWidget* FeedbackModal::buildSendingNotice() {
    auto* spinner = new ActivityIndicator(ActivityIndicator::large, ModalPalette::textMuted());
    auto* heading = makeLabel(FeedbackTexts::sendingHeading(), TextStyle::title2, QFont::DemiBold,
                              ModalPalette::textPrimary(), nullptr);
    auto* detail =
        makeLabel(FeedbackTexts::sendingDetail(), TextStyle::body, QFont::Normal, ModalPalette::textMuted(), nullptr);
    return makeNotice({spinner, heading, detail}, 14, body_);
}

QWidget* FeedbackModal::buildReceivedNotice() {
    auto* heading = makeLabel(FeedbackTexts::receivedHeading(), TextStyle::title2, QFont::DemiBold,
                              ModalPalette::textPrimary(), nullptr);
    auto* detail =
        makeLabel(FeedbackTexts::receivedMessage(), TextStyle::body, QFont::Normal, ModalPalette::textMuted(), nullptr);
    return makeNotice({heading, detail}, 10, body_);
}

void FeedbackModal::buildFooter(QWidget* footer) {
    static const QString cancelTitle = localizedString("Cancel");
    static const QString sendTitle = localizedString("Send");
    static const QString sendingTitle = localizedString("Sending…");
    static const QString closeTitle = localizedString("Close");
    cancelButton_ = makeButton(cancelTitle, false, footer);
    sendButton_ = makeButton(sendTitle, true, footer);
    sendingButton_ = makeButton(sendingTitle, true, footer);
    sendingButton_->setEnabled(false);
    closeButton_ = makeButton(closeTitle, true, footer);
    connect(cancelButton_, &QPushButton::clicked, this, [this] { close(); });
    connect(sendButton_, &QPushButton::clicked, this, &FeedbackModal::send);
    connect(closeButton_, &QPushButton::clicked, this, [this] { close(); });

    auto* row = static_cast<ModalFooter*>(footer)->row();
    row->addStretch(1);
    for (QPushButton* button : {cancelButton_, sendButton_, sendingButton_, closeButton_}) row->addWidget(button);
}

void FeedbackModal::connectModel() {
    connect(model_.data(), &AppModel::feedbackStateChanged, this, &FeedbackModal::refresh);
}

void FeedbackModal::refresh() {
    if (!model_ || !model_->feedbackState()) return;
    const FeedbackDialogState& state = *model_->feedbackState();
    phase_ = state.isSending ? Phase::sending : (state.isReceived ? Phase::received : Phase::form);
    body_->setCurrentIndex(static_cast<int>(phase_));

    nameField_->showText(state.name);
    emailField_->showText(state.email);
    messageEditor_->showText(state.message);
    validationLabel_->setText(state.validationMessage.value_or(QString()));
    validationLabel_->setVisible(state.validationMessage.has_value());
    statusLabel_->setText(state.statusMessage.value_or(QString()));
    statusBox_->setVisible(state.statusMessage.has_value());

    headerCloseButton_->setEnabled(!state.isSending);
    const bool usable = !isClosing();
    cancelButton_->setVisible(phase_ == Phase::form);
    cancelButton_->setEnabled(usable);
    sendButton_->setVisible(phase_ == Phase::form);
    sendButton_->setEnabled(usable);
    sendingButton_->setVisible(phase_ == Phase::sending);
    closeButton_->setVisible(phase_ == Phase::received);
    closeButton_->setEnabled(usable);

    // Send hides while the feedback goes out, and the keyboard it had is left on the sheet
    // itself; once the form is back or the thanks show, it goes to the footer's button.
    QPushButton* footerButton =
        phase_ == Phase::form ? sendButton_ : (phase_ == Phase::received ? closeButton_ : nullptr);
    const QWidget* focused = window()->focusWidget();
    const bool isAdrift = focused == this || (focused != nullptr && isAncestorOf(focused) && !focused->isVisible());
    if (footerButton != nullptr && usable && isAdrift) footerButton->setFocus(Qt::OtherFocusReason);
}

void FeedbackModal::close() {
    if (!model_ || isClosing()) return;
    if (model_->feedbackState() && model_->feedbackState()->isSending) return;
    requestClose();
}

void FeedbackModal::send() {
    if (!model_ || isClosing()) return;
    model_->submitFeedback();
}

void FeedbackModal::editDraft() {
    if (!model_) return;
    model_->editFeedbackDraft(FeedbackDraft{nameField_->text(), emailField_->text(), messageEditor_->toPlainText()});
}

void FeedbackModal::fitMessageEditorToText() {
    QTextDocument* document = messageEditor_->document();
    double height = 2.0 * document->documentMargin();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        height += document->documentLayout()->blockBoundingRect(block).height();
    }
    const int wanted = std::max(kMessageEditorMinimumHeight, static_cast<int>(std::ceil(height)) + 2);
    if (messageEditor_->minimumHeight() != wanted) messageEditor_->setMinimumHeight(wanted);
}

void FeedbackModal::keyPressEvent(QKeyEvent* event) {
    if (returnPressesFocusedButton(*event)) return;
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!isReturn || event->modifiers() & ~Qt::KeypadModifier) {
        ModalHost::keyPressEvent(event);
        return;
    }
    event->accept();
    // The message editor keeps Return for its line breaks before it gets here.
    if (phase_ == Phase::form) send();
    if (phase_ == Phase::received) close();
}

}  // namespace vlt
