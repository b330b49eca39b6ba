#include "screens/editor/suggestion_flow.h"

#include <algorithm>

#include "screens/editor/editor_suggestion_button_style.h"
#include "screens/editor/editor_text_button.h"

namespace vlt {

SuggestionFlow::SuggestionFlow(SuggestionRows rows, std::function<void(const QString& key)> action, QWidget* parent)
    : QWidget(parent), rows_(std::move(rows)) {
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    for (const QStringList& row : rows_) {
        std::vector<Chip> rowChips;
        for (const QString& key : row) {
            auto* button =
                new EditorTextButton(EditorSuggestionButtonStyle::shared(), suggestionAreaDisplayName(key), this);
            connect(button, &QAbstractButton::clicked, this, [action, key] {
                if (action) action(key);
            });
            rowChips.push_back({key, button});
        }
        chips_.push_back(std::move(rowChips));
    }
}

int SuggestionFlow::arrange(int width, bool place) const {
    int top = 0;
    for (const auto& row : chips_) {
        int left = 0;
        int lineHeight = 0;
        for (const Chip& chip : row) {
            const QSize size = chip.button->sizeHint();
            if (left > 0 && left + size.width() > width) {
                top += lineHeight + kSpacing;
                left = 0;
                lineHeight = 0;
            }
            if (place) chip.button->setGeometry(QRect(QPoint(left, top), size));
            left += size.width() + kSpacing;
            lineHeight = std::max(lineHeight, size.height());
        }
        top += lineHeight + kSpacing;
    }
    return std::max(top - kSpacing, 0);
}

int SuggestionFlow::heightForWidth(int width) const { return arrange(width, false); }

QSize SuggestionFlow::sizeHint() const {
    int widest = 0;
    for (const auto& row : chips_) {
        int rowWidth = -kSpacing;
        for (const Chip& chip : row) rowWidth += chip.button->sizeHint().width() + kSpacing;
        widest = std::max(widest, rowWidth);
    }
    return {widest, heightForWidth(widest)};
}

QSize SuggestionFlow::minimumSizeHint() const {
    int widest = 0;
    for (const auto& row : chips_) {
        for (const Chip& chip : row) widest = std::max(widest, chip.button->sizeHint().width());
    }
    return {widest, heightForWidth(widest)};
}

void SuggestionFlow::resizeEvent(QResizeEvent*) { arrange(width(), true); }

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
