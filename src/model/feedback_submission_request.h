#pragma once

#include <cstdint>

#include <QString>

namespace vlt {

// One feedback message as it travels, in the order of its keys on the wire.
struct FeedbackSubmissionRequest {
    std::int64_t schemaVersion = 1;
    QString feedbackId;
    QString installationId;
    QString platform;
    QString appVersion;
    QString name;
    QString email;
    QString message;

    bool operator==(const FeedbackSubmissionRequest&) const = default;

    // The running system's name ("linux") as the platform.
    static constexpr const char* kPlatform = "linux";
};

}  // namespace vlt
