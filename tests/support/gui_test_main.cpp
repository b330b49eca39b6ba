#include <QApplication>
#include <QFont>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

// GUI tests run headless with one fixed font so that text metrics, and with them
// every measured geometry, are the same on every machine. A test that runs again under
// an X server of its own names that platform in VLT_TEST_QPA_PLATFORM.
int main(int argc, char** argv) {
    const QByteArray platform = qgetenv("VLT_TEST_QPA_PLATFORM");
    qputenv("QT_QPA_PLATFORM", platform.isEmpty() ? QByteArray("offscreen") : platform);
    QApplication application(argc, argv);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    QApplication::setFont(font);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
