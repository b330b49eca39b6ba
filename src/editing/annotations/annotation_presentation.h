#pragma once

#include <optional>
#include <vector>

#include <QSet>
#include <QUuid>

#include "editing/annotations/annotation_draft.h"
#include "editing/annotations/annotation_object.h"
#include "editing/engine/float2.h"

namespace vlt {

// Everything the canvas overlay draws. The default value is the empty presentation.
struct AnnotationPresentation {
    // The current annotations in drawing order (later ones on top).
    std::vector<AnnotationObject> objects;
    std::optional<QUuid> selectedID;
    // Added to the selected object while it is dragged.
    Float2 moveDelta;
    // Not drawn in their place: objects crossed by the eraser, and the object
    // being moved (drawn at translation + moveDelta instead).
    QSet<QUuid> hiddenIDs;
    std::optional<AnnotationDraft> draft;

    friend bool operator==(const AnnotationPresentation&, const AnnotationPresentation&) = default;
};

}  // namespace vlt
