#include "app/model/app_model.h"

namespace vlt {

void AppModel::presentFeedback() {
    if (isInteractionLocked()) return;
}

}  // namespace vlt
