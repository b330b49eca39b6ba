#pragma once

#include <QMainWindow>

class QWindow;

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
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // How long after one of its windows closed a lost keyboard is taken back.
    static constexpr int kKeyboardHandBackMilliseconds = 1000;

    void handBackKeyboardIfLost(const QWindow* focus);

    AppDelegate& delegate_;
    bool handsKeyboardBack_ = false;
};

}  // namespace vlt
