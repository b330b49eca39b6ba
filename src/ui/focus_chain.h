#pragma once

class QWidget;

namespace vlt {

// Makes Tab visit the controls under `root` in the order its layouts show them: each
// layout's items in turn (top to bottom, left to right), a scroll area's content where
// the area stands, controls that sit outside any layout last. Qt's own chain follows
// the order in which widgets were created, which need not be the order on screen.
void orderFocusChainByLayout(QWidget* root);

}  // namespace vlt
