#include <gtest/gtest.h>

#include <optional>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>

#include "screens/crop/crop_accessibility.h"
#include "screens/crop/crop_screen_test_support.h"
#include "model/app_model_test_access.h"
#include "screens/crop/crop_subtoolbar.h"
#include "screens/crop/crop_transform_pop_up_button.h"

namespace vlt {
namespace {

QKeyEvent keyPress(int key, Qt::KeyboardModifiers modifiers) { return QKeyEvent(QEvent::KeyPress, key, modifiers); }

class CropTransformPopUpButtonTest : public ::testing::Test {
protected:
    CropTransformPopUpButtonTest() {
        button.refresh(QStringLiteral("0°"), false,
                       [this](CropTransformCommand command) { received.push_back(command); });
    }

    CropTransformPopUpButton button;
    std::vector<CropTransformCommand> received;
};

TEST_F(CropTransformPopUpButtonTest, TheWidthIsTheSameForEveryAngleAndNeverBelowTheMinimum) {
    const QSize first = button.sizeHint();
    for (const char* angle : {"90°", "180°", "270°", "0°"}) {
        button.refresh(QString::fromUtf8(angle), false, {});
        EXPECT_EQ(button.sizeHint(), first) << angle;
    }
    EXPECT_GE(first.width(), CropTransformPopUpButton::kMinimumWidth);
}

// Ctrl alone with a bracket rotates; the keypad flag does not matter, other modifiers do.
TEST_F(CropTransformPopUpButtonTest, OnlyCtrlWithABracketRotates) {
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        std::optional<CropTransformCommand> command;
    };
    const Case cases[] = {
        {Qt::Key_BracketLeft, Qt::ControlModifier, CropTransformCommand::rotateLeft},
        {Qt::Key_BracketRight, Qt::ControlModifier | Qt::KeypadModifier, CropTransformCommand::rotateRight},
        {Qt::Key_BracketLeft, Qt::ControlModifier | Qt::ShiftModifier, std::nullopt},
        {Qt::Key_BracketLeft, Qt::ControlModifier | Qt::AltModifier, std::nullopt},
        {Qt::Key_BracketLeft, Qt::NoModifier, std::nullopt},
        {Qt::Key_R, Qt::ControlModifier, std::nullopt},
    };
    for (const Case& example : cases) {
        received.clear();
        EXPECT_EQ(button.performKeyEquivalent(keyPress(example.key, example.modifiers)), example.command.has_value());
        EXPECT_EQ(received, example.command ? std::vector{*example.command} : std::vector<CropTransformCommand>{});
    }

    // A disabled button, or one without a command sink, leaves the keys alone.
    received.clear();
    button.setEnabled(false);
    EXPECT_FALSE(button.performKeyEquivalent(keyPress(Qt::Key_BracketLeft, Qt::ControlModifier)));
    button.setEnabled(true);
    button.refresh(QStringLiteral("0°"), false, {});
    EXPECT_FALSE(button.performKeyEquivalent(keyPress(Qt::Key_BracketRight, Qt::ControlModifier)));
    EXPECT_TRUE(received.empty());
}

// The keys are the window's; the menu only shows them.
TEST_F(CropTransformPopUpButtonTest, TheMenuRunsItsCommandsAndShowsTheirKeys) {
    button.commandMenu()->actions().at(3)->trigger();
    EXPECT_EQ(received, (std::vector<CropTransformCommand>{CropTransformCommand::flipHorizontal}));
    EXPECT_EQ(button.commandMenu()->actions().at(0)->text().section('\t', 1), QStringLiteral("Ctrl+["));
    EXPECT_FALSE(button.commandMenu()->actions().at(0)->icon().isNull());
}

class CropSubtoolbarTest : public ::testing::Test {
protected:
    CropSubtoolbarTest() : subtoolbar(*fixture.model, fixture.document) {}

    QString angle() const { return subtoolbar.transformButton()->angleText(); }
    QString accessibleValue() const { return CropAccessibility::value(*subtoolbar.transformButton()); }

    testing::CropScreenFixture fixture;
    CropSubtoolbar subtoolbar;
};

TEST_F(CropSubtoolbarTest, TheBadgeFollowsTheTurnsButNotTheFlips) {
    subtoolbar.perform(CropTransformCommand::rotateRight);
    EXPECT_EQ(angle(), QStringLiteral("90°"));
    subtoolbar.perform(CropTransformCommand::flipVertical);
    EXPECT_EQ(angle(), QStringLiteral("90°"));
    EXPECT_EQ(accessibleValue(), QStringLiteral("90°, mirrored"));
    subtoolbar.perform(CropTransformCommand::flipHorizontal);
    EXPECT_EQ(accessibleValue(), QStringLiteral("90°"));
    for (int i = 0; i < 3; ++i) subtoolbar.perform(CropTransformCommand::rotateRight);
    EXPECT_EQ(angle(), QStringLiteral("0°"));
    subtoolbar.perform(CropTransformCommand::rotateLeft);
    EXPECT_EQ(angle(), QStringLiteral("270°"));
    subtoolbar.perform(CropTransformCommand::flipHorizontal);
    subtoolbar.perform(CropTransformCommand::resetOrientation);
    EXPECT_EQ(angle(), QStringLiteral("0°"));
    EXPECT_FALSE(fixture.document->selection().isHorizontallyFlipped);
}

TEST_F(CropSubtoolbarTest, CommandsAreIgnoredWhileTheEditorIsBeingPrepared) {
    AppModelTestAccess::setPreparingEditor(*fixture.model, true);
    const CropSelection before = fixture.document->selection();
    subtoolbar.perform(CropTransformCommand::rotateRight);
    subtoolbar.transformButton()->performKeyEquivalent(keyPress(Qt::Key_BracketLeft, Qt::ControlModifier));
    EXPECT_EQ(fixture.document->selection(), before);
}

// A file name too long for the sub-toolbar is shortened in the middle and shows whole
// on hover; once there is room the tooltip goes.
TEST(CropSubtoolbarFileNameTest, AShortenedFileNameShowsWholeOnHover) {
    testing::CropScreenFixture fixture;
    const QString name = QStringLiteral("Portrait of the patient, front view, before the consultation.jpg");
    auto document = std::make_shared<CropDocument>(testing::makeImportedImage(
        QUrl::fromLocalFile(QStringLiteral("/photos/") + name), 800, 600, testing::makeQuadrantImage(400, 300)));
    AppModelTestAccess::setDocument(*fixture.model, document);
    CropSubtoolbar subtoolbar(*fixture.model, document);
    subtoolbar.resize(700, CropSubtoolbar::kHeight);
    subtoolbar.show();
    QCoreApplication::processEvents();
    ASSERT_LT(subtoolbar.fileNameLabel()->width(), subtoolbar.fileNameLabel()->sizeHint().width());
    EXPECT_EQ(subtoolbar.fileNameLabel()->toolTip(), name);

    subtoolbar.resize(2400, CropSubtoolbar::kHeight);
    QCoreApplication::processEvents();
    ASSERT_GE(subtoolbar.fileNameLabel()->width(), subtoolbar.fileNameLabel()->sizeHint().width());
    EXPECT_EQ(subtoolbar.fileNameLabel()->toolTip(), QString());
}

}  // namespace
}  // namespace vlt
