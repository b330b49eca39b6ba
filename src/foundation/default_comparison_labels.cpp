#include "foundation/default_comparison_labels.h"

#include <QSet>
#include <QTranslator>

#include "foundation/app_language.h"
#include "foundation/interface_translations.h"
#include "foundation/localized_string.h"

namespace vlt {
namespace {

constexpr const char* kOriginal = "Original";
constexpr const char* kSimulation = "Simulation";
// Invisible joiners a prepared translation may carry (Japanese phrases); they are no
// part of what the label says.
constexpr char16_t kWordJoiner = u'\u2060';

struct LabelDefaults {
    QSet<QString> original;
    QSet<QString> simulation;
};

// Each language's own table, read once: the running application has only its own
// language's table installed.
const LabelDefaults& labelDefaults() {
    static const LabelDefaults defaults = [] {
        LabelDefaults found{{QString::fromLatin1(kOriginal)}, {QString::fromLatin1(kSimulation)}};
        for (const AppLanguage language : kAllAppLanguages) {
            QTranslator table;
            if (language == AppLanguage::english || !table.load(InterfaceTranslations::tablePath(language))) continue;
            const QString original = table.translate(kLocalizationContext, kOriginal);
            const QString simulation = table.translate(kLocalizationContext, kSimulation);
            if (!original.isEmpty()) found.original.insert(original);
            if (!simulation.isEmpty()) found.simulation.insert(simulation);
        }
        return found;
    }();
    return defaults;
}

QString withoutJoiners(const QString& label) { return QString(label).remove(QChar(kWordJoiner)); }

}  // namespace

bool isDefaultOriginalComparisonLabel(const QString& label) {
    return labelDefaults().original.contains(withoutJoiners(label));
}

bool isDefaultSimulationComparisonLabel(const QString& label) {
    return labelDefaults().simulation.contains(withoutJoiners(label));
}

}  // namespace vlt
