#include "shell_test_support.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace vlt::testing {

ShellFixture::ShellFixture() {
    AppDelegate::Environment environment;
    environment.scheduler = &models.scheduler;
    environment.updater = updater;
    environment.relaunchApplication = [this]() -> VoidResult {
        ++relaunchCount;
        if (relaunchFailure) return relaunchFailure;
        return {};
    };
    environment.exitEventLoop = [this] { ++exitCount; };
    delegate = std::make_unique<AppDelegate>(std::move(environment));
    window = std::make_unique<MainWindow>(*delegate);
    window->show();
    delegate->attach(window.get());
    delegate->attach(models.model.get());
}

ShellFixture::~ShellFixture() {
    window.reset();
    delegate.reset();
}

void ShellFixture::answer(QAbstractButton* button) {
    ASSERT_NE(button, nullptr);
    button->click();
}

QString ShellFixture::alertInformativeText() const { return alert() ? alert()->informativeText() : QString(); }

}  // namespace vlt::testing
