#pragma once

#include <memory>

#include <QString>

namespace vlt {

// Holds access to a folder the user chose for exactly as long as work in it needs
// it. Linux grants folder access through the file system alone, so the holder starts
// nothing and stops nothing; it keeps the place where a sandboxed build would.
class SecurityScopedFolderAccess {
public:
    static std::shared_ptr<SecurityScopedFolderAccess> start(const QString& folderPath) {
        return std::make_shared<SecurityScopedFolderAccess>(folderPath, false);
    }

    SecurityScopedFolderAccess(QString folderPath, bool didStartAccessing)
        : path_(std::move(folderPath)), didStartAccessing_(didStartAccessing) {}
    SecurityScopedFolderAccess(const SecurityScopedFolderAccess&) = delete;
    SecurityScopedFolderAccess& operator=(const SecurityScopedFolderAccess&) = delete;

    const QString& path() const { return path_; }
    bool didStartAccessing() const { return didStartAccessing_; }

private:
    QString path_;
    bool didStartAccessing_;
};

using SharedFolderAccess = std::shared_ptr<SecurityScopedFolderAccess>;

}  // namespace vlt
