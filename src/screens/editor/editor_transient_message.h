#pragma once

#include <QString>
#include <QWidget>

namespace vlt {

// The passing banner over the top of the canvas: one line as wide as its text when
// that fits, else the text wrapped within at most 680 points. It never takes the
// pointer, so a stroke started under it reaches the canvas.
class EditorTransientMessage final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMaximumWidth = 680;
    static constexpr int kHorizontalPadding = 14;
    static constexpr int kVerticalPadding = 9;

    explicit EditorTransientMessage(QWidget* parent = nullptr);

    void setMessage(const QString& message);
    const QString& message() const { return message_; }
    // The banner's size when it may be at most this wide.
    QSize sizeWithin(int availableWidth) const;
    // Whether the text needs more than one line at the given width.
    bool wrapsWithin(int availableWidth) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString message_;
};

}  // namespace vlt
