#pragma once

#include <QWidget>

class QLabel;

namespace vlt {

class EditorSession;

// The 30-point line under the canvas that states the editing canvas's size at its
// trailing end. The size is fixed for a session, so the text never changes.
class EditorStatusBar final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHeight = 30;

    explicit EditorStatusBar(const EditorSession& session, QWidget* parent = nullptr);

    QLabel* sizeText() const { return sizeText_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* sizeText_;
};

}  // namespace vlt
