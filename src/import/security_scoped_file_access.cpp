#include "import/security_scoped_file_access.h"

namespace vlt {

std::shared_ptr<SecurityScopedFileAccess> SecurityScopedFileAccess::start(const QUrl& url) {
    return std::make_shared<SecurityScopedFileAccess>(url, false);
}

SecurityScopedFileAccess::SecurityScopedFileAccess(const QUrl& url, bool didStartAccessing)
    : url_(url), didStartAccessing_(didStartAccessing) {}

// Only an access that was started would be stopped here; Linux grants file access
// through the file system alone, so there is never one to stop.
SecurityScopedFileAccess::~SecurityScopedFileAccess() = default;

}  // namespace vlt
