#include "app/main_window.h"

#include <QApplication>
#include <QChildEvent>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>

#include "app/app_delegate.h"
#include "app/menu_bar_keyboard.h"
#include "foundation/localized_string.h"
#include "ui/application_accent_color.h"

namespace vlt {
namespace {

// Whether the window belongs to `owner` (Qt's own ancestor test stops at window edges).
bool belongsTo(const QWidget* window, const QWidget* owner) {
    for (const QWidget* widget = window; widget != nullptr; widget = widget->parentWidget()) {
        if (widget == owner) return true;
    }
    return false;
}

}  // namespace

MainWindow::MainWindow(AppDelegate& delegate, QWidget* parent) : QMainWindow(parent), delegate_(delegate) {
    setObjectName(QStringLiteral("startup"));
    setWindowTitle(localizedString("Veltrano"));

    QPalette tinted = palette();
    tinted.setColor(QPalette::Highlight, applicationAccentColor());
    tinted.setColor(QPalette::Link, applicationAccentColor());
    setPalette(tinted);

    keyboardWatch_.setInterval(kKeyboardWatchIntervalMilliseconds);
    connect(&keyboardWatch_, &QTimer::timeout, this, &MainWindow::handBackKeyboardIfLost);
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &MainWindow::handBackKeyboardIfLost);
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &MainWindow::keepKeyboardWithQuestion);

    new MenuBarKeyboard(*menuBar());
    menuBar()->installEventFilter(this);

    auto* placeholder = new QWidget(this);
    placeholder->setObjectName(QStringLiteral("rootViewPlaceholder"));
    setRootView(placeholder);
}

void MainWindow::setVisible(bool visible) {
    // The sizes are the content's, and the menu bar comes on top of them: it has its
    // height once its menus are in, just before the window first shows.
    if (visible && !hasBeenShown_) {
        const int menuBarHeight = menuBar()->sizeHint().height();
        setMinimumSize(kMinimumWidth, kMinimumHeight + menuBarHeight);
        if (!testAttribute(Qt::WA_Resized)) resize(kDefaultWidth, kDefaultHeight + menuBarHeight);
    }
    QMainWindow::setVisible(visible);
}

void MainWindow::setRootView(QWidget* rootView) { setCentralWidget(rootView); }

void MainWindow::bringToFront() {
    if (isMinimized()) showNormal();
    show();
    raise();
    // Its questions and panels stay above it: raised over one of them, the window would
    // hide the one thing that takes clicks and keys while it is up. Where no window
    // manager keeps them on top, nothing else would.
    for (QWidget* child : findChildren<QWidget*>()) {
        if (child->isWindow() && child->isVisible()) child->raise();
    }
    QWidget* owner = keyboardOwner();
    owner->raise();
    owner->activateWindow();
}

QWidget* MainWindow::keyboardOwner() {
    QWidget* question = QApplication::activeModalWidget();
    return question != nullptr && belongsTo(question, this) ? question : this;
}

void MainWindow::receiveSecondLaunch(const QList<QUrl>& files) {
    bringToFront();
    if (!files.isEmpty()) delegate_.openURLs(files);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!delegate_.windowShouldClose(this)) {
        event->ignore();
        return;
    }
    event->accept();
    delegate_.windowDidClose();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (hasBeenShown_) return;
    hasBeenShown_ = true;
    // Without a window manager nobody gives a new window the keyboard: the application
    // would start deaf to every key, Ctrl+Q included, until a click.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (isVisible() && QGuiApplication::focusWindow() == nullptr) keyboardOwner()->activateWindow();
        },
        Qt::QueuedConnection);
}

bool MainWindow::event(QEvent* event) {
    // Its questions, panels and sheets are windows of their own; watch them go away.
    if (event->type() == QEvent::ChildPolished) watchIfWindow(static_cast<QChildEvent*>(event)->child());
    return QMainWindow::event(event);
}

void MainWindow::watchIfWindow(QObject* child) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (widget != nullptr && widget->isWindow()) widget->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // The menus of the menu bar are windows too.
    if (watched == menuBar() && event->type() == QEvent::ChildPolished) {
        watchIfWindow(static_cast<QChildEvent*>(event)->child());
    }
    // One of its windows closed while the application had the keyboard (in any of its
    // windows: the closing panel's own pop-up, such as the completion list of its name
    // field, counts). For a moment, a keyboard that goes nowhere is taken back, whether
    // it is lost as the window closes, as it is destroyed or as its pop-up goes. A later
    // loss (the person switching to another application) is left alone.
    if (event->type() == QEvent::Hide && isVisible()) {
        const bool hadKeyboard =
            QGuiApplication::focusWindow() != nullptr || QGuiApplication::applicationState() == Qt::ApplicationActive;
        if (hadKeyboard) {
            keyboardWatchEnd_.setRemainingTime(kKeyboardHandBackMilliseconds);
            keyboardWatch_.start();
            QMetaObject::invokeMethod(this, &MainWindow::handBackKeyboardIfLost, Qt::QueuedConnection);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::keepKeyboardWithQuestion(QWindow* focus) {
    // A click on the window while a question or panel of it is up gives the window the
    // keyboard where no window manager keeps it with the question, and Qt then drops
    // every key, Escape and Return included: the question takes it back at once. The
    // window's own native children (the canvas) count as the window.
    const QWindow* window = windowHandle();
    if (focus == nullptr || window == nullptr || (focus != window && !window->isAncestorOf(focus))) return;
    QWidget* owner = keyboardOwner();
    if (owner == this) return;
    owner->raise();
    owner->activateWindow();
}

void MainWindow::handBackKeyboardIfLost() {
    // A window manager gives the keyboard back to the window when one of its windows
    // closes; without one (a bare X server, a kiosk session) it stays with the closed
    // window or goes nowhere, and every shortcut, Ctrl+Q included, would stay dead
    // until a click. A window that is destroyed with the keyboard gives no notice, so
    // the keyboard is looked after until the moment has passed.
    if (!keyboardWatch_.isActive()) return;
    const QWindow* focus = QGuiApplication::focusWindow();
    if (focus == nullptr || !focus->isVisible()) {
        // A question or panel that opened as the other one closed takes it, not the
        // window it blocks.
        keyboardWatch_.stop();
        if (isVisible()) keyboardOwner()->activateWindow();
        return;
    }
    if (keyboardWatchEnd_.hasExpired()) keyboardWatch_.stop();
}

}  // namespace vlt
