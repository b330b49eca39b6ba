#include <gtest/gtest.h>

#include "base/system_error.h"
#include "foundation/installation_identity_store.h"
#include "settings_file_support.h"

namespace vlt {
namespace {

using Policy = DamagedIdentityPolicy;
const std::string kStored = "0123456789abcdef0123456789abcdef";

std::string identityFile(const std::string& identifier, int version = 1) {
    return "{\"schemaVersion\":" + std::to_string(version) + ",\"installationId\":\"" + identifier + "\"}";
}

TEST(InstallationIdentityStoreTest, UnusableFilesAreKeptUnderRejectAndReplacedUnderReplace) {
    const std::string unusable[] = {
        identityFile("0123456789ABCDEF0123456789ABCDEF"),
        identityFile("01234567-89ab-cdef-0123-456789abcdef"),
        identityFile(kStored.substr(1)),
        identityFile(kStored + "0"),
        identityFile(kStored, 2),
        R"({"schemaVersion":"1","installationId":")" + kStored + "\"}",
        "[1]",
        "",
    };
    for (const std::string& content : unusable) {
        testing::TemporaryFolder folder;
        folder.write("id.json", content);
        EXPECT_FALSE(InstallationIdentityStore(folder / "id.json", Policy::reject).loadOrCreate().ok());
        EXPECT_EQ(folder.read("id.json"), content);
        const auto replaced = InstallationIdentityStore(folder / "id.json", Policy::replace).loadOrCreate();
        EXPECT_EQ(folder.read("id.json"), identityFile(replaced.value())) << content;
    }
}

// A link whose target is missing is a damaged file; nothing is made through it, outside
// the application's folder.
TEST(InstallationIdentityStoreTest, ALinkToAMissingFileIsDamagedAndNothingIsCreatedThroughIt) {
    testing::TemporaryFolder folder;
    std::filesystem::create_symlink(folder / "outside.json", folder / "id.json");
    EXPECT_FALSE(InstallationIdentityStore(folder / "id.json", Policy::reject).loadOrCreate().ok());
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "id.json"));
    const auto replaced = InstallationIdentityStore(folder / "id.json", Policy::replace).loadOrCreate();
    EXPECT_EQ(folder.read("id.json"), identityFile(replaced.value()));
    EXPECT_FALSE(std::filesystem::is_symlink(folder / "id.json") || std::filesystem::exists(folder / "outside.json"));
}

// A link left at the identity's place may lead to any file the user can write: only a
// file that holds a valid identity is the store's own, and that one is only read.
TEST(InstallationIdentityStoreTest, ALinkIsNeverWrittenThroughAndTheFileItLeadsToIsLeftAsItWas) {
    testing::TemporaryFolder folder;
    std::filesystem::create_directory(folder / "elsewhere");
    const std::string foreign[] = {
        std::string("notes\n\0\x01\xff", 9) + std::string(3700, 'n'),
        R"({"schemaVersion": 1, "owner": {"name": "Ana"}, "tags": ["a", "b"]})",
    };
    for (const std::string& content : foreign) {
        folder.write("elsewhere/notes", content);
        for (const Policy policy : {Policy::reject, Policy::replace}) {
            std::filesystem::remove(folder / "id.json");
            std::filesystem::create_symlink(folder / "elsewhere" / "notes", folder / "id.json");
            const InstallationIdentityStore store(folder / "id.json", policy);
            const auto identity = store.loadOrCreate();
            EXPECT_EQ(folder.read("elsewhere/notes"), content);
            EXPECT_EQ(identity.ok(), policy == Policy::replace);
            EXPECT_EQ(std::filesystem::is_symlink(folder / "id.json"), policy == Policy::reject);
            if (!identity) continue;
            EXPECT_EQ(folder.read("id.json"), identityFile(identity.value()));
            EXPECT_EQ(store.loadOrCreate().value(), identity.value());
        }
    }

    folder.write("elsewhere/own.json", identityFile(kStored));
    std::filesystem::remove(folder / "id.json");
    std::filesystem::create_symlink("elsewhere/own.json", folder / "id.json");
    EXPECT_EQ(InstallationIdentityStore(folder / "id.json", Policy::replace).loadOrCreate().value(), kStored);
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "id.json"));
}

TEST(InstallationIdentityStoreTest, ValidFilesAreKeptMissingOnesCreatedForTheOwnerUnlessWritingFails) {
    testing::TemporaryFolder folder;
    const std::string content = "{\"note\":[1],\"installationId\":\"" + kStored + "\",\"schemaVersion\":1}";
    folder.write("id.json", content);
    EXPECT_EQ(InstallationIdentityStore(folder / "id.json", Policy::reject).loadOrCreate().value(), kStored);
    EXPECT_EQ(folder.read("id.json"), content);

    const auto path = folder.path() / "data" / "Veltrano" / InstallationIdentityStore::kFeedbackFileName;
    const auto readOnly = [](const std::filesystem::path&, std::string_view, mode_t) {
        return std::make_error_code(std::errc::read_only_file_system);
    };
    const auto refused = InstallationIdentityStore(path, Policy::replace, readOnly).loadOrCreate();
    EXPECT_EQ(dynamic_cast<const SystemError&>(*refused.error()).errnoValue(), EROFS);
    EXPECT_FALSE(std::filesystem::exists(path));

    const InstallationIdentityStore store(path, Policy::reject);
    const std::string created = store.loadOrCreate().value();
    EXPECT_EQ(testing::readText(path), identityFile(created));
    using std::filesystem::perms;
    EXPECT_EQ(std::filesystem::status(path).permissions(), perms::owner_read | perms::owner_write);
    EXPECT_EQ(store.loadOrCreate().value(), created);
}

}  // namespace
}  // namespace vlt
