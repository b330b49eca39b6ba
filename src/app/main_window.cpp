#include "app/main_window.h"

#include <QCloseEvent>

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

}  // namespace vlt
