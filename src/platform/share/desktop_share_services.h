#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QString>
#include <QStringList>

#include "platform/share/share_services.h"

namespace vlt {

class DesktopPortal;
class FileManager;

// The Linux services of the share menu:
// - Open With…: the portal's application chooser; without the portal the file opens
//   in its default application, and the share counts only when one took it.
// - Send by Email…: the portal's e-mail composer with the file attached, else
//   `xdg-email --attach`; offered only when one of them is there.
// - Copy Image: the JPEG's bytes, the decoded image and the file's address on the
//   clipboard.
// - Show in File Manager: the file selected in a file manager window.
class DesktopShareServices final : public ShareServices {
public:
    // Programs and the default application, replaceable so that tests start nothing
    // of the desktop's.
    struct Launcher {
        // The full path of an installed program, or empty.
        std::function<QString(const QString& program)> findProgram;
        // Runs the program; the callback gets whether it ran and exited with 0.
        std::function<void(const QString& program, const QStringList& arguments, std::function<void(bool)> done)>
            runProgram;
        // Opens the file with its default application; the callback gets whether an
        // application took it.
        std::function<void(const QString& filePath, std::function<void(bool)> done)> openDefault;
    };

    DesktopShareServices(std::shared_ptr<DesktopPortal> portal, std::shared_ptr<FileManager> fileManager,
                         Launcher launcher = systemLauncher());

    bool canSendByEmail() override;
    void run(ShareMenuEntry entry, const QString& filePath, SharePickerCompletion completion) override;

    // PATH lookup, QProcess and xdg-open.
    static Launcher systemLauncher();

private:
    QString emailProgram() const;
    void openWith(const QString& filePath, SharePickerCompletion completion);
    void sendByEmail(const QString& filePath, SharePickerCompletion completion);
    void copyImage(const QString& filePath, SharePickerCompletion completion);
    void showInFileManager(const QString& filePath, SharePickerCompletion completion);

    std::shared_ptr<DesktopPortal> portal_;
    std::shared_ptr<FileManager> fileManager_;
    Launcher launcher_;
};

}  // namespace vlt
