#pragma once

#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

class QFileDialog;
class QWidget;

namespace vlt {

// The open panel for one local photograph: "Open Image", limited to the six readable
// formats, files only, one at a time, starting in the given folder. It opens
// window-modal on the given window (or free-standing without one) and reports the
// chosen file, or nothing when cancelled.
struct OpenImagePanel {
    // The name filter, for example "Images (*.jpg *.jpeg … *.heif)".
    static QString nameFilter();

    // Builds the panel without showing it.
    static QFileDialog* create(QWidget* window, const QString& startFolder);

    static void present(QWidget* window, const QString& startFolder,
                        std::function<void(std::optional<QUrl> file)> completion);
};

}  // namespace vlt
