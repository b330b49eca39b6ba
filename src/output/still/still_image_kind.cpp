#include "output/still/still_image_kind.h"

#include "foundation/localized_string.h"

namespace vlt {

std::string_view stillImageKindRawValue(StillImageKind kind) {
    switch (kind) {
    case StillImageKind::original:
        return "original";
    case StillImageKind::simulation:
        return "simulation";
    case StillImageKind::comparison:
        return "comparison";
    }
    return "original";
}

std::optional<StillImageKind> stillImageKindFromRawValue(std::string_view text) {
    for (StillImageKind kind : kAllStillImageKinds) {
        if (stillImageKindRawValue(kind) == text) return kind;
    }
    return std::nullopt;
}

QString stillImageKindTitle(StillImageKind kind) {
    switch (kind) {
    case StillImageKind::original:
        return localizedString("Original");
    case StillImageKind::simulation:
        return localizedString("Simulation");
    case StillImageKind::comparison:
        return localizedString("Comparison");
    }
    return {};
}

std::vector<StillImageKind> stillImageKinds(StillImageSaveSelection selection, StillImageKind currentTab) {
    switch (selection) {
    case StillImageSaveSelection::currentTab:
        return {currentTab};
    case StillImageSaveSelection::original:
        return {StillImageKind::original};
    case StillImageSaveSelection::simulation:
        return {StillImageKind::simulation};
    case StillImageSaveSelection::comparison:
        return {StillImageKind::comparison};
    case StillImageSaveSelection::allThreeTabs:
        return {kAllStillImageKinds.begin(), kAllStillImageKinds.end()};
    }
    return {currentTab};
}

StillImageKind stillImageKindOfTab(EditorTab tab) {
    switch (tab) {
    case EditorTab::original:
        return StillImageKind::original;
    case EditorTab::comparison:
        return StillImageKind::comparison;
    case EditorTab::simulation:
    case EditorTab::animate:
        return StillImageKind::simulation;
    }
    return StillImageKind::simulation;
}

}  // namespace vlt
