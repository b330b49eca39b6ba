#pragma once

#include <functional>
#include <map>

#include <QWidget>

#include "editing/engine/editor_tool.h"

class QLabel;
class QVBoxLayout;

namespace vlt {

struct AnnotationFontStyle;
class EditorColorWell;
class EditorContinuousSlider;
class EditorImageView;
class EditorLabelButton;
class EditorParagraphLabel;
class EditorSession;
class SuggestionFlow;
class SuggestionHintBox;
class VerticalScrollArea;

// The panel at the right of the editor. For the active tool it shows the heading, the
// tool's icon, title and shortcut, then the sections the tool has: brush or stroke
// size, colour, font, the selected text's "Edit text", the usage paragraph and, for
// Push, Grow and Shrink, the Tool Suggestions. Every section exists once and is shown
// or hidden as the tool changes; every control reads and writes the session.
class EditorInspector final : public QWidget {
    Q_OBJECT

public:
    // Opens the shared font dialog for the session's annotation font, beside `window`.
    using FontPanelPresenter = std::function<void(EditorSession& session, QWidget* window)>;

    static constexpr int kWidth = 310;

    explicit EditorInspector(EditorSession& session, QWidget* parent = nullptr);

    void setFontPanelPresenter(FontPanelPresenter presenter) { fontPanelPresenter_ = std::move(presenter); }

    // "Arial, 24 pt" or "Arial, 24 pt, italic".
    static QString fontDescription(const AnnotationFontStyle& font);

    bool isSuggestionsButtonHovered() const { return isSuggestionsButtonHovered_; }

    VerticalScrollArea* scrollArea() const { return scrollArea_; }
    QLabel* heading() const { return heading_; }
    EditorImageView* toolIcon() const { return toolIcon_; }
    QLabel* toolTitle() const { return toolTitle_; }
    QLabel* shortcutLine() const { return shortcutLine_; }
    QWidget* sizeSection() const { return sizeSection_; }
    QLabel* sizeSectionTitle() const { return sizeSectionTitle_; }
    QLabel* sizeLabel() const { return sizeLabel_; }
    QLabel* sizeValue() const { return sizeValue_; }
    EditorContinuousSlider* sizeSlider() const { return sizeSlider_; }
    QWidget* colorSection() const { return colorSection_; }
    EditorColorWell* colorWell() const { return colorWell_; }
    QWidget* fontRow() const { return fontRow_; }
    EditorLabelButton* fontButton() const { return fontButton_; }
    QWidget* selectedTextSection() const { return selectedTextSection_; }
    EditorLabelButton* editTextButton() const { return editTextButton_; }
    EditorParagraphLabel* usageParagraph() const { return usageParagraph_; }
    QWidget* suggestionsSection() const { return suggestionsSection_; }
    EditorLabelButton* suggestionsHeader() const { return suggestionsHeader_; }
    QWidget* suggestionsContent() const { return suggestionsContent_; }
    // The flow of the active brush; null for tools without suggestions.
    SuggestionFlow* activeSuggestionFlow() const;
    SuggestionHintBox* suggestionHint() const { return suggestionHint_; }
    EditorLabelButton* hideButton() const { return hideButton_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* makeIdentity(QWidget* parent);
    QWidget* makeSizeSection(QWidget* parent);
    QWidget* makeColorSection(QWidget* parent);
    QWidget* makeSelectedTextSection(QWidget* parent);
    QWidget* makeSuggestionsSection(QWidget* parent);
    EditorLabelButton* makeHideButton();
    QLabel* makeLabel(const QFont& font, const QColor& color, QWidget* parent);
    void pickColor(const QColor& color);
    void connectSession();
    void refresh();
    void settleLayouts();

    EditorSession& session_;
    FontPanelPresenter fontPanelPresenter_;
    bool isSuggestionsButtonHovered_ = false;

    VerticalScrollArea* scrollArea_ = nullptr;
    QLabel* heading_ = nullptr;
    EditorImageView* toolIcon_ = nullptr;
    QLabel* toolTitle_ = nullptr;
    QLabel* shortcutLine_ = nullptr;
    QWidget* sizeSection_ = nullptr;
    QLabel* sizeSectionTitle_ = nullptr;
    QLabel* sizeLabel_ = nullptr;
    QLabel* sizeValue_ = nullptr;
    EditorContinuousSlider* sizeSlider_ = nullptr;
    QWidget* colorSection_ = nullptr;
    EditorColorWell* colorWell_ = nullptr;
    QWidget* fontRow_ = nullptr;
    EditorLabelButton* fontButton_ = nullptr;
    QWidget* selectedTextSection_ = nullptr;
    EditorLabelButton* editTextButton_ = nullptr;
    EditorParagraphLabel* usageParagraph_ = nullptr;
    QWidget* suggestionsSection_ = nullptr;
    EditorLabelButton* suggestionsHeader_ = nullptr;
    QWidget* suggestionsContent_ = nullptr;
    std::map<EditorTool, SuggestionFlow*> suggestionFlows_;
    SuggestionHintBox* suggestionHint_ = nullptr;
    EditorLabelButton* hideButton_ = nullptr;
};

}  // namespace vlt
