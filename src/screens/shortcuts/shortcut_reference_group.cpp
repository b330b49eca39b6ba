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

// Key combinations are written the way Linux menus show them; they are the same in
// every language. The zoom-out key is the minus sign U+2212, as on the key cap.
QString keys(const char* text) { return QString::fromUtf8(text); }

std::vector<ShortcutReferenceGroup> buildTable() {
    const auto t = [](const char* english) { return localizedString(english); };
    return {
        {t("Must use"),
         {{t("Adjust brush size"), t("Hold Alt and scroll with two fingers, or use the mouse wheel")},
          {t("Zoom in or out"), keys("Ctrl+mouse wheel")},
          {t("Move around a zoomed image"), t("Hold the middle mouse button and drag, or hold Spacebar and drag")}}},
        {t("File and output"),
         {{t("Open another image"), keys("Ctrl+O")},
          {t("Open Save images"), keys("Ctrl+S")},
          {t("Open the system print workflow"), keys("Ctrl+P")},
          {t("Documentation"), keys("Ctrl+?")}}},
        {t("History and selection"),
         {{t("Undo the latest action"), keys("Ctrl+Z")},
          {t("Redo the latest undone action"), keys("Ctrl+Shift+Z")},
          {t("Delete the selected annotation"), t("Backspace or Delete")},
          {t("Edit the selected text annotation"), keys("F2")},
          {t("Cancel an incomplete action or clear the annotation selection"), t("Escape")}}},
        {t("View and navigation"),
         {{t("Center and fit the complete image"), keys("F")},
          {t("Display the image at 100%"), keys("Ctrl+1")},
          {t("Zoom in incrementally"), keys("Ctrl++")},
          {t("Zoom out incrementally"), keys("Ctrl+\u2212")},
          {t("Select the previous editor tab"), t("Left Arrow")},
          {t("Select the next editor tab"), t("Right Arrow")},
          {t("Show or hide Comparison labels"), keys("Ctrl+L")},
          {t("Collapse or expand the inspector"), keys("Ctrl+I")},
          {t("Collapse or expand the left toolbar"), keys("Ctrl+T")}}},
        {t("Reshape tools"),
         {{t("Select Push"), keys("P")},
          {t("Select Grow"), keys("G")},
          {t("Select Shrink"), keys("S")},
          {t("Select Reconstruct"), keys("R")}}},
        {t("Annotation tools"),
         {{t("Select or move annotations"), keys("V")},
          {t("Select Draw"), keys("D")},
          {t("Select Eraser"), keys("E")},
          {t("Select Text"), keys("T")}}},
        {t("Crop"), {{t("Rotate the crop left"), keys("Ctrl+[")}, {t("Rotate the crop right"), keys("Ctrl+]")}}},
    };
}

}  // namespace

const std::vector<ShortcutReferenceGroup>& ShortcutReferenceGroup::all() {
    static const std::vector<ShortcutReferenceGroup> table = buildTable();
    return table;
}

}  // namespace vlt
