#pragma once

#include <QLineEdit>

namespace vlt {

class SettingsFieldBorder;

// The single-line text field of the dialogs: no bezel and no placeholder, body text
// 8 points from its sides, at least 32 points high, white, with the field border.
// Return does nothing of the field's own.
class SettingsTextField final : public QLineEdit {
    Q_OBJECT

public:
    explicit SettingsTextField(QWidget* parent = nullptr);

    static constexpr int horizontalPadding = 8;
    static constexpr int minimumHeight = 32;

    SettingsFieldBorder* border() const { return border_; }

    // Shows a text set from outside, keeping the caret where the user had it as far as
    // the new text allows; an equal text is left alone.
    void showText(const QString& text);

private:
    SettingsFieldBorder* border_;
};

}  // namespace vlt
