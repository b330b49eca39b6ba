#pragma once

#include <functional>

#include <QFont>
#include <QToolButton>

#include "import/crop_transform_command.h"

class QKeyEvent;
class QMenu;

namespace vlt {

// The orientation control of the crop sub-toolbar: a self-drawn pull-down button with
// the rotate icon, the title "Crop - Flip", the angle in a badge and a chevron. Its menu
// rotates, flips and resets; Ctrl+[ and Ctrl+] rotate from anywhere in the window.
// Its width does not depend on the angle shown.
class CropTransformPopUpButton final : public QToolButton {
    Q_OBJECT

public:
    using Perform = std::function<void(CropTransformCommand)>;

    explicit CropTransformPopUpButton(QWidget* parent = nullptr);

    // Refreshes everything that follows the selection: the command sink of the menu and
    // the keys, the angle in the badge and the accessibility texts.
    void refresh(const QString& angle, bool isMirrored, Perform perform);

    const QString& angleText() const { return angleText_; }
    QMenu* commandMenu() const { return menu_; }

    // The key rule: enabled, exactly Ctrl among Shift, Ctrl, Alt and Meta, and "[" or
    // "]". False when the event is not ours, or no command sink is installed.
    bool performKeyEquivalent(const QKeyEvent& event);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    static QFont titleFont();
    static QFont angleFont();
    static const QString& title();

    static constexpr int kHeight = 42;
    static constexpr int kMinimumWidth = 190;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildMenu();
    void run(CropTransformCommand command);

    Perform performKeyboardCommand_;
    QString angleText_ = QStringLiteral("0°");
    QMenu* menu_;
    int rotateLeftShortcut_ = 0;
    int rotateRightShortcut_ = 0;
};

}  // namespace vlt
