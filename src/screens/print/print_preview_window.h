#pragma once

#include <memory>

#include <QDialog>

class QLabel;
class QPrinter;
class QPrintPreviewWidget;
class QPushButton;

namespace vlt {

class PrintAccessoryViewController;

// The window-modal print preview: the pages as the printer will get them, Veltrano's
// accessory beside them, a line that sums up the accessory's choices, and Cancel and
// Print… at the bottom. It shows; the coordinator decides what its buttons do.
class PrintPreviewWindow final : public QDialog {
    Q_OBJECT

public:
    // Takes the accessory as its child and shares the printer, which the preview
    // paints on for as long as it exists.
    PrintPreviewWindow(std::shared_ptr<QPrinter> printer, PrintAccessoryViewController* accessory, const QString& title,
                       QWidget* parent);
    // The preview goes before the printer it paints on.
    ~PrintPreviewWindow() override;

    QPrintPreviewWidget* previewWidget() const { return preview_; }
    PrintAccessoryViewController* accessory() const { return accessory_; }
    QLabel* summaryLabel() const { return summary_; }
    QPushButton* printButton() const { return printButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

signals:
    void printRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void refreshSummary();

    std::shared_ptr<QPrinter> printer_;
    QPrintPreviewWidget* preview_;
    PrintAccessoryViewController* accessory_;
    QLabel* summary_;
    QPushButton* printButton_;
    QPushButton* cancelButton_;
};

}  // namespace vlt
