#include <QCoreApplication>
#include <QTranslator>
#include <gtest/gtest.h>

#include "foundation/localized_string.h"
#include "foundation/lowercase_hex.h"

namespace vlt {
namespace {

TEST(LowercaseHexTest, AcceptsOnlyDigitsAndLowerCaseAToF) {
    EXPECT_FALSE(containsNonLowercaseHexDigit(std::string_view()));
    EXPECT_FALSE(containsNonLowercaseHexDigit(std::string_view("00000000000000000000000000000000")));
    EXPECT_FALSE(containsNonLowercaseHexDigit(std::string_view("0123456789abcdef")));
    for (std::string_view text : {"A", "0123 4", "ab-cd", "abcdeg", "café"}) {
        EXPECT_TRUE(containsNonLowercaseHexDigit(text)) << text;
    }
    EXPECT_TRUE(containsNonLowercaseHexDigit(QStringLiteral("abcdé")));
    EXPECT_FALSE(containsNonLowercaseHexDigit(QStringLiteral("0f1e")));
}

// A translation table with one entry, standing in for a loaded .qm file.
class OneEntryTranslator final : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char*, int) const override {
        if (QByteArray(context) == kLocalizationContext && QByteArray(sourceText) == "Original") {
            return QStringLiteral("Original (fr)");
        }
        return QString();
    }
    bool isEmpty() const override { return false; }
};

TEST(LocalizedStringTest, LooksUpTheEnglishTextAndFallsBackToIt) {
    OneEntryTranslator translator;
    QCoreApplication::installTranslator(&translator);
    EXPECT_EQ(localizedString("Original"), QStringLiteral("Original (fr)"));
    EXPECT_EQ(localizedString("Simulation"), QStringLiteral("Simulation"));
    EXPECT_EQ(localizedStdString("Original"), "Original (fr)");
    QCoreApplication::removeTranslator(&translator);
    EXPECT_EQ(localizedString("Original"), QStringLiteral("Original"));
}

}  // namespace
}  // namespace vlt
