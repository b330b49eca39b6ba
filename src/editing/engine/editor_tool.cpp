#include "editing/engine/editor_tool.h"

#include "editing/engine/editor_text_lookup.h"

namespace vlt {

namespace {

struct ToolTexts {
    const char* sizeLabel;
    const char* help;
    const char* accessibilityLabel;
    const char* guidance;
};

// In the order of EditorTool.
constexpr std::array<ToolTexts, kAllEditorTools.size()> kToolTexts = {{
    {"Size", "Move pixels in the direction you drag (P)", "Push reshape tool",
     "Moves the image area inside the brush circle in the direction of your drag. Experiment "
     "with different brush sizes and slow strokes until you achieve the desired result."},
    {"Size", "Expand an area smoothly (G)", "Grow reshape tool",
     "Expand an area smoothly away from the centre of the brush. Build the change with short, "
     "controlled passes."},
    {"Size", "Contract an area smoothly (S)", "Shrink reshape tool",
     "Contract an area smoothly toward the centre of the brush. Use short, controlled passes for "
     "precise changes."},
    {"Size", "Progressively return a changed area toward the Original (R)", "Reconstruct reshape tool",
     "Brush over a changed area to progressively return it toward the Original, without "
     "resetting the rest of the simulation."},
    {"Size", "Select the topmost drawing object and drag it to move (V)", "Select or move annotation tool",
     "Select the topmost annotation under the pointer, then drag it to reposition it on the "
     "Simulation.\nYou can also double-click any annotation to select it without first "
     "choosing this tool."},
    {"Stroke size", "Draw a freeform annotation on the Simulation (D)", "Draw annotation tool",
     "Draw a freeform line over the Simulation.\nDouble-click an existing drawing to select it, "
     "then drag to move it."},
    {"Stroke size", "Draw a straight annotation line", "Line annotation tool",
     "Draws a straight line.\nDouble-click an existing line to select it, then drag to move it."},
    {"Stroke size", "Draw a rectangular annotation outline", "Rectangle annotation tool",
     "Draw a rectangular outline on the Simulation.\nDouble-click an existing rectangle to "
     "select it, then drag to move it."},
    {"Size", "Place a filled rectangular annotation", "Filled rectangle annotation tool",
     "Place a filled rectangular annotation on the Simulation. It can be used to conceal the "
     "eyes or help anonymize a patient.\nDouble-click an existing rectangle to select it, then "
     "drag to move it."},
    {"Stroke size", "Draw a circle or ellipse annotation outline", "Circle annotation tool",
     "Draw a circle or ellipse outline on the Simulation.\nDouble-click an existing circle to "
     "select it, then drag to move it."},
    {"Size", "Place a filled circle or ellipse annotation", "Filled circle annotation tool",
     "Place a filled circle or ellipse on the Simulation.\nDouble-click an existing circle to "
     "select it, then drag to move it."},
    {"Size", "Add multiline text to the Simulation (T)", "Text annotation tool",
     "With the Text tool selected, click the Simulation image exactly where you want to add "
     "your text.\nDouble-click existing text to select it, then drag to move it."},
    {"Size", "Delete each complete drawing object touched by the eraser (E)", "Annotation eraser tool",
     "Remove complete annotation objects touched by the eraser. The photograph and deformation "
     "are not affected."},
}};

const ToolTexts& textsOf(EditorTool tool) { return kToolTexts[static_cast<std::size_t>(tool)]; }

}  // namespace

std::optional<EditorTool> editorToolForShortcut(QChar letter) {
    const QChar upper = letter.toUpper();
    for (EditorTool tool : kAllEditorTools) {
        const std::optional<char> key = shortcutKey(tool);
        if (key && upper == QLatin1Char(*key)) return tool;
    }
    return std::nullopt;
}

QString iconResourcePath(EditorTool tool) {
    const std::string_view name = iconName(tool);
    return QStringLiteral(":/icons/") + QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())) +
           QStringLiteral(".svg");
}

QString title(EditorTool tool) { return editorText(rawValue(tool).data()); }

QString inspectorSectionTitle(EditorTool tool) {
    return isReshapeTool(tool) ? editorText("BRUSH") : editorText("PROPERTIES");
}

QString sizeLabel(EditorTool tool) { return editorText(textsOf(tool).sizeLabel); }

QString help(EditorTool tool) { return editorText(textsOf(tool).help); }

QString accessibilityLabel(EditorTool tool) { return editorText(textsOf(tool).accessibilityLabel); }

QString guidance(EditorTool tool) { return editorText(textsOf(tool).guidance); }

}  // namespace vlt
