#include "foundation/interface_translations.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QMutex>

namespace vlt {

namespace {

constexpr char16_t kWordJoiner = u'\u2060';

// Our table, each text prepared once: texts are looked up again on every refresh and
// from any thread.
class PreparingTranslator final : public QTranslator {
public:
    explicit PreparingTranslator(InterfaceTranslations::TextPreparation prepare) : prepare_(std::move(prepare)) {}

    QString translate(const char* context, const char* sourceText, const char* disambiguation, int n) const override {
        const QString translated = QTranslator::translate(context, sourceText, disambiguation, n);
        if (!prepare_ || translated.isEmpty()) return translated;
        const QMutexLocker lock(&mutex_);
        auto prepared = prepared_.constFind(translated);
        if (prepared == prepared_.cend()) prepared = prepared_.insert(translated, prepare_(translated));
        return *prepared;
    }

    // A composed text, prepared whole as though it stood in the table. The pieces were
    // prepared one by one and carry what that added.
    QString prepareComposed(const QString& composed) const {
        if (!prepare_) return composed;
        return prepare_(QString(composed).remove(kWordJoiner));
    }

private:
    InterfaceTranslations::TextPreparation prepare_;
    mutable QMutex mutex_;
    mutable QHash<QString, QString> prepared_;
};

// The table in use, for texts composed of its pieces; set on the GUI thread while the
// application starts, before any text is composed.
const PreparingTranslator* installedTable = nullptr;

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

InterfaceTranslations::InterfaceTranslations(AppLanguage language, TextPreparation prepareText)
    : own_(std::make_unique<PreparingTranslator>(std::move(prepareText))) {
    if (language == AppLanguage::english) return;
    const QLocale locale(qtLocaleName(language));
    QLocale::setDefault(locale);
    complete_ = own_->load(tablePath(language)) && QCoreApplication::installTranslator(own_.get());
    if (complete_) installedTable = static_cast<const PreparingTranslator*>(own_.get());
    // Qt's tables come with the system's Qt (qt6-translations-l10n); without them its
    // dialogs stay in English, which is no reason to fail.
    if (qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qt_);
    }
}

InterfaceTranslations::~InterfaceTranslations() {
    if (installedTable == own_.get()) installedTable = nullptr;
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(own_.get());
    QLocale::setDefault(previousLocale_);
}

QString InterfaceTranslations::prepareComposedText(const QString& composed) {
    return installedTable != nullptr ? installedTable->prepareComposed(composed) : composed;
}

}  // namespace vlt
