#include "screens/crop/crop_screen_test_support.h"
#include "model/app_model_test_access.h"

#include <cstdlib>

#include <QPainter>

#include "import/imported_image.h"

namespace vlt::testing {

QImage makeQuadrantPreview(int width, int height) {
    QImage image(width, height, QImage::Format_RGBA8888_Premultiplied);
    QPainter painter(&image);
    const int halfWidth = width / 2;
    const int halfHeight = height / 2;
    painter.fillRect(0, 0, halfWidth, halfHeight, Qt::red);
    painter.fillRect(halfWidth, 0, width - halfWidth, halfHeight, Qt::green);
    painter.fillRect(0, halfHeight, halfWidth, height - halfHeight, Qt::blue);
    painter.fillRect(halfWidth, halfHeight, width - halfWidth, height - halfHeight, Qt::yellow);
    return image;
}

std::shared_ptr<CropDocument> makeDocument(ImageSize fullSize, const QImage& preview, const QString& fileName) {
    ImportedImage imported;
    imported.fileName = fileName;
    imported.encodedSize = fullSize;
    imported.exifOrientedSize = fullSize;
    imported.previewSize = {preview.width(), preview.height()};
    imported.previewImage = preview;
    return std::make_shared<CropDocument>(imported);
}

CropScreenFixture::CropScreenFixture(ImageSize fullSize, QSize previewSize) {
    auto unusedPreparation =
        [](const EditingCanvasDescriptor&) -> Result<SharedEditingCanvas, EditingCanvasPreparationFailure> {
        return EditingCanvasPreparationFailure(EditingCanvasPreparationFailure::Case::decodeFailed);
    };
    model = std::make_unique<AppModel>(nullptr, nullptr, AppLanguage::english, nullptr, nullptr, unusedPreparation,
                                       scheduler);
    document = makeDocument(fullSize, makeQuadrantPreview(previewSize.width(), previewSize.height()));
    AppModelTestAccess::setDocument(*model, document);
}

bool isNear(QColor actual, QColor expected, int tolerance) {
    return std::abs(actual.red() - expected.red()) <= tolerance &&
           std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance;
}

}  // namespace vlt::testing
