#include "app_model_test_factory_support.h"

#include <QImage>

#include "import/crop_document.h"
#include "import/imported_image.h"
#include "platform/tasks/scheduler.h"

namespace vlt {

std::unique_ptr<AppModel> makeTestAppModel(Scheduler& scheduler) {
    return std::make_unique<AppModel>(nullptr, nullptr, AppLanguage::english, nullptr, nullptr, PrepareEditingCanvas{},
                                      scheduler);
}

std::shared_ptr<CropDocument> makeTestCropDocument() {
    ImportedImage image;
    image.fileName = QStringLiteral("portrait.jpg");
    image.encodedSize = {400, 300};
    image.exifOrientedSize = {400, 300};
    image.previewSize = {400, 300};
    image.previewImage = QImage(400, 300, QImage::Format_RGBA8888_Premultiplied);
    image.previewImage.fill(Qt::gray);
    return std::make_shared<CropDocument>(image);
}

}  // namespace vlt
