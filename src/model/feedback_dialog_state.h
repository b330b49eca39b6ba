#pragma once

#include <cstdint>
#include <optional>

#include <QString>

#include "model/feedback_draft.h"

namespace vlt {

// The feedback area of the application model: the open feedback dialog's texts, its
// messages and where its submission stands. A new value per opening of the dialog.
struct FeedbackDialogState {
    // Which opening of the dialog this is; an outcome is applied only to the opening
    // that sent it, so a dialog closed and opened again never gets an old answer.
    std::uint64_t opening = 0;

    QString name;
    QString email;
    QString message;
    // The first validation rule the last Send broke.
    std::optional<QString> validationMessage;
    // The last submission's outcome: the thank-you text or why it failed.
    std::optional<QString> statusMessage;
    bool isSending = false;
    // Once true, true for the rest of this opening.
    bool isReceived = false;
    // The feedback identifier of the last submitted draft and that trimmed draft: a
    // Send of the same texts is a retry under the same identifier.
    std::optional<QString> retryFeedbackID;
    std::optional<FeedbackDraft> retryDraft;

    FeedbackDraft draft() const { return FeedbackDraft{name, email, message}; }

    bool operator==(const FeedbackDialogState&) const = default;
};

// The fixed texts of the feedback dialog.
struct FeedbackTexts {
    static const QString& title();
    static const QString& notice();
    static const QString& sendingHeading();
    static const QString& sendingDetail();
    static const QString& receivedHeading();
    static const QString& receivedMessage();
};

}  // namespace vlt
