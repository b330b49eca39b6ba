#include <gtest/gtest.h>

#include "app/about_panel.h"
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

TEST(HelpLinksTest, SitesAreHttpsRootsOfTheirHosts) {
    for (const QUrl& site : {HelpLinks::documentationURL(), HelpLinks::websiteURL()}) {
        EXPECT_EQ(site.scheme(), QStringLiteral("https"));
        EXPECT_FALSE(site.host().isEmpty());
        EXPECT_TRUE(site.path().isEmpty());
    }
}

TEST(AboutPanelTest, NamesTheProductVersionAndLinkedSite) {
    EXPECT_EQ(AboutPanel::applicationName(), QStringLiteral("Veltrano"));
    EXPECT_FALSE(AboutPanel::applicationVersion().isEmpty());
    const QString credits = AboutPanel::creditsHtml();
    EXPECT_TRUE(credits.contains(HelpLinks::websiteURL().host()));
    EXPECT_TRUE(credits.contains(QStringLiteral("href=\"https://")));
    EXPECT_TRUE(credits.contains(QStringLiteral("#164c52")));
}

}  // namespace
}  // namespace vlt
