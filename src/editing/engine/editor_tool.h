#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include <QString>

#include "editing/engine/editor_mode.h"

namespace vlt {

// The thirteen tools in rail order: four reshape brushes, then nine annotation tools.
enum class EditorTool {
    push,
    grow,
    shrink,
    reconstruct,
    selectMove,
    draw,
    line,
    rectangle,
    filledRectangle,
    circle,
    filledCircle,
    text,
    eraser,
};

inline constexpr std::array<EditorTool, 13> kAllEditorTools = {
    EditorTool::push,        EditorTool::grow,         EditorTool::shrink,
    EditorTool::reconstruct, EditorTool::selectMove,   EditorTool::draw,
    EditorTool::line,        EditorTool::rectangle,    EditorTool::filledRectangle,
    EditorTool::circle,      EditorTool::filledCircle, EditorTool::text,
    EditorTool::eraser,
};

constexpr std::string_view rawValue(EditorTool tool) {
    switch (tool) {
    case EditorTool::push:
        return QT_TRANSLATE_NOOP("Veltrano", "Push");
    case EditorTool::grow:
        return QT_TRANSLATE_NOOP("Veltrano", "Grow");
    case EditorTool::shrink:
        return QT_TRANSLATE_NOOP("Veltrano", "Shrink");
    case EditorTool::reconstruct:
        return QT_TRANSLATE_NOOP("Veltrano", "Reconstruct");
    case EditorTool::selectMove:
        return QT_TRANSLATE_NOOP("Veltrano", "Select / Move");
    case EditorTool::draw:
        return QT_TRANSLATE_NOOP("Veltrano", "Draw");
    case EditorTool::line:
        return QT_TRANSLATE_NOOP("Veltrano", "Line");
    case EditorTool::rectangle:
        return QT_TRANSLATE_NOOP("Veltrano", "Rectangle");
    case EditorTool::filledRectangle:
        return QT_TRANSLATE_NOOP("Veltrano", "Filled rectangle");
    case EditorTool::circle:
        return QT_TRANSLATE_NOOP("Veltrano", "Circle");
    case EditorTool::filledCircle:
        return QT_TRANSLATE_NOOP("Veltrano", "Filled circle");
    case EditorTool::text:
        return QT_TRANSLATE_NOOP("Veltrano", "Text");
    case EditorTool::eraser:
        return QT_TRANSLATE_NOOP("Veltrano", "Eraser");
    }
    return {};
}

// Exact, case-sensitive match: "Select/Move" or "push" give none.
constexpr std::optional<EditorTool> editorToolFromRawValue(std::string_view raw) {
    for (EditorTool tool : kAllEditorTools) {
        if (rawValue(tool) == raw) return tool;
    }
    return std::nullopt;
}

constexpr bool isReshapeTool(EditorTool tool) {
    return static_cast<std::size_t>(tool) < static_cast<std::size_t>(EditorTool::selectMove);
}

constexpr bool isAnnotationTool(EditorTool tool) { return !isReshapeTool(tool); }

// The mode whose rail holds the tool.
constexpr EditorMode editorMode(EditorTool tool) {
    return isReshapeTool(tool) ? EditorMode::reshape : EditorMode::annotate;
}

// The brushes, Draw, Line, Rectangle and Circle have a size that the inspector and the
// wheel adjust; the filled shapes, Text, Select / Move and Eraser have none.
constexpr bool hasAdjustableSize(EditorTool tool) {
    switch (tool) {
    case EditorTool::push:
    case EditorTool::grow:
    case EditorTool::shrink:
    case EditorTool::reconstruct:
    case EditorTool::draw:
    case EditorTool::line:
    case EditorTool::rectangle:
    case EditorTool::circle:
        return true;
    default:
        return false;
    }
}

// Draw and Eraser show a round brush outline like the reshape brushes.
constexpr bool hasRoundAnnotationBrush(EditorTool tool) {
    return tool == EditorTool::draw || tool == EditorTool::eraser;
}

// The asset name of the tool's icon; see iconResourcePath().
constexpr std::string_view iconName(EditorTool tool) {
    switch (tool) {
    case EditorTool::push:
        return "editor-brush-drag";
    case EditorTool::grow:
        return "editor-brush-grow";
    case EditorTool::shrink:
        return "editor-brush-shrink";
    case EditorTool::reconstruct:
        return "editor-brush-reconstruct";
    case EditorTool::selectMove:
        return "editor-select-move";
    case EditorTool::draw:
        return "editor-draw";
    case EditorTool::line:
        return "editor-line";
    case EditorTool::rectangle:
        return "editor-rectangle";
    case EditorTool::filledRectangle:
        return "editor-filled-rectangle";
    case EditorTool::circle:
        return "editor-circle";
    case EditorTool::filledCircle:
        return "editor-filled-circle";
    case EditorTool::text:
        return "editor-text";
    case EditorTool::eraser:
        return "editor-eraser";
    }
    return {};
}

// The single upper-case letter that selects the tool; the shapes have none.
constexpr std::optional<char> shortcutKey(EditorTool tool) {
    switch (tool) {
    case EditorTool::push:
        return 'P';
    case EditorTool::grow:
        return 'G';
    case EditorTool::shrink:
        return 'S';
    case EditorTool::reconstruct:
        return 'R';
    case EditorTool::selectMove:
        return 'V';
    case EditorTool::draw:
        return 'D';
    case EditorTool::text:
        return 'T';
    case EditorTool::eraser:
        return 'E';
    case EditorTool::line:
    case EditorTool::rectangle:
    case EditorTool::filledRectangle:
    case EditorTool::circle:
    case EditorTool::filledCircle:
        return std::nullopt;
    }
    return std::nullopt;
}

// The tool whose shortcut is this letter, in either case.
std::optional<EditorTool> editorToolForShortcut(QChar letter);

// ":/icons/<asset name>.svg", loadable from anything that links the resources.
QString iconResourcePath(EditorTool tool);

QString title(EditorTool tool);
// Heads the inspector's tool section: "BRUSH" or "PROPERTIES".
QString inspectorSectionTitle(EditorTool tool);
// Names the inspector's size control.
QString sizeLabel(EditorTool tool);
// The help text of the tool button.
QString help(EditorTool tool);
QString accessibilityLabel(EditorTool tool);
// The inspector's paragraph on how to use the selected tool.
QString guidance(EditorTool tool);

}  // namespace vlt
