#pragma once

#include <memory>

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include "platform/share/share_menu_driver.h"
#include "platform/share/share_picker.h"
#include "platform/share/share_services.h"

namespace vlt {

// The share picker of a window: a menu of the desktop's sharing services, opened at
// the share command's place near the window's top right corner. Closing the menu
// without a choice is a cancelled share; a chosen service reports the outcome.
class MenuSharePicker final : public SharePicker {
public:
    static constexpr int kAnchorInsetFromRight = 118;
    static constexpr int kAnchorInsetFromTop = 28;

    // The content widget is the window's content; the picker does not own it.
    MenuSharePicker(QWidget* content, std::shared_ptr<ShareMenuDriver> menu, std::shared_ptr<ShareServices> services);

    VoidResult present(const QString& filePath, SharePickerCompletion completion) override;

    // 118 points in from the right edge (or at the left edge of a narrower content),
    // 28 down from the top.
    static QPoint anchorPoint(const QRect& contentBounds);

private:
    QPointer<QWidget> content_;
    std::shared_ptr<ShareMenuDriver> menu_;
    std::shared_ptr<ShareServices> services_;
};

}  // namespace vlt
