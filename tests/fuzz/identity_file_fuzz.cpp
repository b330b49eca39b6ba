// The installation identity files are the user's to damage: the feedback store answers a
// well-formed identifier or fails and leaves the file as it was; the crash-report store
// always answers a well-formed identifier, keeps a usable one, and its file holds it.
#include <fstream>
#include <iterator>

#include "foundation/installation_identity_store.h"
#include "foundation/lowercase_hex.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const vlt::fuzz::ScratchFile file(vlt::InstallationIdentityStore::kFeedbackFileName);
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    file.write(bytes.data(), bytes.size());
    const auto load = [](vlt::DamagedIdentityPolicy policy) {
        return vlt::InstallationIdentityStore(file.path(), policy).loadOrCreate();
    };
    const auto rejecting = load(vlt::DamagedIdentityPolicy::reject);
    std::ifstream left(file.path(), std::ios::binary);
    vlt::fuzz::check(rejecting ? vlt::isLowercaseHexIdentifier(rejecting.value())
                               : std::string(std::istreambuf_iterator<char>(left), {}) == bytes,
                     "a usable identity is well formed, and an unusable file is left as it was");
    const auto replacing = load(vlt::DamagedIdentityPolicy::replace);
    const auto kept = load(vlt::DamagedIdentityPolicy::reject);
    vlt::fuzz::check(replacing && vlt::isLowercaseHexIdentifier(replacing.value()) &&
                         (!rejecting || replacing.value() == rejecting.value()) && kept &&
                         kept.value() == replacing.value(),
                     "replacing, a well-formed identity is answered, a usable one kept, and the file holds it");
    return 0;
}
