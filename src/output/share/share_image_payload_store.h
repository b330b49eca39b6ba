#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <stop_token>

#include <QImage>
#include <QString>

#include "base/result.h"
#include "output/share/share_image_payload.h"

namespace vlt {

// The folder tree in which shared JPEGs live. Each share gets a folder of its own,
// named by a new lower-case UUID directly in the root, holding one read-only JPEG
// that was read back in full before it is handed on; a share's folder is removed when
// the share is over, and folders that earlier runs left behind are swept once they
// are a day old. The store holds nothing but its root, so any thread may use it; its
// operations touch the disk and belong off the GUI thread.
class ShareImagePayloadStore {
public:
    static constexpr auto kStaleAge = std::chrono::seconds(86400);
    static constexpr int kJpegQuality = 95;

    // Writes the picture as a JPEG into an open file; false when it cannot.
    using JpegWriter = std::function<bool(const QImage& image, int descriptor)>;

    // Without a root the default one is used; without a writer, writeJpeg. Creates
    // nothing.
    explicit ShareImagePayloadStore(std::optional<std::filesystem::path> root = std::nullopt, JpegWriter writer = {});

    // "Veltrano/Share" in the user's runtime folder, else in the user's cache folder:
    // never in the temporary folder that every user may write to.
    static std::filesystem::path defaultRoot();

    const std::filesystem::path& root() const { return root_; }

    // Fails with the still-image failure invalidBaseName (before anything is made),
    // a ShareImageFailure, or a cancellation seen before encoding or before handing
    // the file back; a failure leaves no folder behind.
    Result<ShareImagePayload> preparePayload(const QImage& image, const QString& baseName, StillImageKind kind,
                                             std::stop_token stop = {}) const;
    // Removes a folder that lies directly in the root (also when spelled through a
    // link or with "." and ".."), with its contents. False when refused (the root
    // itself, anything deeper or outside, an untrusted root) or when it could not be
    // removed; true when nothing is left there.
    bool removeWorkingDirectory(const std::filesystem::path& workingDirectory) const;
    // Removes every folder directly in the root last changed at least a day before
    // `now`; files, hidden entries, links and younger or future folders stay. A
    // missing root is not created.
    void removeStaleWorkingDirectories(std::chrono::system_clock::time_point now, std::stop_token stop = {}) const;

    // Trimmed of blanks and line breaks at both ends; not empty, at most 180
    // characters, neither "." nor "..", without "/", ":" or control characters.
    static bool isValidBaseName(const QString& baseName);
    // "portrait-2026-12-05-comparison.jpg"; the base name must be valid.
    static QString fileName(const QString& baseName, StillImageKind kind);
    // Quality 95, sRGB, no metadata.
    static bool writeJpeg(const QImage& image, int descriptor);

private:
    std::filesystem::path root_;
    JpegWriter writer_;
};

}  // namespace vlt
