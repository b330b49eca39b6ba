#include "crash_reports/crash_report_alert_presenter.h"

#include <memory>

#include <QMessageBox>
#include <QPushButton>

namespace vlt {

namespace {

QPushButton* addButton(QMessageBox& box, const QString& title, QMessageBox::ButtonRole role, const char* name) {
    QPushButton* button = box.addButton(title, role);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

}  // namespace

void CrashReportAlertPresenter::present(QWidget* window, const CrashReportAlert& alert, Completion completion) {
    auto* box = new QMessageBox(window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->setIcon(alert.style == CrashReportAlert::Style::warning ? QMessageBox::Warning : QMessageBox::Information);
    box->setText(alert.message);
    box->setInformativeText(alert.information);
    QPushButton* first = addButton(*box, alert.firstButton, QMessageBox::AcceptRole, kFirstButtonName);
    QPushButton* second = nullptr;
    if (!alert.secondButton.isEmpty()) {
        second = addButton(*box, alert.secondButton, QMessageBox::RejectRole, kSecondButtonName);
    }
    box->setDefaultButton(first);

    // Answered once: by a button, or as dismissed when the sheet goes away with its window.
    auto pending = std::make_shared<Completion>(std::move(completion));
    auto answer = [pending](CrashReportAlertAnswer value) {
        if (!*pending) return;
        const Completion run = std::exchange(*pending, nullptr);
        run(value);
    };
    QObject::connect(box, &QMessageBox::finished, box, [box, first, second, answer] {
        const QAbstractButton* clicked = box->clickedButton();
        if (clicked != nullptr && clicked == first) {
            answer(CrashReportAlertAnswer::firstButton);
        } else if (clicked != nullptr && clicked == second) {
            answer(CrashReportAlertAnswer::secondButton);
        } else {
            answer(CrashReportAlertAnswer::dismissed);
        }
    });
    QObject::connect(box, &QObject::destroyed, [answer] { answer(CrashReportAlertAnswer::dismissed); });
    box->open();
}

}  // namespace vlt
