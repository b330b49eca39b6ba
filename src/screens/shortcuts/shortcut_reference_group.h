#pragma once

#include <QString>
#include <vector>

namespace vlt {

// One row of the Shortcuts dialog: what a control does, and the keys or gesture.
struct ShortcutReferenceEntry {
    QString behavior;
    QString gesture;

    // Rows are identified by their behaviour text.
    const QString& id() const { return behavior; }
    bool operator==(const ShortcutReferenceEntry&) const = default;
};

// One titled group of the Shortcuts dialog.
struct ShortcutReferenceGroup {
    QString title;
    std::vector<ShortcutReferenceEntry> entries;

    ShortcutReferenceGroup(QString title, std::vector<std::pair<QString, QString>> behaviorGesturePairs);

    const QString& id() const { return title; }
    bool operator==(const ShortcutReferenceGroup&) const = default;

    // The seven groups, localized once on first use: a language change shows only
    // after the relaunch that applies it. Key symbols are not localized.
    static const std::vector<ShortcutReferenceGroup>& all();
};

}  // namespace vlt
