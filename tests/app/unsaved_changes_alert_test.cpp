#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "app/unsaved_changes_alert.h"

namespace vlt {
namespace {

class UnsavedChangesAlertTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(600, 400);
        window.show();
        alert = UnsavedChangesAlert::create(ApplicationCloseIntent::close, &window);
        alert->open();
    }
    void TearDown() override { delete alert; }

    QPushButton* button(QAbstractButton* found) { return qobject_cast<QPushButton*>(found); }

    QWidget window;
    QMessageBox* alert = nullptr;
};

TEST_F(UnsavedChangesAlertTest, ReturnSavesEscapeCancelsAndTheFocusStartsOnCancel) {
    QPushButton* discard = button(UnsavedChangesAlert::discardButton(*alert));
    QPushButton* saveImage = button(UnsavedChangesAlert::saveImageButton(*alert));
    QPushButton* cancel = button(UnsavedChangesAlert::cancelButton(*alert));

    ASSERT_TRUE(discard && saveImage && cancel);
    EXPECT_EQ(alert->buttons().size(), 3);
    EXPECT_EQ(alert->windowModality(), Qt::WindowModal);
    EXPECT_EQ(alert->defaultButton(), saveImage);
    EXPECT_EQ(alert->escapeButton(), cancel);
    EXPECT_FALSE(discard->autoDefault());
    EXPECT_EQ(alert->focusWidget(), cancel);

    QTest::keyClick(alert, Qt::Key_Return);
    EXPECT_EQ(UnsavedChangesAlert::answer(*alert), UnsavedChangesAlert::Answer::saveImage);
}

}  // namespace
}  // namespace vlt
