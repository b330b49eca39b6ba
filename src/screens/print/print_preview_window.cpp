#include "screens/print/print_preview_window.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "foundation/localized_string.h"
#include "screens/print/print_accessory_view_controller.h"
#include "ui/keyboard_focus.h"
#include "ui/settings_primary_button_style.h"
#include "ui/settings_secondary_button_style.h"

namespace vlt {
namespace {

constexpr int kPreviewMinimumWidth = 420;
constexpr int kPreviewMinimumHeight = 480;
constexpr int kSpacing = 12;

}  // namespace

PrintPreviewWindow::PrintPreviewWindow(std::shared_ptr<QPrinter> printer, PrintAccessoryViewController* accessory,
                                       const QString& title, QWidget* parent)
    : QDialog(parent), printer_(std::move(printer)), accessory_(accessory) {
    setObjectName(QStringLiteral("printPreviewWindow"));
    setWindowTitle(title);
    setWindowModality(Qt::WindowModal);

    // 1. The pages beside the accessory.
    preview_ = new QPrintPreviewWidget(printer_.get(), this);
    preview_->setObjectName(QStringLiteral("printPreview"));
    preview_->setViewMode(QPrintPreviewWidget::AllPagesView);
    preview_->setZoomMode(QPrintPreviewWidget::FitInView);
    preview_->setMinimumSize(kPreviewMinimumWidth, kPreviewMinimumHeight);
    // The pages always fit in view: there is nothing for the keyboard to do there, so
    // Tab passes them by.
    preview_->setFocusPolicy(Qt::NoFocus);
    for (QWidget* part : preview_->findChildren<QWidget*>()) part->setFocusPolicy(Qt::NoFocus);
    accessory_->setParent(this);
    auto* side = new QVBoxLayout;
    side->addWidget(accessory_);
    side->addStretch(1);
    auto* body = new QHBoxLayout;
    body->setSpacing(kSpacing);
    body->addWidget(preview_, 1);
    body->addLayout(side);

    // 2. The summary of the choices that the print dialog cannot show, and the buttons.
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("printSummary"));
    summary_->setWordWrap(true);
    // The buttons of every other dialog, with their focus ring.
    cancelButton_ = new QPushButton(localizedString("Cancel"), this);
    SettingsSecondaryButtonStyle::apply(*cancelButton_);
    printButton_ = new QPushButton(localizedString("Print…"), this);
    SettingsPrimaryButtonStyle::apply(*printButton_);
    printButton_->setDefault(true);
    auto* footer = new QHBoxLayout;
    footer->addWidget(summary_, 1);
    footer->addWidget(cancelButton_);
    footer->addWidget(printButton_);

    auto* column = new QVBoxLayout(this);
    column->setSpacing(kSpacing);
    column->addLayout(body, 1);
    column->addLayout(footer);

    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(printButton_, &QPushButton::clicked, this, &PrintPreviewWindow::printRequested);
    connect(accessory_, &PrintAccessoryViewController::previewRevisionChanged, this, [this] {
        refreshSummary();
        preview_->updatePreview();
    });
    refreshSummary();
}

PrintPreviewWindow::~PrintPreviewWindow() { delete preview_; }

void PrintPreviewWindow::keyPressEvent(QKeyEvent* event) {
    // Return presses the button that has the focus, Cancel included; elsewhere Print….
    if (pressFocusedButtonOnReturn(*this, *event)) return;
    QDialog::keyPressEvent(event);
}

void PrintPreviewWindow::refreshSummary() {
    // Each language sets its own colon apart: French with a no-break space before it,
    // Japanese and Chinese with a full-width one.
    static const QString namedChoice = localizedString("%1: %2");
    QStringList lines;
    for (const PrintSummaryItem& item : accessory_->localizedSummaryItems()) {
        lines << namedChoice.arg(item.name, item.description);
    }
    summary_->setText(lines.join(QStringLiteral(" · ")));
}

}  // namespace vlt
