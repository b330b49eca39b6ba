#include "platform/share/desktop_share_services.h"

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/share/desktop_portal.h"

namespace vlt {
namespace {

using Kind = SharePickerOutcome::Kind;

class FakePortal final : public DesktopPortal {
public:
    bool hasOpenURI() override { return present; }
    bool hasEmail() override { return present; }
    void openFile(const QString&, Completion completion) override { completion(portalResponseFromCode(code)); }
    void composeEmail(const QString&, Completion completion) override { completion(portalResponseFromCode(code)); }
    bool present = true;
    unsigned code = 0;
};

class ServicesTest : public ::testing::Test {
protected:
    std::optional<Kind> run(ShareMenuEntry entry) {
        std::optional<Kind> outcome;
        services.run(entry, path, [&outcome](const SharePickerOutcome& reported) { outcome = reported.kind; });
        EXPECT_TRUE(QTest::qWaitFor([&outcome] { return outcome.has_value(); }, 2000));
        return outcome;
    }

    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("p-original.jpg"));
    std::shared_ptr<FakePortal> portal = std::make_shared<FakePortal>();
    QString emailProgram;
    QStringList ranArguments;
    bool programSucceeds = true;
    DesktopShareServices services{
        portal, nullptr,
        DesktopShareServices::Launcher{[this](const QString&) { return emailProgram; },
                                       [this](const QString&, const QStringList& arguments, auto done) {
                                           ranArguments = arguments;
                                           done(programSucceeds);
                                       },
                                       {}}};
};

TEST_F(ServicesTest, ThePortalsAnswerBecomesTheOutcome) {
    for (const auto& [code, kind] : {std::pair{0u, Kind::shared}, {1u, Kind::cancelled}, {2u, Kind::failed}}) {
        portal->code = code;
        EXPECT_EQ(run(ShareMenuEntry::openWith), kind) << code;
        EXPECT_EQ(run(ShareMenuEntry::sendByEmail), kind) << code;
    }
}

TEST_F(ServicesTest, WithoutThePortalXdgEmailStandsIn) {
    portal->present = false;
    EXPECT_FALSE(services.canSendByEmail());

    emailProgram = QStringLiteral("/usr/bin/xdg-email");
    EXPECT_TRUE(services.canSendByEmail());
    EXPECT_EQ(run(ShareMenuEntry::sendByEmail), Kind::shared);
    EXPECT_EQ(ranArguments, (QStringList{QStringLiteral("--attach"), path}));
    programSucceeds = false;
    EXPECT_EQ(run(ShareMenuEntry::sendByEmail), Kind::failed);
}

}  // namespace
}  // namespace vlt
