#include <QCoreApplication>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

// Non-GUI tests still get an application object: queued calls, timers and
// translation lookups need one.
int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
