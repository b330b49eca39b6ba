#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/app_content_view.h"
#include "app/main_window.h"
#include "app/model/app_model.h"
#include "app/veltrano_application.h"
#include "base/file_support.h"
#include "platform/single_instance/single_instance.h"
#include "settings_feedback/feedback_modal.h"
#include "support/loopback_http_server.h"
#include "ui/motion_preference.h"
#include "ui/settings_text_editor.h"

namespace vlt {
namespace {

using testing::LoopbackReply;
using testing::LoopbackRequest;

// Help → Send Feedback in the application as main() builds it, sending to a service
// of the test's own on 127.0.0.1.
TEST(FeedbackRoadTest, FeedbackTypedInTheDialogReachesTheServiceWithTheStoredIdentity) {
    QTemporaryDir home;
    testing::ScopedEnvironment data("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8().constData());
    testing::ScopedEnvironment config("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8().constData());
    testing::LoopbackHttpServer service;
    service.respond = [](const LoopbackRequest& request) {
        const QJsonObject sent = QJsonDocument::fromJson(request.body).object();
        QJsonObject reply{{"accepted", true},
                          {"duplicate", false},
                          {"feedbackId", sent.value("feedbackId")},
                          {"notificationStatus", "sent"}};
        return LoopbackReply::answer(201, QJsonDocument(reply).toJson());
    };
    testing::ScopedEnvironment serviceAddress("VELTRANO_SERVICE_URL", service.url("/").c_str());
    MotionPreference::shared().setReduceMotion(true);
    SingleInstance instance(home.filePath(QStringLiteral("instance")));
    VeltranoApplication application(instance);
    MainWindow& window = application.window();
    window.show();

    QAction* sendFeedback = nullptr;
    for (QAction* action : window.menuBar()->findChildren<QAction*>()) {
        if (action->text() == QStringLiteral("Send Feedback")) sendFeedback = action;
    }
    ASSERT_NE(sendFeedback, nullptr);
    sendFeedback->trigger();
    auto* root = qobject_cast<AppContentView*>(window.centralWidget());
    auto* dialog = qobject_cast<FeedbackModal*>(root->overlay(AppOverlayLayer::feedback));
    ASSERT_NE(dialog, nullptr);
    QTest::keyClicks(dialog->messageEditor(), QStringLiteral("Works well"));
    dialog->sendButton()->click();
    EXPECT_EQ(dialog->phase(), FeedbackModal::Phase::sending);
    ASSERT_TRUE(QTest::qWaitFor([dialog] { return dialog->phase() == FeedbackModal::Phase::received; }, 10'000));

    ASSERT_EQ(service.requests().size(), 1u);
    EXPECT_EQ(service.requests()[0].path, "/submitFeedback");
    const QJsonObject sent = QJsonDocument::fromJson(service.requests()[0].body).object();
    const auto identityFile = QJsonDocument::fromJson(QByteArray::fromStdString(
        testing::readText(home.filePath("data/Veltrano/feedback-installation.json").toStdString())));
    EXPECT_EQ(sent.value("installationId"), identityFile.object().value("installationId"));
    EXPECT_EQ(sent.value("message").toString(), QStringLiteral("Works well"));
    EXPECT_EQ(sent.value("platform").toString(), QStringLiteral("linux"));

    QTest::keyClick(dialog->closeButton(), Qt::Key_Return);
    EXPECT_FALSE(application.model().feedbackState().has_value());
    QTest::qWait(10);
    EXPECT_EQ(root->overlay(AppOverlayLayer::feedback), nullptr);
    MotionPreference::shared().setReduceMotion(false);
}

}  // namespace
}  // namespace vlt
