#include <gtest/gtest.h>

#include "platform/single_instance/file_handover_message.h"

namespace vlt {
namespace {

TEST(FileHandoverMessageTest, LocalFilesSurviveTheTrip) {
    const QList<QUrl> files = {QUrl::fromLocalFile(QStringLiteral("/home/ana/Bilder/côté gauche.jpg")),
                               QUrl::fromLocalFile(QStringLiteral("/tmp/a\nb.png"))};
    const QByteArray message = FileHandoverMessage::encode(files);
    EXPECT_TRUE(message.endsWith('\n'));
    EXPECT_EQ(message.count('\n'), 1);
    EXPECT_EQ(FileHandoverMessage::decode(message), files);
    // No files is a message too.
    EXPECT_EQ(FileHandoverMessage::decode(FileHandoverMessage::encode({})), QList<QUrl>{});
}

TEST(FileHandoverMessageTest, AnythingButAbsoluteLocalPathsIsRefusedWhole) {
    const QByteArray refused[] = {
        QByteArray(),
        QByteArray("not json\n"),
        QByteArray("[\"/tmp/a.jpg\"]\n"),
        QByteArray("{\"files\":\"/tmp/a.jpg\"}\n"),
        QByteArray("{\"files\":[\"/tmp/a.jpg\", 7]}\n"),
        QByteArray("{\"files\":[\"relative/a.jpg\"]}\n"),
        QByteArray("{\"files\":[\"\"]}\n"),
        QByteArray("{\"files\":[\":rel.png\"]}\n"),
        QByteArray("{\"files\":[\"//\"]}\n"),
        QByteArray("{\"files\":[\"//[\"]}\n"),
        QByteArray("{\"files\":[\"//server/share/a.jpg\"]}\n"),
        QByteArray("{\"files\":[\"/tmp/a\\u0000.jpg\"]}\n"),
    };
    for (const QByteArray& message : refused) {
        EXPECT_FALSE(FileHandoverMessage::decode(message).has_value()) << message.toStdString();
    }
}

TEST(FileHandoverMessageTest, AnOversizedMessageIsRefusedUnparsed) {
    QByteArray huge("{\"files\":[\"/");
    huge.append(QByteArray(FileHandoverMessage::kMaximumSize, 'a'));
    huge.append("\"]}\n");
    EXPECT_FALSE(FileHandoverMessage::decode(huge).has_value());
}

}  // namespace
}  // namespace vlt
