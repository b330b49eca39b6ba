#pragma once

#include <filesystem>

#include "model/feedback_identity_storing.h"
#include "foundation/installation_identity_store.h"

namespace vlt {

// The installation identity sent with feedback, in "feedback-installation.json". A
// file it cannot use is left alone and reported (a malformed identity as the
// service's invalidResponse), so the model falls back to an identity for this run.
class FeedbackIdentityStore final : public FeedbackIdentityStoring {
public:
    explicit FeedbackIdentityStore(std::filesystem::path filePath = defaultFilePath());

    Result<QString> loadOrCreate() override;

    static std::filesystem::path defaultFilePath();

private:
    InstallationIdentityStore store_;
};

}  // namespace vlt
