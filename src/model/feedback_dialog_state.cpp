#include "model/feedback_dialog_state.h"

#include "foundation/localized_string.h"

namespace vlt {

const QString& FeedbackTexts::title() {
    static const QString text = localizedString("Send Feedback");
    return text;
}

const QString& FeedbackTexts::notice() {
    static const QString text = localizedString("Your feedback, name, and email will be sent to Veltrano support.");
    return text;
}

const QString& FeedbackTexts::sendingHeading() {
    static const QString text = localizedString("Sending feedback");
    return text;
}

const QString& FeedbackTexts::sendingDetail() {
    static const QString text = localizedString("Sending feedback…");
    return text;
}

const QString& FeedbackTexts::receivedHeading() {
    static const QString text = localizedString("Feedback received");
    return text;
}

const QString& FeedbackTexts::receivedMessage() {
    static const QString text = localizedString("Thank you. Your feedback was received.");
    return text;
}

}  // namespace vlt
