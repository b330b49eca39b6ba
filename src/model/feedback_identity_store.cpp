#include "model/feedback_identity_store.h"

#include "model/feedback_submission_failure.h"

namespace vlt {

FeedbackIdentityStore::FeedbackIdentityStore(std::filesystem::path filePath)
    : store_(std::move(filePath), DamagedIdentityPolicy::reject) {}

Result<QString> FeedbackIdentityStore::loadOrCreate() {
    Result<std::string> identity = store_.loadOrCreate();
    if (identity) return QString::fromStdString(identity.value());
    if (dynamic_cast<const InstallationIdentityFailure*>(identity.error().get()) != nullptr) {
        return makeError<FeedbackSubmissionFailure>(FeedbackSubmissionFailure::Case::invalidResponse);
    }
    return identity.error();
}

std::filesystem::path FeedbackIdentityStore::defaultFilePath() {
    return InstallationIdentityStore::defaultFilePath(InstallationIdentityStore::kFeedbackFileName);
}

}  // namespace vlt
