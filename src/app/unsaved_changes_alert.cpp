#include "app/unsaved_changes_alert.h"

#include <QMessageBox>
#include <QPushButton>

#include "foundation/localized_string.h"

namespace vlt {

namespace {

constexpr auto kDiscardName = "unsavedChangesDiscard";
constexpr auto kSaveImageName = "unsavedChangesSaveImage";
constexpr auto kCancelName = "unsavedChangesCancel";

bool isRestart(ApplicationCloseIntent intent) {
    return intent == ApplicationCloseIntent::restartForUpdate || intent == ApplicationCloseIntent::restartForLanguage;
}

QString discardMessage(ApplicationCloseIntent intent) {
    switch (intent) {
    case ApplicationCloseIntent::close: {
        static const QString text = localizedString(
            "Your current result has not been saved as an image. If you close now, those changes in the editor "
            "will be discarded.");
        return text;
    }
    case ApplicationCloseIntent::restartForUpdate:
        return localizedString(
            "Your current result has not been saved as an image. If you restart now, those changes in the editor "
            "will be discarded.");
    case ApplicationCloseIntent::restartForLanguage:
        return localizedString("The changes are not saved. Restarting now will discard them.");
    case ApplicationCloseIntent::openAnotherImage: {
        static const QString text = localizedString(
            "Your current result has not been saved as an image. If you open another image now, those changes in "
            "the editor will be discarded.");
        return text;
    }
    }
    return {};
}

QString lead(ApplicationCloseIntent intent) {
    if (intent == ApplicationCloseIntent::restartForLanguage) {
        static const QString text = localizedString("Save before restarting?");
        return text;
    }
    static const QString text = localizedString("Your latest changes have not been saved.");
    return text;
}

QPushButton* addButton(QMessageBox& alert, const QString& title, const QString& accessibilityLabel,
                       QMessageBox::ButtonRole role, const char* objectName) {
    QPushButton* button = alert.addButton(title, role);
    button->setAccessibleName(accessibilityLabel);
    button->setObjectName(QString::fromLatin1(objectName));
    // Only the default button may answer Return, whichever button has the focus.
    button->setAutoDefault(false);
    return button;
}

QAbstractButton* findButton(const QMessageBox& alert, const char* objectName) {
    return alert.findChild<QAbstractButton*>(QString::fromLatin1(objectName));
}

}  // namespace

UnsavedChangesAlert::Texts UnsavedChangesAlert::texts(ApplicationCloseIntent intent) {
    static const QString message = localizedString("Unsaved image changes");
    static const QString closeAnyway = localizedString("Close Anyway");
    static const QString restartAnyway = localizedString("Restart Anyway");
    static const QString closeWithoutSaving = localizedString("Close Veltrano without saving image changes");
    static const QString restartWithoutSaving = localizedString("Restart Veltrano without saving image changes");
    static const QString openAnyway = localizedString("Open Anyway");
    static const QString openWithoutSaving = localizedString("Open another image without saving image changes");
    static const QString saveImage = localizedString("Save Image");
    static const QString saveImageBeforeClosing = localizedString("Save image before closing");
    static const QString saveImageBeforeOpening = localizedString("Save image before opening another image");
    static const QString cancel = localizedString("Cancel");
    static const QString cancelClosing = localizedString("Cancel closing Veltrano");
    static const QString cancelOpening = localizedString("Cancel opening another image");

    const bool opens = intent == ApplicationCloseIntent::openAnotherImage;
    Texts texts;
    texts.message = message;
    texts.informativeText = lead(intent) + QStringLiteral("\n\n") + discardMessage(intent);
    texts.discardTitle = opens ? openAnyway : isRestart(intent) ? restartAnyway : closeAnyway;
    texts.discardAccessibilityLabel = opens               ? openWithoutSaving
                                      : isRestart(intent) ? restartWithoutSaving
                                                          : closeWithoutSaving;
    texts.saveImageTitle = saveImage;
    texts.saveImageAccessibilityLabel = opens ? saveImageBeforeOpening : saveImageBeforeClosing;
    texts.cancelTitle = cancel;
    texts.cancelAccessibilityLabel = opens ? cancelOpening : cancelClosing;
    return texts;
}

QMessageBox* UnsavedChangesAlert::create(ApplicationCloseIntent intent, QWidget* window) {
    const Texts words = texts(intent);
    auto* alert = new QMessageBox(window);
    alert->setObjectName(QStringLiteral("unsavedChangesAlert"));
    alert->setIcon(QMessageBox::Warning);
    alert->setWindowModality(Qt::WindowModal);
    alert->setText(words.message);
    alert->setInformativeText(words.informativeText);

    addButton(*alert, words.discardTitle, words.discardAccessibilityLabel, QMessageBox::DestructiveRole, kDiscardName);
    QPushButton* saveImage = addButton(*alert, words.saveImageTitle, words.saveImageAccessibilityLabel,
                                       QMessageBox::AcceptRole, kSaveImageName);
    QPushButton* cancel =
        addButton(*alert, words.cancelTitle, words.cancelAccessibilityLabel, QMessageBox::RejectRole, kCancelName);
    alert->setDefaultButton(saveImage);
    alert->setEscapeButton(cancel);
    // Return saves, but a stray Space or click on the focused button only cancels.
    cancel->setFocus(Qt::OtherFocusReason);
    return alert;
}

UnsavedChangesAlert::Answer UnsavedChangesAlert::answer(const QMessageBox& alert) {
    const QAbstractButton* clicked = alert.clickedButton();
    if (clicked != nullptr && clicked == discardButton(alert)) return Answer::discard;
    if (clicked != nullptr && clicked == saveImageButton(alert)) return Answer::saveImage;
    return Answer::cancel;
}

QAbstractButton* UnsavedChangesAlert::discardButton(const QMessageBox& alert) {
    return findButton(alert, kDiscardName);
}

QAbstractButton* UnsavedChangesAlert::saveImageButton(const QMessageBox& alert) {
    return findButton(alert, kSaveImageName);
}

QAbstractButton* UnsavedChangesAlert::cancelButton(const QMessageBox& alert) { return findButton(alert, kCancelName); }

}  // namespace vlt
