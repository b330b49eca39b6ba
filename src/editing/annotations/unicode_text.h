#pragma once

#include <QString>

namespace vlt {

// Texts typed on different systems may spell the same characters differently
// (composed or decomposed accents); annotations treat such spellings as equal.
inline bool canonicallyEquivalent(const QString& a, const QString& b) {
    return a == b || a.normalized(QString::NormalizationForm_C) == b.normalized(QString::NormalizationForm_C);
}

}  // namespace vlt
