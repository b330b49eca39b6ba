#pragma once

#include <functional>

#include <QPointer>
#include <QString>

#include "editing/annotations/annotation_text_request.h"
#include "ui/modal_host.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vlt {

class EditorSession;
class MotionPreference;
class Scheduler;

// The sheet in which a new multi-line text is typed, or the text of a selected text
// annotation is corrected. Cancel (or Escape) answers onCancel, Save (or Ctrl+Return,
// since Return belongs to the text) answers onCommit with the text as typed. The
// sheet closes itself after either answer and is deleted once closed.
class AnnotationTextEditorSheet final : public ModalHost {
    Q_OBJECT

public:
    static constexpr int kWidth = 520;
    static constexpr int kMinimumEditorHeight = 150;

    AnnotationTextEditorSheet(AnnotationTextRequest request, std::function<void()> onCancel,
                              std::function<void(const QString&)> onCommit, QWidget* parent, Scheduler& scheduler,
                              MotionPreference& motion);

    // Shows the sheet for the session's pending text request: Cancel clears the
    // request; Save hands the text to the canvas, then clears it. Null without a request.
    static AnnotationTextEditorSheet* presentForSession(EditorSession& session, QWidget* parent, Scheduler& scheduler,
                                                        MotionPreference& motion);

    // Blank text is never saved; an edit is saved only when the text changed.
    static bool canSave(const AnnotationTextRequest& request, const QString& text);

    const AnnotationTextRequest& request() const { return request_; }
    QString text() const;
    bool canSave() const;

    QLabel* headingLabel() const { return heading_; }
    QLabel* explanationLabel() const { return explanation_; }
    QPlainTextEdit* textEditor() const { return editor_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    QPushButton* saveButton() const { return saveButton_; }

    void cancel();
    void save();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refreshSaveButton();

    AnnotationTextRequest request_;
    std::function<void()> onCancel_;
    std::function<void(const QString&)> onCommit_;
    QLabel* heading_ = nullptr;
    QLabel* explanation_ = nullptr;
    QPlainTextEdit* editor_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    bool answered_ = false;
};

}  // namespace vlt
