#pragma once

#include <memory>
#include <stop_token>

#include <QImage>
#include <QUuid>

#include "editing/preparation/editing_canvas_descriptor.h"
#include "editing/preparation/editing_canvas_preparation_failure.h"
#include "base/result.h"

namespace vlt {

// The fixed-size sRGB image that the editor works on. Immutable once made, shared by
// reference; its image is always exactly descriptor.canvasSize pixels.
class EditingCanvas {
public:
    // image is 8-bit sRGB with premultiplied alpha (QImage::Format_RGBA8888_Premultiplied).
    EditingCanvas(QUuid id, EditingCanvasDescriptor descriptor, QImage image);

    const QUuid& id() const { return id_; }
    const EditingCanvasDescriptor& descriptor() const { return descriptor_; }
    const QImage& image() const { return image_; }

    // Checks the source against its fingerprint, then decodes, orients, crops and
    // scales it onto the canvas in one pass. Blocking and free of interface state:
    // runs off the main thread. A stop asked for meanwhile ends a decode of the file
    // early, as a failure.
    static Result<std::shared_ptr<const EditingCanvas>, EditingCanvasPreparationFailure> prepare(
        const EditingCanvasDescriptor& descriptor, std::stop_token stop = {});

private:
    QUuid id_;
    EditingCanvasDescriptor descriptor_;
    QImage image_;
};

using SharedEditingCanvas = std::shared_ptr<const EditingCanvas>;

}  // namespace vlt
