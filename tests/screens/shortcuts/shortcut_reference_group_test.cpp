#include "screens/shortcuts/shortcut_reference_group.h"

#include <gtest/gtest.h>

namespace vlt {
namespace {

TEST(ShortcutReferenceGroupTest, GesturesNameLinuxKeysNotMacSymbols) {
    for (const ShortcutReferenceGroup& group : ShortcutReferenceGroup::all()) {
        for (const ShortcutReferenceEntry& entry : group.entries) {
            for (const char* macSymbol : {"\u2318", "\u2325", "\u21E7", "Forward Delete", "macOS"}) {
                EXPECT_FALSE(entry.gesture.contains(QString::fromUtf8(macSymbol))) << entry.gesture.toStdString();
                EXPECT_FALSE(entry.behavior.contains(QString::fromUtf8(macSymbol))) << entry.behavior.toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace vlt
