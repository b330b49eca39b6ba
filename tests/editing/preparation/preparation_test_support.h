#pragma once

#include <memory>

#include <QTemporaryDir>

#include "import/crop_document.h"
#include "import/imported_image.h"

namespace vlt::test {

// A document opened from a file, as the import flow makes it.
inline std::unique_ptr<CropDocument> openDocument(const QString& path) {
    const QUrl url = QUrl::fromLocalFile(path);
    auto imported = ImportedImage::load(url, SecurityScopedFileAccess::start(url));
    if (!imported.ok()) return nullptr;
    return std::make_unique<CropDocument>(imported.value());
}

}  // namespace vlt::test
