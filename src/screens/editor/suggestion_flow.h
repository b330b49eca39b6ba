#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QString>
#include <QWidget>

#include "screens/editor/tool_suggestions.h"

namespace vlt {

class EditorTextButton;

// The rows of body-area chips of one brush. Rows are fixed: a row never wraps. The
// chip of the selected key is filled; pressing a chip reports its key.
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

private:
    struct Chip {
        QString key;
        EditorTextButton* button;
    };

    SuggestionRows rows_;
    std::vector<std::vector<Chip>> chips_;
    QString selected_;
};

}  // namespace vlt
