#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QPoint>
#include <QString>

class QWidget;

namespace vlt {

// The entries of the share menu, in the order they are shown.
enum class ShareMenuEntry { openWith, sendByEmail, copyImage, showInFileManager };

// "Open With…", "Send by Email…", "Copy Image", "Show in File Manager".
QString shareMenuEntryTitle(ShareMenuEntry entry);

// Shows the share menu and reports the one choice, or none when it closed without
// one. The menu runs on its own (the call returns at once) and reports exactly once,
// on the GUI thread, never inside show().
class ShareMenuDriver {
public:
    using Choice = std::function<void(std::optional<ShareMenuEntry>)>;

    virtual ~ShareMenuDriver() = default;
    // anchor is in the widget's own coordinates; the menu opens below it.
    virtual void show(QWidget& widget, QPoint anchor, const std::vector<ShareMenuEntry>& entries, Choice choice) = 0;
};

// A QMenu popped up at the anchor.
class PopupShareMenuDriver final : public ShareMenuDriver {
public:
    void show(QWidget& widget, QPoint anchor, const std::vector<ShareMenuEntry>& entries, Choice choice) override;
};

}  // namespace vlt
