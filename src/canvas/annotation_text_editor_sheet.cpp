#include "canvas/annotation_text_editor_sheet.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/session/editor_session.h"
#include "foundation/localized_string.h"
#include "ui/modal_close_button.h"
#include "ui/modal_footer.h"
#include "ui/modal_header.h"
#include "ui/modal_palette.h"
#include "ui/modal_surface.h"
#include "ui/motion_preference.h"
#include "ui/settings_primary_button_style.h"
#include "ui/settings_secondary_button_style.h"
#include "ui/text_style.h"

namespace vlt {

namespace {

constexpr int kBodyPadding = 24;
constexpr int kLabelSpacing = 7;
constexpr int kEditorInnerPadding = 6;
constexpr double kEditorCornerRadius = 5.0;
constexpr double kFocusedBorderWidth = 2.0;
constexpr double kRestingBorderWidth = 1.25;

const QColor& focusedBorderColor() {
    static const QColor colour = QColor::fromRgbF(0.086f, 0.298f, 0.322f);
    return colour;
}

const QColor& restingBorderColor() {
    static const QColor colour = QColor::fromRgbF(0.557f, 0.643f, 0.659f);
    return colour;
}

// The white, rounded frame around the text editor; its border shows where the focus is.
class TextEditorFrame final : public QWidget {
public:
    TextEditorFrame(QPlainTextEdit* editor, QWidget* parent) : QWidget(parent), editor_(editor) {
        editor_->setParent(this);
        editor_->installEventFilter(this);
        auto* layout = new QVBoxLayout(this);
        const int inset = static_cast<int>(kFocusedBorderWidth);
        layout->setContentsMargins(inset, inset, inset, inset);
        layout->addWidget(editor_);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == editor_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) update();
        return QWidget::eventFilter(watched, event);
    }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const bool focused = editor_->hasFocus();
        const double width = focused ? kFocusedBorderWidth : kRestingBorderWidth;
        painter.setPen(QPen(focused ? focusedBorderColor() : restingBorderColor(), width));
        painter.setBrush(Qt::white);
        const double inset = width / 2.0;
        painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), kEditorCornerRadius,
                                kEditorCornerRadius);
    }

private:
    QPlainTextEdit* editor_;
};

QFrame* makeSeparator(QWidget* parent) {
    auto* separator = new QFrame(parent);
    separator->setFixedHeight(1);
    QPalette palette = separator->palette();
    palette.setColor(QPalette::Window, ModalPalette::divider());
    separator->setPalette(palette);
    separator->setAutoFillBackground(true);
    return separator;
}

}  // namespace

AnnotationTextEditorSheet::AnnotationTextEditorSheet(AnnotationTextRequest request, std::function<void()> onCancel,
                                                     std::function<void(const QString&)> onCommit, QWidget* parent,
                                                     Scheduler& scheduler, MotionPreference& motion)
    : ModalHost(std::nullopt, parent, scheduler, motion),
      request_(std::move(request)),
      onCancel_(std::move(onCancel)),
      onCommit_(std::move(onCommit)) {
    setObjectName(QStringLiteral("annotationTextEditorSheet"));
    const bool isAdd = std::holds_alternative<AnnotationTextRequest::Add>(request_.purpose);
    static const QString addTitle = localizedString("Add text");
    static const QString editTitle = localizedString("Edit text");
    static const QString addExplanation = localizedString("Add multiline text to the Simulation.");
    static const QString editExplanation =
        localizedString("Correct the selected text while preserving its appearance and position.");
    static const QString fieldLabel = localizedString("Text");
    static const QString cancelTitle = localizedString("Cancel");
    static const QString saveTitle = localizedString("Save");

    auto* content = new QWidget(surface());
    content->setFixedWidth(kWidth);
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* header =
        new ModalHeader(isAdd ? addTitle : editTitle, isAdd ? addExplanation : editExplanation, cancelTitle, content);
    header->closeButton()->hide();
    heading_ = header->titleLabel();
    explanation_ = header->subtitleLabel();
    column->addWidget(header);
    column->addWidget(makeSeparator(content));

    auto* body = new QWidget(content);
    auto* bodyColumn = new QVBoxLayout(body);
    bodyColumn->setContentsMargins(kBodyPadding, kBodyPadding, kBodyPadding, kBodyPadding);
    bodyColumn->setSpacing(kLabelSpacing);
    auto* label = new QLabel(fieldLabel, body);
    label->setFont(textStyleFont(TextStyle::callout, QFont::Medium));
    QPalette labelPalette = label->palette();
    labelPalette.setColor(QPalette::WindowText, ModalPalette::textSecondary());
    label->setPalette(labelPalette);
    bodyColumn->addWidget(label);

    editor_ = new QPlainTextEdit();
    editor_->setObjectName(QStringLiteral("annotationTextEditor"));
    editor_->setFrameShape(QFrame::NoFrame);
    editor_->setFont(textStyleFont(TextStyle::body));
    editor_->document()->setDocumentMargin(kEditorInnerPadding);
    editor_->setPlainText(request_.initialText);
    editor_->setTabChangesFocus(true);
    QPalette editorPalette = editor_->palette();
    editorPalette.setColor(QPalette::Base, Qt::white);
    editorPalette.setColor(QPalette::Text, ModalPalette::textPrimary());
    editor_->setPalette(editorPalette);
    auto* frame = new TextEditorFrame(editor_, body);
    frame->setMinimumHeight(kMinimumEditorHeight);
    bodyColumn->addWidget(frame, 1);
    column->addWidget(body, 1);
    column->addWidget(makeSeparator(content));

    auto* footer = new ModalFooter(10, content);
    cancelButton_ = new QPushButton(cancelTitle, footer);
    SettingsSecondaryButtonStyle::apply(*cancelButton_);
    saveButton_ = new QPushButton(saveTitle, footer);
    SettingsPrimaryButtonStyle::apply(*saveButton_);
    saveButton_->setDefault(true);
    footer->row()->addStretch(1);
    footer->row()->addWidget(cancelButton_);
    footer->row()->addWidget(saveButton_);
    column->addWidget(footer);
    surface()->column()->addWidget(content);

    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancel(); });
    connect(saveButton_, &QPushButton::clicked, this, [this] { save(); });
    connect(editor_, &QPlainTextEdit::textChanged, this, [this] { refreshSaveButton(); });
    editor_->installEventFilter(this);
    setInitialFocus(editor_);
    setExitCommand([this] { cancel(); });
    setDismissAction([this] { deleteLater(); });
    refreshSaveButton();
}

AnnotationTextEditorSheet* AnnotationTextEditorSheet::presentForSession(EditorSession& session, QWidget* parent,
                                                                        Scheduler& scheduler,
                                                                        MotionPreference& motion) {
    if (!session.textEntryRequest()) return nullptr;
    const AnnotationTextRequest request = *session.textEntryRequest();
    QPointer<EditorSession> weak(&session);
    auto* sheet = new AnnotationTextEditorSheet(
        request,
        [weak] {
            if (weak) weak->setTextEntryRequest(std::nullopt);
        },
        [weak, request](const QString& text) {
            if (!weak) return;
            if (weak->commitTextEntry) weak->commitTextEntry(request, text);
            weak->setTextEntryRequest(std::nullopt);
        },
        parent, scheduler, motion);
    sheet->present();
    return sheet;
}

bool AnnotationTextEditorSheet::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editor_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool isReturn = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (isReturn && (key->modifiers() & Qt::ControlModifier)) {
            save();
            return true;
        }
    }
    return ModalHost::eventFilter(watched, event);
}

bool AnnotationTextEditorSheet::canSave(const AnnotationTextRequest& request, const QString& text) {
    if (text.trimmed().isEmpty()) return false;
    if (std::holds_alternative<AnnotationTextRequest::Add>(request.purpose)) return true;
    return text != request.initialText;
}

QString AnnotationTextEditorSheet::text() const { return editor_->toPlainText(); }

bool AnnotationTextEditorSheet::canSave() const { return canSave(request_, text()); }

void AnnotationTextEditorSheet::refreshSaveButton() { saveButton_->setEnabled(!answered_ && canSave()); }

void AnnotationTextEditorSheet::cancel() {
    if (answered_) return;
    answered_ = true;
    refreshSaveButton();
    if (onCancel_) onCancel_();
    requestClose();
}

void AnnotationTextEditorSheet::save() {
    if (answered_ || !canSave()) return;
    answered_ = true;
    const QString typed = text();
    refreshSaveButton();
    if (onCommit_) onCommit_(typed);
    requestClose();
}

}  // namespace vlt
