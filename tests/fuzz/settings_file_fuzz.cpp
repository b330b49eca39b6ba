// settings.json is the user's to edit: any bytes load as settings or fail cleanly, and
// whatever loads comes back unchanged from the file it is saved as.
#include <string>

#include "foundation/json_application_settings_store.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    vlt::fuzz::silenceEventLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const vlt::fuzz::ScratchFile file(vlt::JSONApplicationSettingsStore::kFileName);
    file.write(data, size);
    const auto loaded = vlt::JSONApplicationSettingsStore(file.path()).load();
    if (!loaded) return 0;

    const std::string saved = vlt::JSONApplicationSettingsStore::encode(loaded.value());
    file.write(saved.data(), saved.size());
    const auto reloaded = vlt::JSONApplicationSettingsStore(file.path()).load();
    vlt::fuzz::check(reloaded.ok() && reloaded.value() == loaded.value(), "loaded settings survive their own save");
    return 0;
}
