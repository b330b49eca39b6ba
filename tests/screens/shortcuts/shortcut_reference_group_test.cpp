#include "screens/shortcuts/shortcut_reference_group.h"

#include <string>

#include <gtest/gtest.h>

#include "foundation/localized_string.h"
#include "screens/interface_language_under_test.h"

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

// Key combinations, the zoom's mouse wheel among them, read the same in every language,
// as on the start page; only the gestures in words follow the language.
TEST(ShortcutReferenceGroupInEveryLanguageTest, KeyGesturesAreNeverTranslated) {
    testing::installInterfaceLanguageUnderTest();
    const auto gestureOf = [](const char* behavior) {
        for (const ShortcutReferenceGroup& group : ShortcutReferenceGroup::all()) {
            for (const ShortcutReferenceEntry& entry : group.entries) {
                if (entry.behavior == localizedString(behavior)) return entry.gesture.toStdString();
            }
        }
        return std::string("no row ") + behavior;
    };
    EXPECT_EQ(gestureOf("Zoom in or out"), "Ctrl+mouse wheel");
    EXPECT_EQ(gestureOf("Zoom out incrementally"), "Ctrl+\u2212");
    EXPECT_EQ(gestureOf("Select the next editor tab"), localizedString("Right Arrow").toStdString());
}

}  // namespace
}  // namespace vlt
