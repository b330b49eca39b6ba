#include "editor_screen/editor_scroll_bar_look.h"

#include <QScrollBar>

namespace vlt {

void applyEditorScrollBarLook(QScrollBar& bar) {
    bar.setStyleSheet(QStringLiteral(
        "QScrollBar:vertical { background: transparent; width: 6px; margin: 2px 0 2px 0; }"
        "QScrollBar::handle:vertical { background: rgba(0, 0, 0, 60); border-radius: 3px; min-height: 24px; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: transparent; }"));
}

}  // namespace vlt
