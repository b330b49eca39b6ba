#pragma once

#include <memory>

#include <QImage>

#include "model/app_model.h"
#include "import/crop_document.h"
#include "base/scheduler.h"

namespace vlt::testing {

// A preview whose four quadrants have different colours, so that turns and mirrors
// can be told apart: red top left, green top right, blue bottom left, yellow bottom right.
QImage makeQuadrantPreview(int width, int height);

// A document of an imported picture of the given full size with that preview.
std::shared_ptr<CropDocument> makeDocument(ImageSize fullSize, const QImage& preview,
                                           const QString& fileName = QStringLiteral("portrait.jpg"));

// A model without stores on a manual scheduler, with a document open so the crop screen
// may act.
class CropScreenFixture {
public:
    explicit CropScreenFixture(ImageSize fullSize = {800, 600}, QSize previewSize = {400, 300});

    ManualScheduler scheduler;
    std::unique_ptr<AppModel> model;
    std::shared_ptr<CropDocument> document;
};

// Sets the pixel of a colour picked from an image near the expected one.
bool isNear(QColor actual, QColor expected, int tolerance = 6);

}  // namespace vlt::testing
