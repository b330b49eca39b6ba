#pragma once

#include <QString>

namespace vlt {

// The default texts of the two comparison labels. The settings file keeps a label as
// the text it had when it was written, and a default is written in the language of
// that launch; read back under another language, a label that is the default in any
// interface language is the default of the current one, while a label the person typed
// stays as typed.

// Whether `label` is the default Original label ("Original", "オリジナル", …) of one of
// the interface languages.
bool isDefaultOriginalComparisonLabel(const QString& label);
// The same for the Simulation label ("Simulation", "Simulación", …).
bool isDefaultSimulationComparisonLabel(const QString& label);

}  // namespace vlt
