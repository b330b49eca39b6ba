#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "ui/application_style.h"
#include "support/clearly_changed_pixels.h"

namespace vlt {
namespace {

using testing::clearlyChangedPixels;

// Fusion marks a focused push button as it marks the default one: the ring tells the
// keyboard's place apart on every button, the default one included, once the keyboard
// has moved the focus.
TEST(ApplicationStyleTest, TheKeyboardFocusShowsOnEveryPushButtonTheDefaultOneIncluded) {
    ApplicationStyle style;
    QDialog dialog;
    auto* row = new QHBoxLayout(&dialog);
    auto* save = new QPushButton(QStringLiteral("Save"), &dialog);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
    for (QPushButton* button : {save, cancel}) {
        // As in the alerts: the default button keeps its mark wherever the focus is.
        button->setAutoDefault(false);
        button->setStyle(&style);
        row->addWidget(button);
    }
    save->setDefault(true);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    const auto look = [](QPushButton* button) { return button->grab().toImage(); };

    save->setFocus(Qt::OtherFocusReason);
    const QImage saveFocusedByClick = look(save);
    cancel->setFocus(Qt::OtherFocusReason);
    const QImage saveWithoutFocus = look(save);
    const QImage cancelFocusedByClick = look(cancel);
    EXPECT_EQ(clearlyChangedPixels(saveFocusedByClick, saveWithoutFocus), 0) << "no ring before a key moved it";

    dialog.setAttribute(Qt::WA_KeyboardFocusChange);
    EXPECT_GE(clearlyChangedPixels(cancelFocusedByClick, look(cancel)), 40) << "Cancel";
    save->setFocus(Qt::TabFocusReason);
    EXPECT_GE(clearlyChangedPixels(saveWithoutFocus, look(save)), 40) << "the default button";

    save->setEnabled(false);
    cancel->setFocus(Qt::TabFocusReason);
    const QImage disabled = look(save);
    save->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(clearlyChangedPixels(disabled, look(save)), 0) << "a disabled button shows none";
}

}  // namespace
}  // namespace vlt
