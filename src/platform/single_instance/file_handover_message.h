#pragma once

#include <optional>

#include <QByteArray>
#include <QList>
#include <QUrl>

namespace vlt {

// The one message a second launch sends to the running instance: the local files it
// was given, as one line of JSON. The receiver trusts nothing it reads: anything that
// is not a short list of absolute local paths is refused whole.
class FileHandoverMessage {
public:
    // Far above any real list of files, far below what would hurt to hold.
    static constexpr qsizetype kMaximumSize = 1024 * 1024;

    static QByteArray encode(const QList<QUrl>& files);
    // The files of one message (the terminating line break is optional); none when the
    // message is malformed, too large, or names anything but absolute local paths.
    static std::optional<QList<QUrl>> decode(const QByteArray& message);
};

}  // namespace vlt
