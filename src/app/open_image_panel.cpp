#include "app/open_image_panel.h"

#include <QFileDialog>
#include <QPointer>

#include "foundation/localized_string.h"
#include "ui/file_dialog_room.h"

namespace vlt {

QString OpenImagePanel::nameFilter() {
    // JPEG, PNG, BMP, TIFF, HEIC and HEIF, in both letter cases that cameras write.
    static const QStringList patterns = {QStringLiteral("*.jpg"),  QStringLiteral("*.jpeg"), QStringLiteral("*.jpe"),
                                         QStringLiteral("*.png"),  QStringLiteral("*.bmp"),  QStringLiteral("*.tif"),
                                         QStringLiteral("*.tiff"), QStringLiteral("*.heic"), QStringLiteral("*.heif")};
    QStringList all = patterns;
    for (const QString& pattern : patterns) all.append(pattern.toUpper());
    return localizedString("Images") + QStringLiteral(" (") + all.join(QLatin1Char(' ')) + QLatin1Char(')');
}

QFileDialog* OpenImagePanel::create(QWidget* window, const QString& startFolder) {
    auto* panel = new QFileDialog(window);
    panel->setDirectory(startFolder);
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setWindowTitle(localizedString("Open Image"));
    panel->setFileMode(QFileDialog::ExistingFile);
    panel->setAcceptMode(QFileDialog::AcceptOpen);
    panel->setNameFilter(nameFilter());
    panel->setLabelText(QFileDialog::Accept, localizedString("Open"));
    // Qt's own panel, so that the message can stand above the file list.
    panel->setOption(QFileDialog::DontUseNativeDialog, true);
    panel->setOption(QFileDialog::DontResolveSymlinks, false);
    panel->setWindowModality(window != nullptr ? Qt::WindowModal : Qt::ApplicationModal);

    addFileDialogMessage(*panel,
                         localizedString("Choose one local image to crop. The original file will not be changed."),
                         QStringLiteral("openPanelMessage"));
    giveFileDialogRoom(*panel);
    return panel;
}

void OpenImagePanel::present(QWidget* window, const QString& startFolder,
                             std::function<void(std::optional<QUrl> file)> completion) {
    QFileDialog* panel = create(window, startFolder);
    QObject::connect(panel, &QFileDialog::finished, panel, [panel, completion = std::move(completion)](int result) {
        std::optional<QUrl> file;
        const QList<QUrl> chosen = panel->selectedUrls();
        if (result == QDialog::Accepted && !chosen.isEmpty() && !chosen.first().isEmpty()) file = chosen.first();
        if (completion) completion(file);
    });
    panel->open();
}

}  // namespace vlt
