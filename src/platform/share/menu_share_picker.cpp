#include "platform/share/menu_share_picker.h"

#include <algorithm>

#include "base/cancellation_error.h"
#include "platform/share/share_image_failure.h"
#include "platform/share/share_picker_coordinator.h"

namespace vlt {

MenuSharePicker::MenuSharePicker(QWidget* content, std::shared_ptr<ShareMenuDriver> menu,
                                 std::shared_ptr<ShareServices> services)
    : content_(content), menu_(std::move(menu)), services_(std::move(services)) {}

QPoint MenuSharePicker::anchorPoint(const QRect& contentBounds) {
    const int x = std::max(contentBounds.left(), contentBounds.left() + contentBounds.width() - kAnchorInsetFromRight);
    const int y = std::max(contentBounds.top(), kAnchorInsetFromTop);
    return {x, y};
}

VoidResult MenuSharePicker::present(const QString& filePath, SharePickerCompletion completion) {
    // Without a window there is nothing to share from.
    if (!content_ || !menu_ || !services_) return makeCancellationError();
    if (!content_->isVisible() || !content_->window()->isVisible()) {
        return ShareImageFailure::make(ShareImageFailure::Case::pickerUnavailable);
    }

    std::vector<ShareMenuEntry> entries{ShareMenuEntry::openWith};
    if (services_->canSendByEmail()) entries.push_back(ShareMenuEntry::sendByEmail);
    entries.push_back(ShareMenuEntry::copyImage);
    entries.push_back(ShareMenuEntry::showInFileManager);

    // The menu's and the service's callbacks hold the coordinator; once both are gone,
    // nothing of this share is left.
    auto coordinator = std::make_shared<SharePickerCoordinator>(std::move(completion));
    menu_->show(*content_, anchorPoint(content_->rect()), entries,
                [coordinator, services = services_, filePath](std::optional<ShareMenuEntry> chosen) {
                    if (!chosen) {
                        coordinator->finish(SharePickerOutcome::cancelled());
                        return;
                    }
                    services->run(*chosen, filePath,
                                  [coordinator](const SharePickerOutcome& outcome) { coordinator->finish(outcome); });
                });
    return {};
}

}  // namespace vlt
