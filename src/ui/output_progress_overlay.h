#pragma once

#include <functional>
#include <optional>

#include <QString>

#include "ui/modal_host.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace vlt {

// What a progress card shows while an output runs.
struct OutputProgressContent {
    QString title;
    // Percent, 0 to 100, shown as a bar and a whole number; none shows a bar without a
    // value and no number.
    std::optional<double> progress;
    QString cancelTitle;
    bool isCancelEnabled = true;
    std::function<void()> cancelAction;
};

// The shared card of a running output: a 430-point card over the veil with the title,
// a progress bar (with its percentage when known) and a Cancel button at the trailing
// edge. Like the result card it holds no state: its owner fills the content from its
// model and removes the card when the output has ended. Escape does nothing: only the
// button cancels.
class OutputProgressOverlay : public ModalHost {
    Q_OBJECT

public:
    static constexpr int cardWidth = 430;
    static constexpr int padding = 24;
    static constexpr int percentageWidth = 40;

    OutputProgressOverlay(OutputProgressContent content, QWidget* parent, Scheduler& scheduler,
                          MotionPreference& motion);

    const OutputProgressContent& content() const { return content_; }
    void setContent(OutputProgressContent content);

    // The progress rounded to a whole number, halves away from zero, with the percent
    // sign: "95%" for 94.5.
    static QString percentageText(double percent);

    QLabel* titleLabel() const { return title_; }
    QProgressBar* progressBar() const { return bar_; }
    QLabel* percentageLabel() const { return percentage_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    void refresh();

    OutputProgressContent content_;
    QLabel* title_;
    QProgressBar* bar_;
    QLabel* percentage_;
    QPushButton* cancel_;
};

}  // namespace vlt
