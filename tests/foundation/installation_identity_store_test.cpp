#include <sys/stat.h>

#include <gtest/gtest.h>

#include "base/system_error.h"
#include "foundation/installation_identity_store.h"
#include "foundation/lowercase_hex.h"
#include "settings_file_support.h"

namespace vlt {
namespace {

using testing::TemporaryFolder;

constexpr const char* kStored = "0123456789abcdef0123456789abcdef";

std::string identityFile(const std::string& identifier, int version = 1) {
    return "{\"schemaVersion\":" + std::to_string(version) + ",\"installationId\":\"" + identifier + "\"}";
}

TEST(InstallationIdentityStoreTest, UnusableFilesAreKeptUnderRejectAndReplacedUnderReplace) {
    const std::string unusable[] = {
        identityFile("0123456789ABCDEF0123456789ABCDEF"),
        identityFile("01234567-89ab-cdef-0123-456789abcdef"),
        identityFile(std::string(kStored).substr(1)),
        identityFile(std::string(kStored) + "0"),
        identityFile(kStored, 2),
        "{\"schemaVersion\":1}",
        "{\"schemaVersion\":\"1\",\"installationId\":\"0123456789abcdef0123456789abcdef\"}",
        "[1]",
        "",
    };
    for (const std::string& content : unusable) {
        TemporaryFolder folder;
        folder.write("identity.json", content);
        const InstallationIdentityStore rejecting(folder / "identity.json", DamagedIdentityPolicy::reject);
        EXPECT_FALSE(rejecting.loadOrCreate().ok()) << content;
        EXPECT_EQ(folder.read("identity.json"), content);

        const InstallationIdentityStore replacing(folder / "identity.json", DamagedIdentityPolicy::replace);
        const Result<std::string> replaced = replacing.loadOrCreate();
        ASSERT_TRUE(replaced.ok()) << content;
        EXPECT_TRUE(isLowercaseHexIdentifier(replaced.value()));
        EXPECT_EQ(folder.read("identity.json"), identityFile(replaced.value()));
    }
}

TEST(InstallationIdentityStoreTest, AValidFileIsReadAsItIsWhateverElseItHolds) {
    TemporaryFolder folder;
    const std::string content =
        "{\"note\":[1,2],\"installationId\":\"" + std::string(kStored) + "\",\"schemaVersion\":1}";
    folder.write("identity.json", content);
    const InstallationIdentityStore store(folder / "identity.json", DamagedIdentityPolicy::reject);
    const Result<std::string> loaded = store.loadOrCreate();
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded.value(), kStored);
    EXPECT_EQ(folder.read("identity.json"), content);
}

TEST(InstallationIdentityStoreTest, AMissingFolderAndFileAreCreatedForTheOwnerOnlyAndKept) {
    TemporaryFolder folder;
    const auto path = folder.path() / "data" / "Veltrano" / InstallationIdentityStore::kFeedbackFileName;
    const InstallationIdentityStore store(path, DamagedIdentityPolicy::reject);

    const Result<std::string> created = store.loadOrCreate();
    ASSERT_TRUE(created.ok());
    EXPECT_TRUE(isLowercaseHexIdentifier(created.value()));
    EXPECT_EQ(testing::readText(path), identityFile(created.value()));
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);

    const Result<std::string> again = store.loadOrCreate();
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(again.value(), created.value());
}

TEST(InstallationIdentityStoreTest, AFolderThatRefusesWritesLeavesNothingAndFails) {
    TemporaryFolder folder;
    const auto readOnly = [](const std::filesystem::path&, std::string_view, mode_t) {
        return std::make_error_code(std::errc::read_only_file_system);
    };
    for (const DamagedIdentityPolicy policy : {DamagedIdentityPolicy::reject, DamagedIdentityPolicy::replace}) {
        const InstallationIdentityStore store(folder / "identity.json", policy, readOnly);
        const Result<std::string> created = store.loadOrCreate();
        ASSERT_FALSE(created.ok());
        const auto* error = dynamic_cast<const SystemError*>(created.error().get());
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(error->errnoValue(), EROFS);
        EXPECT_FALSE(std::filesystem::exists(folder / "identity.json"));
    }
}

}  // namespace
}  // namespace vlt
