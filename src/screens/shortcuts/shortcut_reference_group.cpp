#include "screens/shortcuts/shortcut_reference_group.h"

#include "foundation/localized_string.h"

namespace vlt {

ShortcutReferenceGroup::ShortcutReferenceGroup(QString groupTitle,
                                               std::vector<std::pair<QString, QString>> behaviorGesturePairs)
    : title(std::move(groupTitle)) {
    entries.reserve(behaviorGesturePairs.size());
    for (auto& [behavior, gesture] : behaviorGesturePairs) entries.push_back({std::move(behavior), std::move(gesture)});
}

namespace {

// Key combinations, the zoom's "Ctrl+mouse wheel" among them, are written the way Linux
// menus show them and read the same in every language, as on the start page. The
// zoom-out key is the minus sign U+2212, as on the key cap.
QString keys(const char* text) { return QString::fromUtf8(text); }

std::vector<ShortcutReferenceGroup> buildTable() {
    return {
        {localizedString("Must use"),
         {{localizedString("Adjust brush size"),
           localizedString("Hold Alt and scroll with two fingers, or use the mouse wheel")},
          {localizedString("Zoom in or out"), keys("Ctrl+mouse wheel")},
          {localizedString("Move around a zoomed image"),
           localizedString("Hold the middle mouse button and drag, or hold Spacebar and drag")}}},
        {localizedString("File and output"),
         {{localizedString("Open another image"), keys("Ctrl+O")},
          {localizedString("Open Save images"), keys("Ctrl+S")},
          {localizedString("Open the system print workflow"), keys("Ctrl+P")},
          {localizedString("Documentation"), keys("Ctrl+?")}}},
        {localizedString("History and selection"),
         {{localizedString("Undo the latest action"), keys("Ctrl+Z")},
          {localizedString("Redo the latest undone action"), keys("Ctrl+Shift+Z")},
          {localizedString("Delete the selected annotation"), localizedString("Backspace or Delete")},
          {localizedString("Edit the selected text annotation"), keys("F2")},
          {localizedString("Cancel an incomplete action or clear the annotation selection"),
           localizedString("Escape")}}},
        {localizedString("View and navigation"),
         {{localizedString("Center and fit the complete image"), keys("F")},
          {localizedString("Display the image at 100%"), keys("Ctrl+1")},
          {localizedString("Zoom in incrementally"), keys("Ctrl++")},
          {localizedString("Zoom out incrementally"), keys("Ctrl+\u2212")},
          {localizedString("Select the previous editor tab"), localizedString("Left Arrow")},
          {localizedString("Select the next editor tab"), localizedString("Right Arrow")},
          {localizedString("Show or hide Comparison labels"), keys("Ctrl+L")},
          {localizedString("Collapse or expand the inspector"), keys("Ctrl+I")},
          {localizedString("Collapse or expand the left toolbar"), keys("Ctrl+T")}}},
        {localizedString("Reshape tools"),
         {{localizedString("Select Push"), keys("P")},
          {localizedString("Select Grow"), keys("G")},
          {localizedString("Select Shrink"), keys("S")},
          {localizedString("Select Reconstruct"), keys("R")}}},
        {localizedString("Annotation tools"),
         {{localizedString("Select or move annotations"), keys("V")},
          {localizedString("Select Draw"), keys("D")},
          {localizedString("Select Eraser"), keys("E")},
          {localizedString("Select Text"), keys("T")}}},
        {localizedString("Crop"),
         {{localizedString("Rotate the crop left"), keys("Ctrl+[")},
          {localizedString("Rotate the crop right"), keys("Ctrl+]")}}},
    };
}

}  // namespace

const std::vector<ShortcutReferenceGroup>& ShortcutReferenceGroup::all() {
    static const std::vector<ShortcutReferenceGroup> table = buildTable();
    return table;
}

}  // namespace vlt
