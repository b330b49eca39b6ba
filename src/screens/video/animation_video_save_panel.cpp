#include "screens/video/animation_video_save_panel.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "foundation/localized_string.h"
#include "ui/file_dialog_room.h"

namespace vlt {

namespace {

const QString kExtension = QStringLiteral("mp4");

// The file holds an MP4 whatever name was typed, so a name that ends in another
// extension gets ".mp4" added before the panel accepts it; the panel then asks about
// replacing an existing file under the name actually written.
class VideoFileDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

protected:
    void accept() override {
        const QStringList chosen = selectedFiles();
        if (!chosen.isEmpty() && !QFileInfo(chosen.first()).isDir() &&
            QFileInfo(chosen.first()).suffix().compare(kExtension, Qt::CaseInsensitive) != 0) {
            selectFile(chosen.first() + QLatin1Char('.') + kExtension);
        }
        QFileDialog::accept();
    }
};

}  // namespace

QString AnimationVideoSavePanel::nameFilter() { return localizedString("MPEG-4 movie") + QStringLiteral(" (*.mp4)"); }

QFileDialog* AnimationVideoSavePanel::create(QWidget* window, const QString& proposedName) {
    auto* panel = new VideoFileDialog(window);
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setWindowTitle(localizedString("Save video"));
    panel->setAcceptMode(QFileDialog::AcceptSave);
    panel->setFileMode(QFileDialog::AnyFile);
    panel->setNameFilter(nameFilter());
    panel->setDefaultSuffix(kExtension);
    panel->setLabelText(QFileDialog::Accept, localizedString("Save"));
    // Qt's own panel, so that the message can stand under the file list.
    panel->setOption(QFileDialog::DontUseNativeDialog, true);
    panel->setWindowModality(window != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
    const QString movies = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    panel->setDirectory(QDir(movies).exists() ? movies : QDir::homePath());
    panel->selectFile(proposedName);

    addFileDialogMessage(*panel, localizedString("Choose where to save the animation video."),
                         QStringLiteral("videoSavePanelMessage"));
    giveFileDialogRoom(*panel);
    return panel;
}

void AnimationVideoSavePanel::present(QWidget* window, const QString& proposedName,
                                      std::function<void(std::optional<QString> path)> completion) {
    QFileDialog* panel = create(window, proposedName);
    QObject::connect(panel, &QFileDialog::finished, panel, [panel, completion = std::move(completion)](int result) {
        std::optional<QString> path;
        const QStringList chosen = panel->selectedFiles();
        if (result == QDialog::Accepted && !chosen.isEmpty() && !chosen.first().isEmpty()) path = chosen.first();
        if (completion) completion(path);
    });
    panel->open();
}

}  // namespace vlt
