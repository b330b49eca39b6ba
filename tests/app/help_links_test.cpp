#include <gtest/gtest.h>

#include "app/help_links.h"

namespace vlt {
namespace {

TEST(HelpLinksTest, SupportPagesFollowTheInterfaceLanguage) {
    const std::pair<AppLanguage, QString> expected[] = {
        {AppLanguage::english, QStringLiteral("/en/support")},
        {AppLanguage::french, QStringLiteral("/fr/support")},
        {AppLanguage::spanish, QStringLiteral("/es/support")},
        {AppLanguage::brazilianPortuguese, QStringLiteral("/pt-br/support")},
        {AppLanguage::korean, QStringLiteral("/ko/support")},
        {AppLanguage::japanese, QStringLiteral("/ja/support")},
        {AppLanguage::italian, QStringLiteral("/it/support")},
        {AppLanguage::turkish, QStringLiteral("/tr/support")},
        {AppLanguage::simplifiedChinese, QStringLiteral("/zh-hans/support")},
    };
    for (const auto& [language, path] : expected) {
        const QUrl url = HelpLinks::supportPageURL(language);
        EXPECT_EQ(url.scheme(), QStringLiteral("https"));
        EXPECT_EQ(url.host(), HelpLinks::websiteURL().host());
        EXPECT_EQ(url.path(), path);
        EXPECT_FALSE(url.toString().endsWith(QLatin1Char('/')));
    }
}

}  // namespace
}  // namespace vlt
