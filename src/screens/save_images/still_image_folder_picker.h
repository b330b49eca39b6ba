#pragma once

#include <functional>
#include <optional>

#include <QString>

class QFileDialog;
class QWidget;

namespace vlt {

// The folder picker of the Save images dialog: "Save images" with its message,
// folders only (new ones can be made), one at a time, confirmed with "Select folder",
// starting in the given folder. It opens window-modal on the given window (or
// free-standing without one) and reports the chosen folder, or nothing when cancelled.
struct StillImageFolderPicker {
    // Builds the picker without showing it.
    static QFileDialog* create(QWidget* window, const QString& startFolder);

    static void present(QWidget* window, const QString& startFolder,
                        std::function<void(std::optional<QString> folder)> completion);
};

}  // namespace vlt
