#pragma once

#include <QPlainTextEdit>

namespace vlt {

class SettingsFieldBorder;

// The multi-line text editor of the dialogs: body text 5 points from every side, no
// bezel, white, with the field border. Tab moves on to the next control.
class SettingsTextEditor final : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit SettingsTextEditor(int minimumHeight, QWidget* parent = nullptr);

    static constexpr int padding = 5;

    SettingsFieldBorder* border() const { return border_; }

    // Shows a text set from outside, keeping the caret as far as the new text allows;
    // an equal text is left alone.
    void showText(const QString& text);

private:
    SettingsFieldBorder* border_;
};

}  // namespace vlt
