#include "foundation/interface_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace vlt {

namespace {

// Qt's name of the language, for its locale and its own tables ("qtbase_pt_BR.qm").
QString qtLocaleName(AppLanguage language) {
    switch (language) {
    case AppLanguage::brazilianPortuguese:
        return QStringLiteral("pt_BR");
    case AppLanguage::simplifiedChinese:
        return QStringLiteral("zh_CN");
    default:
        return QString::fromLatin1(appLanguageRawValue(language).data());
    }
}

}  // namespace

QString InterfaceTranslations::tablePath(AppLanguage language) {
    QString code = QString::fromLatin1(appLanguageRawValue(language).data());
    return QStringLiteral(":/translations/veltrano_%1.qm").arg(code.replace(u'-', u'_'));
}

InterfaceTranslations::InterfaceTranslations(AppLanguage language) {
    if (language == AppLanguage::english) return;
    const QLocale locale(qtLocaleName(language));
    QLocale::setDefault(locale);
    complete_ = own_.load(tablePath(language)) && QCoreApplication::installTranslator(&own_);
    // Qt's tables come with the system's Qt (qt6-translations-l10n); without them its
    // dialogs stay in English, which is no reason to fail.
    if (qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qt_);
    }
}

InterfaceTranslations::~InterfaceTranslations() {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&own_);
    QLocale::setDefault(previousLocale_);
}

}  // namespace vlt
