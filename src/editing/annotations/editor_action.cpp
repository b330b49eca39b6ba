#include "editing/annotations/editor_action.h"

#include <algorithm>

#include <QSet>

namespace vlt {

namespace {

template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

AnnotationObject* firstWithID(std::vector<AnnotationObject>& annotations, const QUuid& id) {
    const auto found = std::find_if(annotations.begin(), annotations.end(),
                                    [&id](const AnnotationObject& object) { return object.id == id; });
    return found == annotations.end() ? nullptr : &*found;
}

}  // namespace

void EditorAction::apply(std::vector<AnnotationObject>& annotations) const {
    std::visit(Overloaded{
                   [](const Deformation&) {},
                   [&annotations](const AnnotationAdd& add) { annotations.push_back(add.object); },
                   [&annotations](const AnnotationMove& move) {
                       if (AnnotationObject* object = firstWithID(annotations, move.id)) {
                           object->translation += move.delta;
                       }
                   },
                   [&annotations](const AnnotationTextEdit& edit) {
                       AnnotationObject* object = firstWithID(annotations, edit.id);
                       if (object && std::holds_alternative<AnnotationText>(object->content)) {
                           object->content = edit.text;
                       }
                   },
                   [&annotations](const AnnotationDelete& erase) {
                       if (erase.ids.empty()) {
                           return;
                       }
                       const QSet<QUuid> doomed(erase.ids.begin(), erase.ids.end());
                       std::erase_if(annotations,
                                     [&doomed](const AnnotationObject& object) { return doomed.contains(object.id); });
                   },
               },
               value);
}

}  // namespace vlt
