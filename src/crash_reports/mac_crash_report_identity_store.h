#pragma once

#include <filesystem>
#include <string>

#include "base/result.h"
#include "foundation/installation_identity_store.h"

namespace vlt {

// The installation identity sent with crash reports, in "crash-report-installation.json".
// Unlike the feedback identity, a file it cannot use is replaced by a new identity:
// only a failed write reaches the caller.
class MacCrashReportIdentityStore {
public:
    explicit MacCrashReportIdentityStore(std::filesystem::path filePath = defaultFilePath(),
                                         InstallationIdentityStore::WriteFile writeFile = nullptr);

    Result<std::string> loadOrCreate() const { return store_.loadOrCreate(); }

    static std::filesystem::path defaultFilePath();

private:
    InstallationIdentityStore store_;
};

}  // namespace vlt
