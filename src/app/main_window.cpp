#include "app/main_window.h"

#include <QChildEvent>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

#include "app/app_delegate.h"
#include "foundation/localized_string.h"
#include "ui/application_accent_color.h"

namespace vlt {

MainWindow::MainWindow(AppDelegate& delegate, QWidget* parent) : QMainWindow(parent), delegate_(delegate) {
    setObjectName(QStringLiteral("startup"));
    setWindowTitle(localizedString("Veltrano"));
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    resize(kDefaultWidth, kDefaultHeight);

    QPalette tinted = palette();
    tinted.setColor(QPalette::Highlight, applicationAccentColor());
    tinted.setColor(QPalette::Link, applicationAccentColor());
    setPalette(tinted);

    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &MainWindow::handBackKeyboardIfLost);

    auto* placeholder = new QWidget(this);
    placeholder->setObjectName(QStringLiteral("rootViewPlaceholder"));
    setCentralWidget(placeholder);
}

void MainWindow::setRootView(QWidget* rootView) { setCentralWidget(rootView); }

void MainWindow::bringToFront() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!delegate_.windowShouldClose(this)) {
        event->ignore();
        return;
    }
    event->accept();
    delegate_.windowDidClose();
}

bool MainWindow::event(QEvent* event) {
    // Its questions, panels and sheets are windows of their own; watch them go away.
    if (event->type() == QEvent::ChildPolished) {
        auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child());
        if (child != nullptr && child->isWindow()) child->installEventFilter(this);
    }
    return QMainWindow::event(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // One of its windows closed while the application had the keyboard: for a moment,
    // a keyboard that goes nowhere is taken back (see handBackKeyboardIfLost), whether
    // it is lost as the window closes or as it is destroyed. A later loss (the person
    // switching to another application) is left alone.
    if (event->type() == QEvent::Hide && isVisible()) {
        const QWindow* focus = QGuiApplication::focusWindow();
        const QWindow* closing = static_cast<QWidget*>(watched)->windowHandle();
        handsKeyboardBack_ = focus == nullptr ? QGuiApplication::applicationState() == Qt::ApplicationActive
                                              : focus == windowHandle() || focus == closing;
        if (handsKeyboardBack_) {
            QTimer::singleShot(kKeyboardHandBackMilliseconds, this, [this] { handsKeyboardBack_ = false; });
            QMetaObject::invokeMethod(
                this, [this] { handBackKeyboardIfLost(QGuiApplication::focusWindow()); }, Qt::QueuedConnection);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::handBackKeyboardIfLost(const QWindow* focus) {
    // A window manager gives the keyboard back to the window when one of its windows
    // closes; without one (a bare X server, a kiosk session) it stays with the closed
    // window or goes nowhere, and every shortcut, Ctrl+Q included, would stay dead
    // until a click.
    if (!handsKeyboardBack_) return;
    if (focus != nullptr && focus->isVisible()) {
        if (focus != windowHandle()) handsKeyboardBack_ = false;
        return;
    }
    handsKeyboardBack_ = false;
    if (isVisible()) activateWindow();
}

}  // namespace vlt
