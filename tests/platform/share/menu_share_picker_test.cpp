#include "platform/share/menu_share_picker.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "base/cancellation_error.h"
#include "platform/share/share_image_failure.h"

namespace vlt {
namespace {

// Keeps the menu's callback so the test chooses, and records the entries shown.
class FakeMenu final : public ShareMenuDriver {
public:
    void show(QWidget&, QPoint, const std::vector<ShareMenuEntry>& shownEntries, Choice shownChoice) override {
        entries = shownEntries;
        choice = std::move(shownChoice);
    }
    std::vector<ShareMenuEntry> entries;
    Choice choice;
};

// Keeps the chosen service's completion, so the test can report through it as often
// as a misbehaving service might.
class FakeServices final : public ShareServices {
public:
    bool canSendByEmail() override { return email; }
    void run(ShareMenuEntry entry, const QString& path, SharePickerCompletion completion) override {
        ran = entry;
        filePath = path;
        report = std::move(completion);
    }
    bool email = true;
    std::optional<ShareMenuEntry> ran;
    QString filePath;
    SharePickerCompletion report;
};

class MenuSharePickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(1180, 820);
        window.show();
    }
    VoidResult present() {
        return picker.present(QStringLiteral("/run/share/a.jpg"),
                              [this](const SharePickerOutcome& outcome) { outcomes.push_back(outcome.kind); });
    }

    QWidget window;
    std::shared_ptr<FakeMenu> menu = std::make_shared<FakeMenu>();
    std::shared_ptr<FakeServices> services = std::make_shared<FakeServices>();
    MenuSharePicker picker{&window, menu, services};
    std::vector<SharePickerOutcome::Kind> outcomes;
};

TEST_F(MenuSharePickerTest, AHiddenWindowHasNoPickerAndNoWindowCancels) {
    window.hide();
    EXPECT_EQ(shareImageFailureCase(present().error()), ShareImageFailure::Case::pickerUnavailable);
    MenuSharePicker windowless(nullptr, menu, services);
    EXPECT_TRUE(isCancellation(windowless.present(QStringLiteral("/a.jpg"), [](const auto&) {}).error()));
    EXPECT_FALSE(menu->choice);
}

TEST_F(MenuSharePickerTest, TheMenuOffersEmailOnlyWhenPossible) {
    ASSERT_TRUE(present().ok());
    EXPECT_EQ(menu->entries.size(), 4u);
    services->email = false;
    ASSERT_TRUE(present().ok());
    EXPECT_EQ(menu->entries,
              (std::vector{ShareMenuEntry::openWith, ShareMenuEntry::copyImage, ShareMenuEntry::showInFileManager}));
}

// The first report decides; whatever the menu or the service says later is ignored.
TEST_F(MenuSharePickerTest, OneShareEndsExactlyOnce) {
    ASSERT_TRUE(present().ok());
    menu->choice(std::nullopt);
    menu->choice(ShareMenuEntry::copyImage);
    EXPECT_EQ(outcomes, std::vector{SharePickerOutcome::Kind::cancelled});

    outcomes.clear();
    ASSERT_TRUE(present().ok());
    menu->choice(ShareMenuEntry::showInFileManager);
    EXPECT_TRUE(outcomes.empty()) << "a chosen service reports for itself";
    EXPECT_EQ(services->filePath, QStringLiteral("/run/share/a.jpg"));
    const SharePickerCompletion report = services->report;
    report(SharePickerOutcome::shared());
    report(SharePickerOutcome::failed(ShareMenuEntry::showInFileManager, makeCancellationError()));
    EXPECT_EQ(outcomes, std::vector{SharePickerOutcome::Kind::shared});
}

}  // namespace
}  // namespace vlt
