#include "crash_reports/crash_report_alert_presenter.h"

#include <memory>

#include <QEvent>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace vlt {

namespace {

// Covers the window's content (all of a main window but its menu bar) and takes every
// click and key meant for it, while shortcuts go on working; the keyboard comes back to
// where it was when the cover goes. Whenever the window gets the keyboard meanwhile (a
// panel above the sheet closed, a click on the content), its sheet is given it.
class ContentShield final : public QWidget {
public:
    ContentShield(QWidget* window, QWidget* sheet) : QWidget(window), sheet_(sheet) {
        setObjectName(QString::fromLatin1(CrashReportAlertPresenter::kContentShieldName));
        const auto* main = qobject_cast<const QMainWindow*>(window);
        covered_ = main != nullptr && main->centralWidget() != nullptr ? main->centralWidget() : nullptr;
        if (covered_) covered_->installEventFilter(this);
        setFocusPolicy(Qt::StrongFocus);
        cover();
        show();
        raise();
        QWidget* focused = window->focusWidget();
        if (focused != nullptr && focused != this) previousFocus_ = focused;
        // Also when nothing beneath had the keyboard: a key that reaches the window then
        // finds the cover, which hands it on to the sheet.
        setFocus();
    }

    ~ContentShield() override {
        if (previousFocus_ && previousFocus_->isVisible() && previousFocus_->isEnabled()) previousFocus_->setFocus();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Move) cover();
        return QWidget::eventFilter(watched, event);
    }

    bool event(QEvent* event) override {
        switch (event->type()) {
        // Tab and Space never reach the content behind; shortcuts were tried before.
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            if (event->type() == QEvent::MouseButtonPress) setFocus(Qt::MouseFocusReason);
            if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress) bringSheetForward();
            event->accept();
            return true;
        case QEvent::FocusIn:
            bringSheetForward();
            return QWidget::event(event);
        default:
            return QWidget::event(event);
        }
    }

private:
    void bringSheetForward() {
        if (!sheet_ || !sheet_->isVisible()) return;
        sheet_->raise();
        sheet_->activateWindow();
    }

    void cover() { setGeometry(covered_ ? covered_->geometry() : parentWidget()->rect()); }

    QPointer<QWidget> sheet_;
    QPointer<QWidget> covered_;
    QPointer<QWidget> previousFocus_;
};

QPushButton* addButton(QMessageBox& box, const QString& title, QMessageBox::ButtonRole role, const char* name) {
    QPushButton* button = box.addButton(title, role);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

}  // namespace

void CrashReportAlertPresenter::present(QWidget* window, const CrashReportAlert& alert, Completion completion) {
    auto* box = new QMessageBox(window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    if (window != nullptr) {
        QPointer<QWidget> shield = new ContentShield(window, box);
        // Gone as soon as the sheet closes, before its answer is acted on.
        QObject::connect(box, &QMessageBox::finished, window, [shield] { delete shield; });
        QObject::connect(box, &QObject::destroyed, window, [shield] { delete shield; });
    }
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
    box->show();
    // Where no window manager gives a new window the keyboard, the sheet takes it from
    // the window it covers, as a sheet does; Return and Escape answer it at once.
    if (window != nullptr && window->isActiveWindow()) box->activateWindow();
}

}  // namespace vlt
