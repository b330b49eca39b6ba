#pragma once

#include <functional>

#include <QString>
#include <QWidget>

namespace vlt {

class EditorLabelButton;
class EditorParagraphLabel;

// The banner at the lower left of the canvas that stays until dismissed: the text,
// wrapped within at most 680 points when it must, and a dismiss button with a
// 28-point square target at the row's right end.
class EditorPersistentMessage final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMaximumWidth = 680;
    static constexpr int kHorizontalPadding = 8;
    static constexpr int kVerticalPadding = 5;
    static constexpr int kSpacing = 8;
    static constexpr int kDismissSide = 28;

    EditorPersistentMessage(std::function<void()> dismiss, QWidget* parent = nullptr);

    void setMessage(const QString& message);
    QString message() const;
    QSize sizeWithin(int availableWidth) const;
    EditorParagraphLabel* text() const { return text_; }
    EditorLabelButton* dismissButton() const { return dismissButton_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int textWidthWithin(int availableWidth) const;

    EditorParagraphLabel* text_;
    EditorLabelButton* dismissButton_;
};

}  // namespace vlt
