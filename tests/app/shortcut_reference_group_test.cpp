#include "app/shortcut_reference_group.h"

#include <gtest/gtest.h>

namespace vlt {
namespace {

TEST(ShortcutReferenceGroupTest, SevenGroupsOfThirtyOneRowsInTableOrder) {
    const auto& groups = ShortcutReferenceGroup::all();
    ASSERT_EQ(groups.size(), 7u);
    const std::vector<QString> titles = {"Must use",
                                         "File and output",
                                         "History and selection",
                                         "View and navigation",
                                         "Reshape tools",
                                         "Annotation tools",
                                         "Crop"};
    const std::vector<std::size_t> rowCounts = {3, 4, 5, 9, 4, 4, 2};
    std::size_t total = 0;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        EXPECT_EQ(groups[i].title, titles[i]);
        EXPECT_EQ(groups[i].entries.size(), rowCounts[i]) << groups[i].title.toStdString();
        total += groups[i].entries.size();
    }
    EXPECT_EQ(total, 31u);
    EXPECT_EQ(groups[3].entries[3],
              (ShortcutReferenceEntry{"Zoom out incrementally", QString::fromUtf8("Ctrl+\u2212")}));
    EXPECT_EQ(groups[6].entries[1].gesture, "Ctrl+]");
}

TEST(ShortcutReferenceGroupTest, GesturesNameLinuxKeysNotMacSymbols) {
    for (const ShortcutReferenceGroup& group : ShortcutReferenceGroup::all()) {
        for (const ShortcutReferenceEntry& entry : group.entries) {
            for (const char* macSymbol : {"\u2318", "\u2325", "\u21E7", "Forward Delete", "macOS"}) {
                EXPECT_FALSE(entry.gesture.contains(QString::fromUtf8(macSymbol))) << entry.gesture.toStdString();
                EXPECT_FALSE(entry.behavior.contains(QString::fromUtf8(macSymbol))) << entry.behavior.toStdString();
            }
        }
    }
    const auto& mustUse = ShortcutReferenceGroup::all().front().entries;
    EXPECT_EQ(mustUse[0].gesture, "Hold Alt and scroll with two fingers, or use the mouse wheel");
    EXPECT_EQ(mustUse[1].gesture, "Ctrl+mouse wheel");
    EXPECT_EQ(ShortcutReferenceGroup::all()[2].entries[1].gesture, "Ctrl+Shift+Z");
}

}  // namespace
}  // namespace vlt
