#pragma once

#include <QWidget>

namespace vlt {

class EditorParagraphLabel;

// The treatment hint under the suggestion chips: wrapped text on a pale green panel
// with a thin outline. An empty hint keeps the panel, insets and outline.
class SuggestionHintBox final : public QWidget {
    Q_OBJECT

public:
    explicit SuggestionHintBox(QWidget* parent = nullptr);

    void setHint(const QString& hint);
    QString hint() const;
    EditorParagraphLabel* label() const { return label_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    EditorParagraphLabel* label_;
};

}  // namespace vlt
