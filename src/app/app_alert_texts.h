#pragma once

#include <QString>
#include <optional>

namespace vlt {

// Titles and messages of the two alerts and the print failure card that the root view
// shows for the model. An error text that is missing or empty falls back to a fixed
// sentence.
struct AppAlertTexts {
    static const QString& replacementImportTitle();
    static QString replacementImportMessage(const std::optional<QString>& importError, bool hasEditorSession);
    static const QString& reopenImagePickerButton();

    static const QString& editorPreparationTitle();
    static QString editorPreparationMessage(const std::optional<QString>& preparationError);

    static const QString& printFailedTitle();
    static QString printFailedMessage(const std::optional<QString>& printError);

    static const QString& closeButton();
};

}  // namespace vlt
