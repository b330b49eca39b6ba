#pragma once

#include <QString>
#include <functional>
#include <optional>

class QFileDialog;
class QWidget;

namespace vlt {

// The save panel of the animation video: "Save video", one MPEG-4 filter, the
// proposed name filled in, ".mp4" added to a name typed without it or with another
// extension ("clip.txt" becomes "clip.txt.mp4"), folders may be
// created and an existing file is replaced only after the panel asked. It opens
// window-modal on the given window and reports the chosen path, or none when
// cancelled.
struct AnimationVideoSavePanel {
    static QString nameFilter();

    // Builds the panel without showing it.
    static QFileDialog* create(QWidget* window, const QString& proposedName);

    static void present(QWidget* window, const QString& proposedName,
                        std::function<void(std::optional<QString> path)> completion);
};

}  // namespace vlt
