#pragma once

#include <QString>

#include "model/application_close_intent.h"

class QAbstractButton;
class QMessageBox;
class QWidget;

namespace vlt {

// The question asked before unsaved image changes are discarded: a window-modal
// warning with a discard button, "Save Image" (Return) and "Cancel" (Escape).
class UnsavedChangesAlert {
public:
    enum class Answer {
        discard,
        saveImage,
        cancel,
    };

    struct Texts {
        QString message;
        QString informativeText;
        QString discardTitle;
        QString discardAccessibilityLabel;
        QString saveImageTitle;
        QString saveImageAccessibilityLabel;
        QString cancelTitle;
        QString cancelAccessibilityLabel;
    };

    UnsavedChangesAlert() = delete;

    static Texts texts(ApplicationCloseIntent intent);
    // Builds the alert, not yet shown; the caller opens it with open().
    static QMessageBox* create(ApplicationCloseIntent intent, QWidget* window);
    // The answer a finished alert gave; anything but the two actions counts as Cancel.
    static Answer answer(const QMessageBox& alert);

    static QAbstractButton* discardButton(const QMessageBox& alert);
    static QAbstractButton* saveImageButton(const QMessageBox& alert);
    static QAbstractButton* cancelButton(const QMessageBox& alert);
};

}  // namespace vlt
