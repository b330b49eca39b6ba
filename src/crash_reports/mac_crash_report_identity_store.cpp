#include "crash_reports/mac_crash_report_identity_store.h"

namespace vlt {

MacCrashReportIdentityStore::MacCrashReportIdentityStore(std::filesystem::path filePath,
                                                         InstallationIdentityStore::WriteFile writeFile)
    : store_(std::move(filePath), DamagedIdentityPolicy::replace, writeFile) {}

std::filesystem::path MacCrashReportIdentityStore::defaultFilePath() {
    return InstallationIdentityStore::defaultFilePath(InstallationIdentityStore::kCrashReportFileName);
}

}  // namespace vlt
