#include "model/share_image_dialog_state.h"

#include "output/still/still_image_composer.h"

namespace vlt {

bool ShareImageDialogState::hasComparisonLabels(const ApplicationSettings& settings) {
    return !settings.originalComparisonLabel.trimmed().isEmpty() ||
           !settings.simulationComparisonLabel.trimmed().isEmpty();
}

bool ShareImageDialogState::hasContactInformation(const ApplicationSettings& settings) {
    return !StillImageComposer::contactText(settings).isEmpty();
}

ShareImageDialogState ShareImageDialogState::effective(const ApplicationSettings& settings) const {
    return {selectedKind, includeLabels && hasComparisonLabels(settings),
            includeContactInformation && hasContactInformation(settings)};
}

}  // namespace vlt
