#pragma once

#include <memory>

#include "import/crop_document.h"
#include "model/app_model_test_access.h"
#include "model/model_test_support.h"

namespace vlt::testing {

// The model's fixture with a document open so the crop screen may act; its preview
// shows the four quadrants of makeQuadrantImage.
class CropScreenFixture : public ModelFixture {
public:
    explicit CropScreenFixture(ImageSize fullSize = {800, 600}, QSize previewSize = {400, 300})
        : document(std::make_shared<CropDocument>(
              makeImportedImage(QUrl::fromLocalFile(QStringLiteral("/photos/portrait.jpg")), int(fullSize.width),
                                int(fullSize.height), makeQuadrantImage(previewSize.width(), previewSize.height())))) {
        AppModelTestAccess::setDocument(*model, document);
    }

    std::shared_ptr<CropDocument> document;
};

}  // namespace vlt::testing
