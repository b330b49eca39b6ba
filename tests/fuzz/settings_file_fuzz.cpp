// settings.json is the user's to edit: any bytes load as settings or fail cleanly, and
// whatever loads comes back unchanged from the file it is saved as.
#include <memory>
#include <string>

#include "foundation/event_log.h"
#include "foundation/json_application_settings_store.h"
#include "fuzz_support.h"

namespace {

// Refused versions are logged; the fuzzer would drown in the lines.
class SilentSink final : public vlt::EventLogSink {
public:
    bool isEnabled(vlt::EventLogCategory, vlt::EventLogLevel) const override { return false; }
    void write(const vlt::EventLogEntry&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    vlt::EventLog::install(std::make_shared<SilentSink>());
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
