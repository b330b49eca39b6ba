#include "app/app_alert_texts.h"

#include "foundation/localized_string.h"

namespace vlt {
namespace {

const QString kParagraphBreak = QStringLiteral("\n\n");

QString orFallback(const std::optional<QString>& text, const QString& fallback) {
    return text.has_value() && !text->isEmpty() ? *text : fallback;
}

}  // namespace

const QString& AppAlertTexts::replacementImportTitle() {
    static const QString text = localizedString("Image not opened");
    return text;
}

QString AppAlertTexts::replacementImportMessage(const std::optional<QString>& importError, bool hasEditorSession) {
    static const QString lead = localizedString("The replacement image could not be loaded.");
    static const QString fallback = localizedString("This image could not be opened.");
    static const QString editorKept = localizedString("Your current editor image remains open and unchanged.");
    static const QString cropKept = localizedString("Your crop remains available.");
    return lead + kParagraphBreak + orFallback(importError, fallback) + kParagraphBreak +
           (hasEditorSession ? editorKept : cropKept);
}

const QString& AppAlertTexts::reopenImagePickerButton() {
    static const QString text = localizedString("Reopen image picker");
    return text;
}

const QString& AppAlertTexts::editorPreparationTitle() {
    static const QString text = localizedString("Unable to open editor");
    return text;
}

QString AppAlertTexts::editorPreparationMessage(const std::optional<QString>& preparationError) {
    static const QString lead = localizedString("The editing canvas could not be prepared.");
    static const QString fallback =
        localizedString("This image could not be prepared for editing. Please adjust the crop or open it again.");
    static const QString tail = localizedString("Your crop remains available. Adjust it or try again.");
    return lead + kParagraphBreak + orFallback(preparationError, fallback) + kParagraphBreak + tail;
}

const QString& AppAlertTexts::printFailedTitle() {
    static const QString text = localizedString("Printing failed");
    return text;
}

QString AppAlertTexts::printFailedMessage(const std::optional<QString>& printError) {
    static const QString fallback = localizedString("The print job failed.");
    return orFallback(printError, fallback);
}

const QString& AppAlertTexts::closeButton() {
    static const QString text = localizedString("Close");
    return text;
}

}  // namespace vlt
