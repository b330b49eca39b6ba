#pragma once

#include <QMainWindow>

namespace vlt {

class AppDelegate;

// The application's one window. Its close button asks the delegate first, so closing
// goes through the same close request as quitting.
class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int kDefaultWidth = 1180;
    static constexpr int kDefaultHeight = 820;
    static constexpr int kMinimumWidth = 820;
    static constexpr int kMinimumHeight = 480;

    explicit MainWindow(AppDelegate& delegate, QWidget* parent = nullptr);

    // Shows the root view; until one is installed the window is empty.
    void setRootView(QWidget* rootView);
    // Brings the window to the front (a second launch was started).
    void bringToFront();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    AppDelegate& delegate_;
};

}  // namespace vlt
