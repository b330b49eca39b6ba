#pragma once

#include <vector>

#include <QString>
#include <QStringList>

#include "editing/engine/editor_tool.h"

namespace vlt {

class EditorSession;

// The body areas offered for Push, Grow and Shrink, with a treatment hint per area.
// Area keys are plain English words: they are what the session stores and the
// lookup keys of the names shown.
using SuggestionRows = std::vector<QStringList>;

// The tool's rows in display order; empty for every tool but the three brushes.
const SuggestionRows& suggestionRows(EditorTool tool);
// The localized hint, or an empty text for a pair the table does not hold.
QString suggestionHint(EditorTool tool, const QString& area);
// The localized name of a known area; any other key comes back unchanged.
QString suggestionAreaDisplayName(const QString& area);

// The key shown as selected for the session's active tool, empty for tools without
// suggestions.
QString currentSuggestion(const EditorSession& session);
// Stores the key as the active brush's choice; does nothing for other tools.
void selectSuggestion(EditorSession& session, const QString& area);

}  // namespace vlt
