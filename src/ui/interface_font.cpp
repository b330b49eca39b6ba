#include "ui/interface_font.h"

#include <QApplication>
#include <QFont>

namespace vlt {

void applyInterfaceFont(AppLanguage language) {
    QString family;
    switch (language) {
    case AppLanguage::korean:
        family = QStringLiteral("Noto Sans CJK KR");
        break;
    case AppLanguage::japanese:
        family = QStringLiteral("Noto Sans CJK JP");
        break;
    case AppLanguage::simplifiedChinese:
        family = QStringLiteral("Noto Sans CJK SC");
        break;
    default:
        return;
    }
    QFont font = QApplication::font();
    font.setFamilies({family, font.family()});
    QApplication::setFont(font);
}

}  // namespace vlt
