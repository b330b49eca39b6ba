#include "model/feedback_draft.h"

#include "foundation/contact_validation.h"
#include "foundation/localized_string.h"
#include "foundation/user_perceived_text.h"

namespace vlt {

namespace {

bool equalAsUnicodeText(const QString& first, const QString& second) {
    return first == second ||
           first.normalized(QString::NormalizationForm_C) == second.normalized(QString::NormalizationForm_C);
}

}  // namespace

FeedbackDraft FeedbackDraft::trimmed() const {
    // QString's notion of white space is the Unicode separators plus U+0009 to U+000D
    // and U+0085: the set the rule names.
    return FeedbackDraft{name.trimmed(), email.trimmed(), message.trimmed()};
}

std::optional<QString> FeedbackDraft::validationMessage() const {
    const FeedbackDraft draft = trimmed();
    if (userPerceivedCharacterCount(draft.name) > kMaximumNameCharacters) {
        return localizedString("Name must be 100 characters or fewer.");
    }
    const bool emailTooLong = userPerceivedCharacterCount(draft.email) > kMaximumEmailCharacters;
    if (!draft.email.isEmpty() && (emailTooLong || !isValidContactEmail(draft.email))) {
        return localizedString("Enter a valid email address, or leave the field empty.");
    }
    if (draft.message.isEmpty()) return localizedString("Enter your feedback before sending.");
    if (userPerceivedCharacterCount(draft.message) > kMaximumMessageCharacters) {
        return localizedString("Feedback must be 5,000 characters or fewer.");
    }
    return std::nullopt;
}

bool FeedbackDraft::operator==(const FeedbackDraft& other) const {
    return equalAsUnicodeText(name, other.name) && equalAsUnicodeText(email, other.email) &&
           equalAsUnicodeText(message, other.message);
}

}  // namespace vlt
