#pragma once

#include <QWidget>

class QLabel;

namespace vlt {

// One entry of the start page's shortcut card: a caption above a key chip, centred in
// the full width it is given. Both texts wrap; neither is cut.
class ShortcutItem final : public QWidget {
    Q_OBJECT

public:
    ShortcutItem(const QString& title, const QString& shortcut, QWidget* parent = nullptr);

    QLabel* captionLabel() const { return caption_; }
    QLabel* chipLabel() const { return chip_; }

private:
    QLabel* caption_;
    QLabel* chip_;
};

}  // namespace vlt
