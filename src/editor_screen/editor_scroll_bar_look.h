#pragma once

class QScrollBar;

namespace vlt {

// A slim scroller for the editor's side columns, so a scrolling list keeps most of
// its narrow width for its buttons.
void applyEditorScrollBarLook(QScrollBar& bar);

}  // namespace vlt
