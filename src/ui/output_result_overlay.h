#pragma once

#include <functional>
#include <optional>

#include <QString>

#include "ui/modal_host.h"

class QLabel;
class QPushButton;
class QTextEdit;

namespace vlt {

class ModalHeader;

// What a result card shows, in the order it shows it.
struct OutputResultContent {
    QString title;
    // The line under the title.
    QString subtitle;
    // The accessible name of the header's close button.
    QString closeAccessibilityLabel;
    QString message;
    // The message in the error colour instead of the label colour.
    bool messageIsError = false;
    // A second text under the message, always in the error colour.
    std::optional<QString> additionalErrorMessage;
    // A heading over a block of selectable monospaced text (paths, file names); shown
    // only when both are set.
    std::optional<QString> detailHeading;
    std::optional<QString> detail;
    // The footer's left button; shown only with both a title and an action.
    std::optional<QString> secondaryTitle;
    std::function<void()> secondaryAction;
    // The footer's default button; the header's close button, Return and Escape run
    // its action too.
    QString primaryTitle;
    std::function<void()> primaryAction;
};

// The shared result card of the outputs (saved files, failures): a 570-point card
// over the veil with a header band (title, subtitle, close button), a body (message,
// additional error, detail block of at most 130 points that scrolls) and a footer band
// (secondary and primary button at the trailing edge). It holds no state of its own:
// its owner fills the content from its model, again whenever the model changes, and
// removes the card when the model no longer calls for it (no closing animation).
class OutputResultOverlay : public ModalHost {
    Q_OBJECT

public:
    static constexpr int cardWidth = 570;
    static constexpr int bodyPadding = 26;
    static constexpr int bodySpacing = 14;
    static constexpr int detailMaximumHeight = 130;

    OutputResultOverlay(OutputResultContent content, QWidget* parent, Scheduler& scheduler, MotionPreference& motion);

    const OutputResultContent& content() const { return content_; }
    void setContent(OutputResultContent content);

    ModalHeader* header() const { return header_; }
    QLabel* messageLabel() const { return message_; }
    QLabel* additionalErrorLabel() const { return additionalError_; }
    QLabel* detailHeadingLabel() const { return detailHeading_; }
    QTextEdit* detailView() const { return detail_; }
    QPushButton* secondaryButton() const { return secondaryButton_; }
    QPushButton* primaryButton() const { return primaryButton_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void refresh();
    void fitDetailHeight();
    void runPrimaryAction();

    OutputResultContent content_;
    ModalHeader* header_;
    QLabel* message_;
    QLabel* additionalError_;
    QLabel* detailHeading_;
    QTextEdit* detail_;
    QPushButton* secondaryButton_;
    QPushButton* primaryButton_;
};

}  // namespace vlt
