#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStyle>

#include "app/background_work_at_exit.h"
#include "app/launch_arguments.h"
#include "app/veltrano_application.h"
#include "platform/log/folder_watch_warning_filter.h"
#include "platform/log/journal_event_log_sink.h"
#include "platform/single_instance/single_instance.h"
#include "ui/application_style.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veltrano"));
    QApplication::setDesktopFileName(QStringLiteral("veltrano"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/vlt-rounded-logo.svg")));
    // One light look whatever the desktop's theme: the screens are drawn for it.
    QApplication::setStyle(new vlt::ApplicationStyle);
    QApplication::setPalette(QApplication::style()->standardPalette());
    vlt::installFolderWatchWarningFilter();

    const QList<QUrl> files = vlt::filesFromLaunchArguments(QApplication::arguments(), QDir::currentPath());
    int status = 0;
    {
        vlt::SingleInstance instance(vlt::SingleInstance::defaultSocketPath());
        switch (instance.claimOrForward(files)) {
        case vlt::SingleInstance::Role::forwarded:
            return 0;
        case vlt::SingleInstance::Role::failed:
            std::fprintf(stderr, "Veltrano is already running but did not respond.\n");
            return 1;
        case vlt::SingleInstance::Role::primary:
            break;
        }

        vlt::installSystemEventLog();
        vlt::VeltranoApplication veltrano(instance);
        status = veltrano.run(files);
    }
    // The window, the model and the single-instance socket are gone by now.
    return vlt::leaveUnfinishedBackgroundWork(status);
}
