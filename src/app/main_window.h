#pragma once

#include <QDeadlineTimer>
#include <QList>
#include <QMainWindow>
#include <QTimer>
#include <QUrl>

namespace vlt {

class AppDelegate;

// The application's one window. Its close button asks the delegate first, so closing
// goes through the same close request as quitting.
class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    // The content's sizes: the menu bar comes on top of them.
    static constexpr int kDefaultWidth = 1180;
    static constexpr int kDefaultHeight = 820;
    static constexpr int kMinimumWidth = 820;
    static constexpr int kMinimumHeight = 480;

    explicit MainWindow(AppDelegate& delegate, QWidget* parent = nullptr);

    // Shows the root view; until one is installed the window is empty.
    void setRootView(QWidget* rootView);
    // Brings the window to the front (a second launch was started), with its own
    // question or panel, if one is up, above it and given the keyboard.
    void bringToFront();
    // A later launch was started, with files or without: the window comes forward (as
    // above) and the files go to the delegate, which opens them once the model can.
    void receiveSecondLaunch(const QList<QUrl>& files);

    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // How long after one of its windows closed a lost keyboard is taken back, and how
    // often meanwhile it is looked for.
    static constexpr int kKeyboardHandBackMilliseconds = 1000;
    static constexpr int kKeyboardWatchIntervalMilliseconds = 40;

    void watchIfWindow(QObject* child);
    void handBackKeyboardIfLost();
    void keepKeyboardWithQuestion(QWindow* focus);
    // The window that should have the keyboard: its open question or panel, else itself.
    QWidget* keyboardOwner();

    AppDelegate& delegate_;
    QTimer keyboardWatch_;
    QDeadlineTimer keyboardWatchEnd_;
    bool hasBeenShown_ = false;
};

}  // namespace vlt
