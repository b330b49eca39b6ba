#include <QApplication>
#include <QFont>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

// GUI tests run headless with one fixed font so that text metrics, and with them
// every measured geometry, are the same on every machine.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    QApplication::setFont(font);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
