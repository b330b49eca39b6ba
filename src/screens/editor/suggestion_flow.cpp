#include "screens/editor/suggestion_flow.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "screens/editor/editor_suggestion_button_style.h"
#include "screens/editor/editor_text_button.h"

namespace vlt {

SuggestionFlow::SuggestionFlow(SuggestionRows rows, std::function<void(const QString& key)> action, QWidget* parent)
    : QWidget(parent), rows_(std::move(rows)) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(kSpacing);
    for (const QStringList& row : rows_) {
        auto* line = new QHBoxLayout();
        line->setSpacing(kSpacing);
        std::vector<Chip> rowChips;
        for (const QString& key : row) {
            auto* button =
                new EditorTextButton(EditorSuggestionButtonStyle::shared(), suggestionAreaDisplayName(key), this);
            connect(button, &QAbstractButton::clicked, this, [action, key] {
                if (action) action(key);
            });
            line->addWidget(button);
            rowChips.push_back({key, button});
        }
        line->addStretch(1);
        column->addLayout(line);
        chips_.push_back(std::move(rowChips));
    }
}

void SuggestionFlow::setSelected(const QString& key) {
    selected_ = key;
    for (const auto& row : chips_) {
        for (const Chip& chip : row) chip.button->setSelected(chip.key == key);
    }
}

std::optional<QString> SuggestionFlow::hoveredSuggestion() const {
    for (const auto& row : chips_) {
        for (const Chip& chip : row) {
            if (chip.button->isHovered()) return chip.key;
        }
    }
    return std::nullopt;
}

std::vector<EditorTextButton*> SuggestionFlow::chips(std::size_t row) const {
    std::vector<EditorTextButton*> buttons;
    if (row >= chips_.size()) return buttons;
    for (const Chip& chip : chips_[row]) buttons.push_back(chip.button);
    return buttons;
}

EditorTextButton* SuggestionFlow::chip(const QString& key) const {
    for (const auto& row : chips_) {
        for (const Chip& chip : row) {
            if (chip.key == key) return chip.button;
        }
    }
    return nullptr;
}

}  // namespace vlt
