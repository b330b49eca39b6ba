#pragma once

#include <memory>

#include "app/model/app_model.h"

namespace vlt {

class CropDocument;
class Scheduler;

// A model without stores, client or canvas preparation: enough for the screens, whose
// tests set the model's fields directly.
std::unique_ptr<AppModel> makeTestAppModel(Scheduler& scheduler);

// A small document as an import would make it.
std::shared_ptr<CropDocument> makeTestCropDocument();

}  // namespace vlt
