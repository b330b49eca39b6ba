#pragma once

#include <variant>
#include <vector>

#include <QUuid>

#include "editing/annotations/annotation_object.h"
#include "editing/annotations/annotation_text.h"
#include "editing/engine/brush_stamp.h"
#include "editing/engine/float2.h"

namespace vlt {

// One undoable step of the editor, a reshaping stroke or an annotation edit. An
// action holds only the new state: undo never inverts one, the annotation list is
// rebuilt from a baseline by applying the actions that are still applied.
struct EditorAction {
    // One committed reshaping stroke; its tiles travel beside it in the history.
    struct Deformation {
        std::vector<BrushStamp> stamps;
        friend bool operator==(const Deformation&, const Deformation&) = default;
    };
    struct AnnotationAdd {
        AnnotationObject object;
        friend bool operator==(const AnnotationAdd&, const AnnotationAdd&) = default;
    };
    struct AnnotationMove {
        QUuid id;
        Float2 delta;
        friend bool operator==(const AnnotationMove&, const AnnotationMove&) = default;
    };
    // The complete new text: string, origin, colour and font together.
    struct AnnotationTextEdit {
        QUuid id;
        AnnotationText text;
        friend bool operator==(const AnnotationTextEdit&, const AnnotationTextEdit&) = default;
    };
    // One eraser drag or delete may remove several objects at once.
    struct AnnotationDelete {
        std::vector<QUuid> ids;
        friend bool operator==(const AnnotationDelete&, const AnnotationDelete&) = default;
    };

    enum class Kind {
        deformation,
        annotationAdd,
        annotationMove,
        annotationTextEdit,
        annotationDelete,
    };

    std::variant<Deformation, AnnotationAdd, AnnotationMove, AnnotationTextEdit, AnnotationDelete> value;

    static EditorAction deformation(std::vector<BrushStamp> stamps) { return {Deformation{std::move(stamps)}}; }
    static EditorAction annotationAdd(AnnotationObject object) { return {AnnotationAdd{std::move(object)}}; }
    static EditorAction annotationMove(QUuid id, Float2 delta) { return {AnnotationMove{id, delta}}; }
    static EditorAction annotationTextEdit(QUuid id, AnnotationText text) {
        return {AnnotationTextEdit{id, std::move(text)}};
    }
    static EditorAction annotationDelete(std::vector<QUuid> ids) { return {AnnotationDelete{std::move(ids)}}; }

    Kind kind() const { return static_cast<Kind>(value.index()); }
    bool isDeformation() const { return kind() == Kind::deformation; }

    // Applies the action to an annotation list in place. A deformation leaves the
    // list as it is; edits of objects that are not there change nothing.
    void apply(std::vector<AnnotationObject>& annotations) const;

    friend bool operator==(const EditorAction&, const EditorAction&) = default;
};

}  // namespace vlt
