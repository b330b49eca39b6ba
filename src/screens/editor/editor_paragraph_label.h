#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

namespace vlt {

// Text that wraps to as many lines as it needs, with extra space between lines, and
// asks its layout for the height its width calls for. Line breaks in the text are kept.
class EditorParagraphLabel final : public QWidget {
    Q_OBJECT

public:
    EditorParagraphLabel(const QFont& font, const QColor& color, double lineSpacing, QWidget* parent = nullptr);

    void setText(const QString& text);
    const QString& text() const { return text_; }
    // The number of lines at the given width.
    int lineCount(int width) const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Layout {
        int lines = 0;
        double height = 0.0;
    };
    Layout measure(double width, QPainter* painter) const;

    QFont font_;
    QColor color_;
    double lineSpacing_;
    QString text_;
};

}  // namespace vlt
