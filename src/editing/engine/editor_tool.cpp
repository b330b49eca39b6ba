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
    {QT_TRANSLATE_NOOP("Veltrano", "Size"), QT_TRANSLATE_NOOP("Veltrano", "Move pixels in the direction you drag (P)"),
     QT_TRANSLATE_NOOP("Veltrano", "Push reshape tool"),
     QT_TRANSLATE_NOOP("Veltrano",
                       "Moves the image area inside the brush circle in the direction of your drag. Experiment "
                       "with different brush sizes and slow strokes until you achieve the desired result.")},
    {QT_TRANSLATE_NOOP("Veltrano", "Size"), QT_TRANSLATE_NOOP("Veltrano", "Expand an area smoothly (G)"),
     QT_TRANSLATE_NOOP("Veltrano", "Grow reshape tool"),
     QT_TRANSLATE_NOOP("Veltrano",
                       "Expand an area smoothly away from the centre of the brush. Build the change with short, "
                       "controlled passes.")},
    {QT_TRANSLATE_NOOP("Veltrano", "Size"), QT_TRANSLATE_NOOP("Veltrano", "Contract an area smoothly (S)"),
     QT_TRANSLATE_NOOP("Veltrano", "Shrink reshape tool"),
     QT_TRANSLATE_NOOP("Veltrano",
                       "Contract an area smoothly toward the centre of the brush. Use short, controlled passes for "
                       "precise changes.")},
    {QT_TRANSLATE_NOOP("Veltrano", "Size"),
     QT_TRANSLATE_NOOP("Veltrano", "Progressively return a changed area toward the Original (R)"),
     QT_TRANSLATE_NOOP("Veltrano", "Reconstruct reshape tool"),
     QT_TRANSLATE_NOOP("Veltrano",
                       "Brush over a changed area to progressively return it toward the Original, without "
                       "resetting the rest of the simulation.")},
    {QT_TRANSLATE_NOOP("Veltrano", "Size"),
     QT_TRANSLATE_NOOP("Veltrano", "Select the topmost drawing object and drag it to move (V)"),
     QT_TRANSLATE_NOOP("Veltrano", "Select or move annotation tool"),
     QT_TRANSLATE_NOOP("Veltrano",
                       "Select the topmost annotation under the pointer, then drag it to reposition it on the "
                       "Simulation.\nYou can also double-click any annotation to select it without first "
                       "choosing this tool.")},
    {QT_TRANSLATE_NOOP("Veltrano", "Stroke size"),
     QT_TRANSLATE_NOOP("Veltrano", "Draw a freeform annotation on the Simulation (D)"),
     QT_TRANSLATE_NOOP("Veltrano", "Draw annotation tool"),
     QT_TRANSLATE_NOOP("Veltrano",
                       "Draw a freeform line over the Simulation.\nDouble-click an existing drawing to select it, "
                       "then drag to move it.")},
    {QT_TRANSLATE_NOOP("Veltrano", "Stroke size"), QT_TRANSLATE_NOOP("Veltrano", "Draw a straight annotation line"),
     QT_TRANSLATE_NOOP("Veltrano", "Line annotation tool"),
     QT_TRANSLATE_NOOP("Veltrano",
                       "Draws a straight line.\nDouble-click an existing line to select it, then drag to move it.")},
    {QT_TRANSLATE_NOOP("Veltrano", "Stroke size"),
     QT_TRANSLATE_NOOP("Veltrano", "Draw a rectangular annotation outline"),
     QT_TRANSLATE_NOOP("Veltrano", "Rectangle annotation tool"),
     QT_TRANSLATE_NOOP("Veltrano",
                       "Draw a rectangular outline on the Simulation.\nDouble-click an existing rectangle to "
                       "select it, then drag to move it.")},
    {QT_TRANSLATE_NOOP("Veltrano", "Size"), QT_TRANSLATE_NOOP("Veltrano", "Place a filled rectangular annotation"),
     QT_TRANSLATE_NOOP("Veltrano", "Filled rectangle annotation tool"),
     QT_TRANSLATE_NOOP("Veltrano",
                       "Place a filled rectangular annotation on the Simulation. It can be used to conceal the "
                       "eyes or help anonymize a patient.\nDouble-click an existing rectangle to select it, then "
                       "drag to move it.")},
    {QT_TRANSLATE_NOOP("Veltrano", "Stroke size"),
     QT_TRANSLATE_NOOP("Veltrano", "Draw a circle or ellipse annotation outline"),
     QT_TRANSLATE_NOOP("Veltrano", "Circle annotation tool"),
     QT_TRANSLATE_NOOP("Veltrano",
                       "Draw a circle or ellipse outline on the Simulation.\nDouble-click an existing circle to "
                       "select it, then drag to move it.")},
    {QT_TRANSLATE_NOOP("Veltrano", "Size"),
     QT_TRANSLATE_NOOP("Veltrano", "Place a filled circle or ellipse annotation"),
     QT_TRANSLATE_NOOP("Veltrano", "Filled circle annotation tool"),
     QT_TRANSLATE_NOOP("Veltrano",
                       "Place a filled circle or ellipse on the Simulation.\nDouble-click an existing circle to "
                       "select it, then drag to move it.")},
    {QT_TRANSLATE_NOOP("Veltrano", "Size"), QT_TRANSLATE_NOOP("Veltrano", "Add multiline text to the Simulation (T)"),
     QT_TRANSLATE_NOOP("Veltrano", "Text annotation tool"),
     QT_TRANSLATE_NOOP("Veltrano",
                       "With the Text tool selected, click the Simulation image exactly where you want to add "
                       "your text.\nDouble-click existing text to select it, then drag to move it.")},
    {QT_TRANSLATE_NOOP("Veltrano", "Size"),
     QT_TRANSLATE_NOOP("Veltrano", "Delete each complete drawing object touched by the eraser (E)"),
     QT_TRANSLATE_NOOP("Veltrano", "Annotation eraser tool"),
     QT_TRANSLATE_NOOP("Veltrano",
                       "Remove complete annotation objects touched by the eraser. The photograph and deformation "
                       "are not affected.")},
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
