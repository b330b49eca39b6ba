#include "canvas/annotation_font_panel_controller.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QFontDatabase>
#include <QFontDialog>

#include "editing/annotations/font_manager_weight.h"
#include "editing/session/editor_session.h"
#include "base/precondition.h"
#include "base/main_thread.h"

namespace vlt {

namespace {

const QString& systemFamilyName() {
    static const QString name = QStringLiteral("System");
    return name;
}

constexpr float kMinimumFontSize = 1.0f;
constexpr float kInitialFontSize = 24.0f;

QFont systemFontOfSize(double size) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(size);
    return font;
}

// A list of the panel with no current row (a size that none of the listed sizes
// matches) makes its first row current as Tab enters it, which would change the font
// by merely passing through; told that no row is current, it waits for a choice.
void keepListsWithoutCurrentRow(QFontDialog& panel) {
    for (QAbstractItemView* list : panel.findChildren<QAbstractItemView*>()) {
        if (!list->currentIndex().isValid()) list->setCurrentIndex(QModelIndex());
    }
}

}  // namespace

AnnotationFontPanelController::AnnotationFontPanelController() : selectedFont_(systemFontOfSize(kInitialFontSize)) {}

AnnotationFontPanelController& AnnotationFontPanelController::shared() {
    static AnnotationFontPanelController* controller = new AnnotationFontPanelController();
    return *controller;
}

QFont AnnotationFontPanelController::platformFont(const AnnotationFontStyle& style) {
    const double size = std::max(style.size, kMinimumFontSize);
    const bool available =
        style.family != systemFamilyName() && !style.family.isEmpty() && QFontDatabase::hasFamily(style.family);
    QFont font = available ? QFont(style.family) : systemFontOfSize(size);
    font.setPointSizeF(size);
    font.setWeight(qtFontWeight(style.weight));
    font.setItalic(style.italic);
    return font;
}

AnnotationFontStyle AnnotationFontPanelController::annotationFontStyle(const QFont& font) {
    AnnotationFontStyle style;
    const QString family = font.family();
    style.family = family.isEmpty() || !QFontDatabase::hasFamily(family) ? systemFamilyName() : family;
    style.size = std::max(static_cast<float>(font.pointSizeF()), kMinimumFontSize);
    style.weight = std::clamp(fontManagerWeight(font.weight()), kFontManagerMinimumWeight, kFontManagerMaximumWeight);
    style.italic = font.italic();
    return style;
}

void AnnotationFontPanelController::open(const AnnotationFontStyle& style,
                                         std::function<void(const AnnotationFontStyle&)> onChange, QWidget* parent) {
    VLT_PRECONDITION(isMainThread(), "the font panel lives on the main thread");
    selectedFont_ = platformFont(style);
    onChange_ = std::move(onChange);
    if (!dialog_) {
        dialog_ = new QFontDialog(parent);
        dialog_->setAttribute(Qt::WA_DeleteOnClose, false);
        dialog_->setModal(false);
        dialog_->setOption(QFontDialog::NoButtons, true);
        connect(dialog_, &QFontDialog::currentFontChanged, this, [this](const QFont& font) {
            // Another family or style lists its own sizes afresh.
            keepListsWithoutCurrentRow(*dialog_);
            if (font != selectedFont_) changeFont(font);
        });
    }
    dialog_->blockSignals(true);
    dialog_->setCurrentFont(selectedFont_);
    dialog_->blockSignals(false);
    keepListsWithoutCurrentRow(*dialog_);
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

void AnnotationFontPanelController::openForSession(EditorSession& session, QWidget* parent) {
    QPointer<EditorSession> weak(&session);
    open(
        session.annotationFont(),
        [weak](const AnnotationFontStyle& style) {
            if (weak) weak->setAnnotationFont(style);
        },
        parent);
}

void AnnotationFontPanelController::changeFont(const QFont& font) {
    selectedFont_ = font;
    if (!onChange_) return;
    onChange_(annotationFontStyle(selectedFont_));
}

}  // namespace vlt
