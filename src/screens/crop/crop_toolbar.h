#pragma once

#include <QWidget>

class QAbstractButton;
class QLabel;

namespace vlt {

class AppModel;
class CropCommandButton;
class CropGoToEditorButton;

// The crop screen's top bar: the logo, "Open another image", the loading indicator of
// a first import, and on the trailing side "Go to editor" and the settings button.
// Every button follows the model's canGoToEditor.
class CropToolbar final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHeight = 66;

    explicit CropToolbar(AppModel& model, QWidget* parent = nullptr);

    CropCommandButton* openButton() const { return openButton_; }
    CropGoToEditorButton* goToEditorButton() const { return goToEditorButton_; }
    QAbstractButton* settingsButton() const { return settingsButton_; }
    // The "Loading image…" group.
    QWidget* loadingIndicator() const { return loading_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void refresh();

    AppModel& model_;
    CropCommandButton* openButton_;
    QWidget* loading_;
    CropGoToEditorButton* goToEditorButton_;
    QAbstractButton* settingsButton_;
};

}  // namespace vlt
