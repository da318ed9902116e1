// The animation script language of skin elements: parsing, and where a move ends.
//
//   script    := statement { ";" statement }
//   statement := "wait" N
//              | "moveto" F1 F2 F3 F4 F5 F6 T EASING
//   F1 left, F2 top, F5 width, F6 height: a whole number, or "-" to keep the value
//   the element has when the move starts. F3 and F4 are reserved and must be "-".
//   T is the duration in milliseconds; EASING is "accel" (slow start) or "decel"
//   (slow end). Tokens are separated by runs of blanks; keywords ignore case.
#pragma once

#include <QEasingCurve>
#include <QRect>
#include <QString>
#include <array>
#include <optional>
#include <variant>
#include <vector>

struct ScriptWait {
    int milliseconds = 0;
    bool operator==(const ScriptWait &) const = default;
};

struct ScriptMove {
    // Left, top, width, height; an empty field keeps the current value.
    std::optional<int> left;
    std::optional<int> top;
    std::optional<int> width;
    std::optional<int> height;
    int milliseconds = 0;
    QEasingCurve::Type easing = QEasingCurve::Linear;
    bool operator==(const ScriptMove &) const = default;

    // Where the element ends when it starts from `current`.
    QRect target(const QRect &current) const;
};

using ScriptStatement = std::variant<ScriptWait, ScriptMove>;

// The curves of the two easing words: "accel" starts slowly, "decel" ends slowly.
inline constexpr QEasingCurve::Type accelerating = QEasingCurve::InQuad;
inline constexpr QEasingCurve::Type decelerating = QEasingCurve::OutQuad;

// A whole decimal number written plainly, as geometry texts are; nothing otherwise.
std::optional<int> decimalNumber(const QString &text);

// The statements of a script, or nothing when any part of it is malformed:
// a script is run whole or not at all.
std::optional<std::vector<ScriptStatement>> parseAnimationScript(const QString &script);
