#pragma once

#include <cstdint>
#include <memory>

#include <QImage>
#include <QObject>
#include <QString>

#include "import/crop_selection.h"
#include "import/image_size.h"
#include "import/imported_image.h"
#include "import/security_scoped_file_access.h"
#include "import/supported_image_format.h"

namespace vlt {

// The opened photograph as the application sees it: the facts read at import, the
// preview and the crop selection, the one thing the user edits before the editor.
// Main thread only; documents are compared by identity.
class CropDocument final : public QObject {
    Q_OBJECT

public:
    static constexpr double kMinimumCropSize = 32;

    explicit CropDocument(const ImportedImage& importedImage, QObject* parent = nullptr);

    const SharedFileAccess& fileAccess() const { return fileAccess_; }
    const QString& fileName() const { return fileName_; }
    SupportedImageFormat format() const { return format_; }
    ImageSize encodedSize() const { return encodedSize_; }
    ImageSize exifOrientedSize() const { return exifOrientedSize_; }
    std::int32_t encodedOrientation() const { return encodedOrientation_; }
    ImageSize previewSize() const { return previewSize_; }
    const QImage& previewImage() const { return previewImage_; }
    // What the import's decode kept, for the editing canvas; may be none.
    const std::shared_ptr<const ImageDecodeCache>& decodeCache() const { return decodeCache_; }
    // Once the canvas is made nothing else needs it: its memory and its temporary file
    // go now rather than with the document.
    void releaseDecodeCache() { decodeCache_.reset(); }

    const CropSelection& selection() const { return selection_; }
    // Stores the whole value; observers hear of it only when any field differs.
    void setSelection(const CropSelection& selection);

    // The editing canvas size for this crop: aligned to whole pixels, then fitted so
    // that its longer side is at most maximumDimension.
    ImageSize editingCanvasSize(std::int64_t maximumDimension) const;

signals:
    void selectionChanged();

private:
    SharedFileAccess fileAccess_;
    QString fileName_;
    SupportedImageFormat format_;
    ImageSize encodedSize_;
    ImageSize exifOrientedSize_;
    std::int32_t encodedOrientation_;
    ImageSize previewSize_;
    QImage previewImage_;
    std::shared_ptr<const ImageDecodeCache> decodeCache_;
    CropSelection selection_;
};

}  // namespace vlt
