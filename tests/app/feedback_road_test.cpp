#include <gtest/gtest.h>

#include <QAction>
#include <QJsonDocument>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/app_content_view.h"
#include "app/main_window.h"
#include "app/veltrano_application.h"
#include "base/file_support.h"
#include "platform/single_instance/single_instance.h"
#include "screens/feedback/feedback_modal.h"
#include "support/loopback_http_server.h"
#include "ui/settings_text_editor.h"

namespace vlt {
namespace {

// Help → Send Feedback in the application as main() builds it, on a home folder of its
// own, sending to a service of the test's own on 127.0.0.1.
TEST(FeedbackRoadTest, FeedbackTypedInTheDialogReachesTheServiceWithTheStoredIdentity) {
    QTemporaryDir home;
    testing::ScopedEnvironment dataHome("XDG_DATA_HOME", home.path().toUtf8().constData());
    testing::ScopedEnvironment configHome("XDG_CONFIG_HOME", home.path().toUtf8().constData());
    testing::LoopbackHttpServer service;
    service.respond = [](const testing::LoopbackRequest& request) {
        const QByteArray id = QJsonDocument::fromJson(request.body)["feedbackId"].toString().toUtf8();
        return testing::LoopbackReply::with(
            201, R"({"accepted":true,"duplicate":false,"notificationStatus":"sent","feedbackId":")" + id + "\"}");
    };
    testing::ScopedEnvironment serviceAddress("VELTRANO_SERVICE_URL", service.url("/").c_str());
    SingleInstance instance(home.filePath(QStringLiteral("instance")));
    VeltranoApplication application(instance);
    application.window().show();
    for (QAction* action : application.window().menuBar()->findChildren<QAction*>()) {
        if (action->text() == QStringLiteral("Send Feedback")) action->trigger();
    }
    auto* root = qobject_cast<AppContentView*>(application.window().centralWidget());
    auto* dialog = qobject_cast<FeedbackModal*>(root->overlay(AppOverlayLayer::feedback));
    ASSERT_NE(dialog, nullptr);
    QTest::keyClicks(dialog->messageEditor(), QStringLiteral("Works well"));
    dialog->sendButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([dialog] { return dialog->phase() == FeedbackModal::Phase::received; }, 10'000));

    ASSERT_EQ(service.requests.size(), 1u);
    EXPECT_EQ(service.requests[0].path, "/submitFeedback");
    const QJsonDocument sent = QJsonDocument::fromJson(service.requests[0].body);
    const auto identity = testing::readText(home.filePath("Veltrano/feedback-installation.json").toStdString());
    EXPECT_EQ(sent["installationId"], QJsonDocument::fromJson(QByteArray::fromStdString(identity))["installationId"]);
    EXPECT_EQ(sent["message"].toString(), QStringLiteral("Works well"));

    QTest::keyClick(dialog->closeButton(), Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([root] { return root->overlay(AppOverlayLayer::feedback) == nullptr; }, 10'000));
}

}  // namespace
}  // namespace vlt
