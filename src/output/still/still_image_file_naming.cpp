#include "output/still/still_image_file_naming.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include <QStringList>

#include "base/system_error.h"
#include "foundation/localized_string.h"
#include "foundation/user_perceived_text.h"
#include "output/still/still_image_file_format_names.h"
#include "output/still/still_image_output_failure.h"

namespace vlt {
namespace {

const QString kFallbackStem = QStringLiteral("VLT");
constexpr qsizetype kMaximumStemCharacters = 169;
constexpr int kVersionDigits = 2;
constexpr mode_t kNewFolderMode = 0777;

bool isControlCharacter(QChar character) { return character.unicode() < 0x20; }

// The rules a trimmed name can break after its length in characters, each with a
// text of its own so that the dialog says which one.
enum class NameRule { dotName, pathSeparator, controlCharacter, byteLength };

// "." and "..", a path separator or the colon that the file manager shows as a slash,
// a control character (NUL would cut the path short, the others garble it), or more
// bytes than a name may take once `tailBytes` are added.
std::optional<NameRule> brokenNameRule(const QString& trimmed, qsizetype tailBytes) {
    if (trimmed == QLatin1String(".") || trimmed == QLatin1String("..")) return NameRule::dotName;
    if (trimmed.contains(QLatin1Char('/')) || trimmed.contains(QLatin1Char(':'))) return NameRule::pathSeparator;
    if (std::any_of(trimmed.begin(), trimmed.end(), isControlCharacter)) return NameRule::controlCharacter;
    if (trimmed.toUtf8().size() + tailBytes > StillImageFileNaming::kMaximumNameBytes) return NameRule::byteLength;
    return std::nullopt;
}

// The longest tail that a base name gets in a file name.
qsizetype longestFileNameTailBytes() {
    qsizetype longest = 0;
    for (StillImageKind kind : kAllStillImageKinds) {
        for (StillImageFileFormat format : {StillImageFileFormat::jpeg, StillImageFileFormat::png}) {
            const QString tail =
                StillImageFileNaming::fileName(QString(), kind, format, StillImageFileNaming::kMaximumVersion);
            longest = std::max(longest, tail.toUtf8().size());
        }
    }
    return longest;
}

// Blanks and tabs only: the default name keeps line breaks for the dialog's check.
QString trimmedOfBlanks(const QString& text) {
    auto isBlank = [](QChar character) {
        return character == QLatin1Char('\t') || character.category() == QChar::Separator_Space;
    };
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && isBlank(text.at(start))) ++start;
    while (end > start && isBlank(text.at(end - 1))) --end;
    return text.mid(start, end - start);
}

QString lastComponentWithoutExtension(const QString& path) {
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.left(dot) : name;
}

std::filesystem::path pathOf(const std::filesystem::path& folder, const QString& name) {
    return folder / name.toStdString();
}

}  // namespace

std::optional<QString> StillImageFileNaming::baseNameValidationMessage(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return localizedString("Enter a base filename.");
    if (userPerceivedCharacterCount(trimmed) > kMaximumBaseNameCharacters) {
        return localizedString("The base filename must be 180 characters or fewer.");
    }
    static const qsizetype tailBytes = longestFileNameTailBytes();
    const std::optional<NameRule> broken = brokenNameRule(trimmed, tailBytes);
    if (!broken) return std::nullopt;
    switch (*broken) {
    case NameRule::dotName:
        return localizedString("The base filename cannot be “.” or “..”.");
    case NameRule::pathSeparator:
        return localizedString("Enter a valid system filename without a path separator.");
    case NameRule::controlCharacter:
        return localizedString("The base filename cannot contain line breaks, tabs or other control characters.");
    case NameRule::byteLength:
        return localizedString("The base filename is too long for the file system.");
    }
    return std::nullopt;
}

std::optional<QString> StillImageFileNaming::subfolderValidationMessage(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return std::nullopt;
    if (userPerceivedCharacterCount(trimmed) > kMaximumSubfolderCharacters) {
        return localizedString("The subfolder name must be 255 characters or fewer.");
    }
    const std::optional<NameRule> broken = brokenNameRule(trimmed, 0);
    if (!broken) return std::nullopt;
    switch (*broken) {
    case NameRule::dotName:
        return localizedString("The subfolder name cannot be “.” or “..”.");
    case NameRule::pathSeparator:
        return localizedString("Enter a valid system folder name without a path separator.");
    case NameRule::controlCharacter:
        return localizedString("The subfolder name cannot contain line breaks, tabs or other control characters.");
    case NameRule::byteLength:
        return localizedString("The subfolder name is too long for the file system.");
    }
    return std::nullopt;
}

QString StillImageFileNaming::fileName(const QString& baseName, StillImageKind kind, StillImageFileFormat format,
                                       int version) {
    const QString versionText = QString::number(version).rightJustified(kVersionDigits, QLatin1Char('0'));
    return QStringLiteral("%1-v%2-%3.%4")
        .arg(baseName.trimmed(), versionText, QString::fromUtf8(stillImageKindRawValue(kind)),
             stillImageFileExtension(format));
}

Result<int> StillImageFileNaming::firstAvailableVersion(const std::filesystem::path& folder, const QString& baseName,
                                                        StillImageFileFormat format, StillImageFileSystem& fileSystem) {
    if (baseNameValidationMessage(baseName)) {
        return StillImageOutputFailure::make(StillImageOutputFailure::Case::invalidBaseName);
    }
    for (int version = 1; version <= kMaximumVersion; ++version) {
        bool taken = false;
        for (StillImageKind kind : kAllStillImageKinds) {
            const Result<bool> exists =
                fileSystem.entryExists(pathOf(folder, fileName(baseName, kind, format, version)));
            if (!exists.ok()) return exists.error();
            if (exists.value()) {
                taken = true;
                break;
            }
        }
        if (!taken) return version;
    }
    return StillImageOutputFailure::make(StillImageOutputFailure::Case::noAvailableFilename);
}

QString StillImageFileNaming::defaultBaseName(const QString& sourcePath, const QDateTime& date) {
    const QString stem = sanitizedStem(lastComponentWithoutExtension(sourcePath));
    const QString dateText = date.toLocalTime().date().toString(u"yyyy-MM-dd");
    return trimmedOfBlanks(
        firstUserPerceivedCharacters(stem + QLatin1Char('-') + dateText, kMaximumBaseNameCharacters));
}

QString StillImageFileNaming::sanitizedStem(const QString& text) {
    QString stem = text.trimmed();
    if (stem.isEmpty()) return kFallbackStem;
    for (QChar& character : stem) {
        if (character == QLatin1Char('/') || character == QLatin1Char(':') || isControlCharacter(character)) {
            character = QLatin1Char('_');
        }
    }
    stem = firstUserPerceivedCharacters(stem.trimmed(), kMaximumStemCharacters);
    return stem.isEmpty() ? kFallbackStem : stem;
}

VoidResult StillImageFileNaming::createDestinationFolder(const std::filesystem::path& folder) {
    struct stat status {};
    if (::stat(folder.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode)) return {};
        return makeSystemError(EEXIST, "create folder", folder.string());
    }
    if (::mkdir(folder.c_str(), kNewFolderMode) != 0) return makeSystemError(errno, "create folder", folder.string());
    return {};
}

QString StillImageFileNaming::sanitizedSubfolderPath(const QString& rememberedSubfolder,
                                                     const QString& typedSubfolder) {
    QString remembered = rememberedSubfolder;
    while (remembered.startsWith(QLatin1Char('/'))) remembered.remove(0, 1);
    while (remembered.endsWith(QLatin1Char('/'))) remembered.chop(1);
    QStringList parts;
    for (const QString& part : {remembered, typedSubfolder.trimmed()}) {
        if (!part.isEmpty()) parts.append(part);
    }
    return parts.join(QLatin1Char('/'));
}

std::optional<std::int64_t> StillImageFileNaming::parseDimensionText(const QString& text, std::int64_t minimum,
                                                                     std::int64_t maximum) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return std::nullopt;
    std::int64_t value = 0;
    for (QChar character : trimmed) {
        // Digits of other scripts count as numbers but do not parse.
        if (character < QLatin1Char('0') || character > QLatin1Char('9')) return std::nullopt;
        const int digit = character.unicode() - '0';
        if (value > (INT64_MAX - digit) / 10) return std::nullopt;
        value = value * 10 + digit;
    }
    if (value < minimum || value > maximum) return std::nullopt;
    return value;
}

}  // namespace vlt
