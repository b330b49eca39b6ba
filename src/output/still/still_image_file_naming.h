#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include <QDateTime>
#include <QString>

#include "base/result.h"
#include "foundation/still_image_file_format.h"
#include "output/still/still_image_file_system.h"
#include "output/still/still_image_kind.h"

namespace vlt {

// How saved still images are named and where inside the chosen folder they go. Plain
// functions without state, for any thread: the dialog checks names with them on the
// GUI thread, the save on its worker.
struct StillImageFileNaming {
    static constexpr qsizetype kMaximumBaseNameCharacters = 180;
    static constexpr qsizetype kMaximumSubfolderCharacters = 255;
    static constexpr int kMaximumVersion = 999;
    // The limit of nearly every Linux file system on the bytes of one name.
    static constexpr qsizetype kMaximumNameBytes = 255;

    // None when the base name is valid, else the message the dialog shows, one for
    // each rule: its length, "." and "..", path characters, control characters (which
    // would cut or garble a path) and a name whose longest file name would exceed 255
    // bytes in UTF-8.
    static std::optional<QString> baseNameValidationMessage(const QString& text);
    // None when valid; a blank text is valid and means no subfolder.
    static std::optional<QString> subfolderValidationMessage(const QString& text);

    // "Patient-v03-comparison.png". The base name must be valid and the version at
    // least 1; it is trimmed here.
    static QString fileName(const QString& baseName, StillImageKind kind, StillImageFileFormat format, int version);
    // The first version for which none of the three kinds' names with this format's
    // extension is taken, whatever kinds a save writes. Fails with invalidBaseName,
    // noAvailableFilename, or the error of looking at the folder.
    static Result<int> firstAvailableVersion(const std::filesystem::path& folder, const QString& baseName,
                                             StillImageFileFormat format, StillImageFileSystem& fileSystem);

    // The photograph's name without its extension, sanitised, then "-" and the date
    // as yyyy-MM-dd in the local time zone, whatever the locale and calendar.
    static QString defaultBaseName(const QString& sourcePath, const QDateTime& date);
    // A stem that is never empty and never holds "/", ":" or control characters.
    static QString sanitizedStem(const QString& text);

    // Creates the one folder (its parent must exist); an existing folder is fine, a
    // file in its place fails with EEXIST.
    static VoidResult createDestinationFolder(const std::filesystem::path& folder);
    // The relative subfolder to remember with a recent folder: the remembered one
    // and the typed (valid) one, joined by "/", either left out when empty.
    static QString sanitizedSubfolderPath(const QString& rememberedSubfolder, const QString& typedSubfolder);

    // The whole number a size field holds when it lies within minimum...maximum;
    // none for blank text, signs, inner blanks, other characters or overflow.
    static std::optional<std::int64_t> parseDimensionText(const QString& text, std::int64_t minimum,
                                                          std::int64_t maximum);
};

}  // namespace vlt
