#include "screens/editor/tool_suggestions.h"

#include <array>
#include <string_view>

#include "editing/session/editor_session.h"
#include "foundation/localized_string.h"

namespace vlt {
namespace {

struct Hint {
    EditorTool tool;
    std::string_view area;
    const char* text;
};

// English texts double as lookup keys.
constexpr std::array<Hint, 20> kHints = {{
    {EditorTool::push, "Nose",
     QT_TRANSLATE_NOOP(
         "Veltrano", "Narrow the bridge with short inward strokes from both sides; reduce a dorsal bump in profile.")},
    {EditorTool::push, "Chin & jaw",
     QT_TRANSLATE_NOOP("Veltrano",
                       "Drag the chin forward for augmentation, or pull the jawline in to slim the lower face.")},
    {EditorTool::push, "Cheeks",
     QT_TRANSLATE_NOOP("Veltrano", "Push cheek volume upward and outward for a filler-like lift.")},
    {EditorTool::push, "Neck",
     QT_TRANSLATE_NOOP("Veltrano", "Pull the submental area inward to reduce a double chin.")},
    {EditorTool::push, "Ears",
     QT_TRANSLATE_NOOP("Veltrano", "Move the outer ear closer to the head with small, slow strokes.")},
    {EditorTool::push, "Waist",
     QT_TRANSLATE_NOOP("Veltrano", "Push both flanks inward evenly for a liposuction or tummy-tuck effect.")},
    {EditorTool::push, "Hips",
     QT_TRANSLATE_NOOP("Veltrano", "Reshape hip width outward or inward; keep strokes symmetrical.")},
    {EditorTool::push, "Arms", QT_TRANSLATE_NOOP("Veltrano", "Lift the underarm contour upward in short strokes.")},
    {EditorTool::push, "Thighs",
     QT_TRANSLATE_NOOP("Veltrano", "Slim the inner and outer thigh line with opposing strokes.")},
    {EditorTool::grow, "Lips",
     QT_TRANSLATE_NOOP("Veltrano",
                       "Enlarge the vermilion evenly; keep the brush slightly larger than the lip being treated.")},
    {EditorTool::grow, "Cheeks", QT_TRANSLATE_NOOP("Veltrano", "Add mid-face volume for a filler-like fullness.")},
    {EditorTool::grow, "Breast",
     QT_TRANSLATE_NOOP("Veltrano",
                       "Increase breast volume symmetrically; work in small steps and compare both sides.")},
    {EditorTool::grow, "Buttocks",
     QT_TRANSLATE_NOOP("Veltrano", "Add projection and roundness for an augmentation effect.")},
    {EditorTool::grow, "Calves", QT_TRANSLATE_NOOP("Veltrano", "Increase calf volume for a more defined lower leg.")},
    {EditorTool::grow, "Eyes",
     QT_TRANSLATE_NOOP("Veltrano",
                       "Slightly enlarge the eye opening; use a small brush and apply the effect gradually.")},
    {EditorTool::shrink, "Breast",
     QT_TRANSLATE_NOOP("Veltrano", "Reduce breast volume for a reduction simulation; compare both sides.")},
    {EditorTool::shrink, "Nose", QT_TRANSLATE_NOOP("Veltrano", "Reduce the nasal tip with a small brush.")},
    {EditorTool::shrink, "Nostrils",
     QT_TRANSLATE_NOOP("Veltrano", "Narrow flared nostrils; treat each side separately.")},
    {EditorTool::shrink, "Cheeks",
     QT_TRANSLATE_NOOP("Veltrano", "Slim full cheeks to simulate a buccal fat reduction.")},
    {EditorTool::shrink, "Ears",
     QT_TRANSLATE_NOOP("Veltrano", "Reduce the apparent size of prominent ears with small, gradual passes.")},
}};

constexpr std::array<const char*, 15> kAreaNames = {
    QT_TRANSLATE_NOOP("Veltrano", "Nose"),     QT_TRANSLATE_NOOP("Veltrano", "Chin & jaw"),
    QT_TRANSLATE_NOOP("Veltrano", "Cheeks"),   QT_TRANSLATE_NOOP("Veltrano", "Neck"),
    QT_TRANSLATE_NOOP("Veltrano", "Ears"),     QT_TRANSLATE_NOOP("Veltrano", "Waist"),
    QT_TRANSLATE_NOOP("Veltrano", "Hips"),     QT_TRANSLATE_NOOP("Veltrano", "Arms"),
    QT_TRANSLATE_NOOP("Veltrano", "Thighs"),   QT_TRANSLATE_NOOP("Veltrano", "Lips"),
    QT_TRANSLATE_NOOP("Veltrano", "Breast"),   QT_TRANSLATE_NOOP("Veltrano", "Buttocks"),
    QT_TRANSLATE_NOOP("Veltrano", "Calves"),   QT_TRANSLATE_NOOP("Veltrano", "Eyes"),
    QT_TRANSLATE_NOOP("Veltrano", "Nostrils"),
};

}  // namespace

const SuggestionRows& suggestionRows(EditorTool tool) {
    static const SuggestionRows push = {
        {QStringLiteral("Nose"), QStringLiteral("Chin & jaw"), QStringLiteral("Cheeks")},
        {QStringLiteral("Neck"), QStringLiteral("Ears"), QStringLiteral("Waist"), QStringLiteral("Hips")},
        {QStringLiteral("Arms"), QStringLiteral("Thighs")},
    };
    static const SuggestionRows grow = {
        {QStringLiteral("Lips"), QStringLiteral("Cheeks"), QStringLiteral("Breast")},
        {QStringLiteral("Buttocks"), QStringLiteral("Calves"), QStringLiteral("Eyes")},
    };
    static const SuggestionRows shrink = {
        {QStringLiteral("Breast"), QStringLiteral("Nose"), QStringLiteral("Nostrils")},
        {QStringLiteral("Cheeks"), QStringLiteral("Ears")},
    };
    static const SuggestionRows none;
    switch (tool) {
    case EditorTool::push:
        return push;
    case EditorTool::grow:
        return grow;
    case EditorTool::shrink:
        return shrink;
    default:
        return none;
    }
}

QString suggestionHint(EditorTool tool, const QString& area) {
    for (const Hint& hint : kHints) {
        if (hint.tool == tool && area == QLatin1String(hint.area.data(), static_cast<qsizetype>(hint.area.size()))) {
            return localizedString(hint.text);
        }
    }
    return {};
}

QString suggestionAreaDisplayName(const QString& area) {
    for (const char* name : kAreaNames) {
        if (area == QLatin1String(name)) return localizedString(name);
    }
    return area;
}

QString currentSuggestion(const EditorSession& session) {
    switch (session.activeTool()) {
    case EditorTool::push:
        return session.selectedPushSuggestion();
    case EditorTool::grow:
        return session.selectedGrowSuggestion();
    case EditorTool::shrink:
        return session.selectedShrinkSuggestion();
    default:
        return {};
    }
}

void selectSuggestion(EditorSession& session, const QString& area) {
    switch (session.activeTool()) {
    case EditorTool::push:
        session.setSelectedPushSuggestion(area);
        break;
    case EditorTool::grow:
        session.setSelectedGrowSuggestion(area);
        break;
    case EditorTool::shrink:
        session.setSelectedShrinkSuggestion(area);
        break;
    default:
        break;
    }
}

}  // namespace vlt
