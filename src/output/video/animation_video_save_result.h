#pragma once

#include <optional>

#include <QString>

namespace vlt {

// A finished video save: the published file, and the temporary folder that could
// not be removed afterwards (none when cleanup succeeded).
struct AnimationVideoSaveResult {
    QString destination;
    std::optional<QString> cleanupPath;

    friend bool operator==(const AnimationVideoSaveResult&, const AnimationVideoSaveResult&) = default;
};

}  // namespace vlt
