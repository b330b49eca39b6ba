#include "screens/save_images/still_image_folder_picker.h"

#include <QFileDialog>

#include "foundation/localized_string.h"
#include "ui/file_dialog_room.h"

namespace vlt {

QFileDialog* StillImageFolderPicker::create(QWidget* window, const QString& startFolder) {
    auto* picker = new QFileDialog(window);
    if (!startFolder.isEmpty()) picker->setDirectory(startFolder);
    picker->setAttribute(Qt::WA_DeleteOnClose);
    picker->setWindowTitle(localizedString("Save images"));
    picker->setFileMode(QFileDialog::Directory);
    picker->setAcceptMode(QFileDialog::AcceptOpen);
    picker->setLabelText(QFileDialog::Accept, localizedString("Select folder"));
    // Qt's own picker, so that the message can stand beneath the folder list.
    picker->setOption(QFileDialog::DontUseNativeDialog, true);
    picker->setOption(QFileDialog::ShowDirsOnly, true);
    picker->setWindowModality(window != nullptr ? Qt::WindowModal : Qt::ApplicationModal);

    addFileDialogMessage(*picker, localizedString("Choose the destination for your saved image files."),
                         QStringLiteral("stillImageFolderPickerMessage"));
    giveFileDialogRoom(*picker);
    return picker;
}

void StillImageFolderPicker::present(QWidget* window, const QString& startFolder,
                                     std::function<void(std::optional<QString> folder)> completion) {
    QFileDialog* picker = create(window, startFolder);
    QObject::connect(picker, &QFileDialog::finished, picker, [picker, completion = std::move(completion)](int result) {
        std::optional<QString> folder;
        const QStringList chosen = picker->selectedFiles();
        if (result == QDialog::Accepted && !chosen.isEmpty() && !chosen.first().isEmpty()) {
            folder = chosen.first();
        }
        if (completion) completion(folder);
    });
    picker->open();
}

}  // namespace vlt
