#include "foundation/configuration_file.h"

#include <optional>
#include <string>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "base/atomic_file.h"
#include "base/file_contents.h"
#include "base/folder_creation.h"

namespace vlt {

namespace {

// Far beyond any real configuration file; larger files are not read.
constexpr std::size_t kMaximumFileBytes = 1024 * 1024;
// The last folder opened may name a patient: the owner's alone.
constexpr mode_t kFileMode = 0600;

// QSettings over a private copy of some bytes, in a folder only this user may enter:
// it reads and writes the copy, never the file the bytes came from.
class PrivateCopy {
public:
    explicit PrivateCopy(const std::string& bytes = {}) {
        const QString path = folder_.filePath(QStringLiteral("copy.conf"));
        QFile file(path);
        if (!folder_.isValid() || !file.open(QIODevice::WriteOnly) ||
            file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) {
            return;
        }
        file.close();
        settings_.emplace(path, QSettings::IniFormat);
    }

    // None when no copy could be made.
    QSettings* settings() { return settings_ ? &*settings_ : nullptr; }

    // What QSettings made of the copy; none when it could not write it.
    std::optional<std::string> bytes() {
        settings_->sync();
        if (settings_->status() != QSettings::NoError) return std::nullopt;
        std::string contents;
        const std::filesystem::path path = QFile::encodeName(settings_->fileName()).toStdString();
        if (readFileContents(path, kMaximumFileBytes, contents)) return std::nullopt;
        return contents;
    }

private:
    QTemporaryDir folder_;
    std::optional<QSettings> settings_;
};

// A file of ours holds at least one entry, and only entries this application keeps.
bool holdsOnlyOurEntries(const QSettings& settings, const QString& key) {
    const QStringList keys = settings.allKeys();
    if (settings.status() != QSettings::NoError || keys.isEmpty()) return false;
    for (const QString& found : keys) {
        if (found != key && found != QLatin1String(ConfigurationFile::kLanguagesKey) &&
            found != QLatin1String(ConfigurationFile::kLastImageFolderKey)) {
            return false;
        }
    }
    return true;
}

}  // namespace

ConfigurationFile::ConfigurationFile(QString filePath) : filePath_(std::move(filePath)) {}

QVariant ConfigurationFile::value(const QString& key) const {
    std::string bytes;
    if (readFileContents(QFile::encodeName(filePath_).toStdString(), kMaximumFileBytes, bytes)) return {};
    PrivateCopy copy(bytes);
    return copy.settings() != nullptr ? copy.settings()->value(key) : QVariant();
}

void ConfigurationFile::setValue(const QString& key, const QVariant& value) const {
    // 1. What is there now. A link may lead to a file of anyone's: only one that holds
    //    nothing but our entries is ours, to be kept and written through.
    const std::filesystem::path path = QFile::encodeName(filePath_).toStdString();
    std::string bytes;
    FileIdentity read;
    const bool wasRead = !readFileContents(path, kMaximumFileBytes, bytes, &read);
    PrivateCopy found(wasRead ? bytes : std::string());
    if (found.settings() == nullptr) return;
    const bool isOurs = wasRead && holdsOnlyOurEntries(*found.settings(), key);
    std::error_code statusError;
    const bool keepsEntries =
        isOurs || !std::filesystem::is_symlink(std::filesystem::symlink_status(path, statusError));

    // 2. The entries kept and the new value, written into a fresh copy (QSettings
    //    reports only the first problem it met, so the copy that was read, perhaps
    //    with a format error, could not tell a failed write), then put in place.
    PrivateCopy made;
    if (made.settings() == nullptr) return;
    if (keepsEntries) {
        for (const QString& kept : found.settings()->allKeys()) {
            made.settings()->setValue(kept, found.settings()->value(kept));
        }
    }
    made.settings()->setValue(key, value);
    const std::optional<std::string> written = made.bytes();
    if (!written || createFolderWithIntermediates(path.parent_path())) return;
    replaceFileAtomically(path, *written, kFileMode, isOurs ? std::optional(read) : std::nullopt);
}

}  // namespace vlt
