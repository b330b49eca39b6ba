#pragma once

#include <memory>

#include <QUrl>

namespace vlt {

// Holds access to a file chosen by the user for as long as anything needs the file.
// Shared, never copied. Without a sandbox there is nothing to start, so the Linux
// holder records that nothing was started and stops nothing.
class SecurityScopedFileAccess {
public:
    static std::shared_ptr<SecurityScopedFileAccess> start(const QUrl& url);

    SecurityScopedFileAccess(const QUrl& url, bool didStartAccessing);
    ~SecurityScopedFileAccess();

    SecurityScopedFileAccess(const SecurityScopedFileAccess&) = delete;
    SecurityScopedFileAccess& operator=(const SecurityScopedFileAccess&) = delete;

    const QUrl& url() const { return url_; }
    bool didStartAccessing() const { return didStartAccessing_; }

private:
    QUrl url_;
    bool didStartAccessing_;
};

using SharedFileAccess = std::shared_ptr<SecurityScopedFileAccess>;

}  // namespace vlt
