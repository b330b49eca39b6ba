#pragma once

#include <vector>

#include <QString>
#include <QStringList>

#include "output/still/still_image_kind.h"

namespace vlt {

// What one finished still-image save wrote; the result card shows it.
struct StillImageSaveResult {
    QString folder;
    QStringList fileNames;
    std::vector<StillImageKind> includedKinds;

    friend bool operator==(const StillImageSaveResult&, const StillImageSaveResult&) = default;
};

}  // namespace vlt
