#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QString>
#include <QWidget>

#include "screens/editor/tool_suggestions.h"

namespace vlt {

class EditorTextButton;

// The rows of body-area chips of one brush. Every row starts on a new line; a row
// wider than the flow (as a longer language makes it) goes on over the next lines
// instead of pushing the panel wider. The chip of the selected key is filled;
// pressing a chip reports its key.
class SuggestionFlow final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSpacing = 6;

    SuggestionFlow(SuggestionRows rows, std::function<void(const QString& key)> action, QWidget* parent = nullptr);

    const SuggestionRows& rows() const { return rows_; }
    void setSelected(const QString& key);
    const QString& selected() const { return selected_; }
    // The key whose chip is under the pointer.
    std::optional<QString> hoveredSuggestion() const;

    // The chips of one row, left to right.
    std::vector<EditorTextButton*> chips(std::size_t row) const;
    EditorTextButton* chip(const QString& key) const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Chip {
        QString key;
        EditorTextButton* button;
    };

    // Places the chips within `width` when `place` is set; returns the height they take.
    int arrange(int width, bool place) const;

    SuggestionRows rows_;
    std::vector<std::vector<Chip>> chips_;
    QString selected_;
};

}  // namespace vlt
