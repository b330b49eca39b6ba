#pragma once

#include <optional>

#include <QString>

namespace vlt {

// The three texts of the feedback dialog. Texts compare as Unicode text: canonically
// equivalent spellings ("é" as one code point or as "e" and a combining accent) are
// equal, so a retry of text that looks the same keeps its feedback identifier.
struct FeedbackDraft {
    QString name;
    QString email;
    QString message;

    // Each field without white space and line breaks at its ends; inner text untouched.
    FeedbackDraft trimmed() const;
    // The message of the first rule the trimmed draft breaks, none when it breaks none.
    // Lengths count user-perceived characters.
    std::optional<QString> validationMessage() const;

    bool operator==(const FeedbackDraft& other) const;

    static constexpr qsizetype kMaximumNameCharacters = 100;
    static constexpr qsizetype kMaximumEmailCharacters = 254;
    static constexpr qsizetype kMaximumMessageCharacters = 5000;
};

}  // namespace vlt
