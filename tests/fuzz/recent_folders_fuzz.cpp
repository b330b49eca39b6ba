// The recent save folders come from the settings file, which the user may edit: the ones
// kept are at most five, none twice, the last used first, already normalised, and each
// resolves, if at all, to a destination inside the folder its bookmark names.
#include "foundation/json_application_settings_store.h"
#include "fuzz_support.h"
#include "output/still/still_image_save_destinations.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    vlt::fuzz::silenceEventLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const vlt::fuzz::ScratchFile file(vlt::JSONApplicationSettingsStore::kFileName);
    file.write(data, size);
    const auto loaded = vlt::JSONApplicationSettingsStore(file.path()).load();
    if (!loaded) return 0;
    const auto& recent = loaded.value().recentStillImageSaveLocations;
    const QString& last = loaded.value().lastStillImageSaveLocationPath;
    vlt::fuzz::check(recent.size() <= 5 && (recent.empty() || recent.front().displayPath == last) &&
                         vlt::normalizedRecentSaveLocations(last, recent) == recent,
                     "at most five recent folders, the last used first, kept normalised");

    // Every folder counts as writable here: what matters is where the destination lies.
    const vlt::StillImageSaveDestinations destinations(
        {[] { return QString(); }, [](const QString&) { return vlt::VoidResult(); }});
    for (const vlt::StillImageSaveLocation& location : recent) {
        const auto resolved = destinations.resolve(location);
        const QString root = resolved ? resolved.value().accessRootPath : QString();
        const QString inside = root == QStringLiteral("/") ? root : root + u'/';
        vlt::fuzz::check(!resolved || resolved.value().destinationPath == root ||
                             resolved.value().destinationPath.startsWith(inside),
                         "a recent folder's destination lies inside its bookmarked folder");
    }
    return 0;
}
