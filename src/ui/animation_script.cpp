#include "animation_script.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

// Longest pause or move a script may ask for; longer numbers are malformed.
constexpr int longestStepMs = 60'000;
// Coordinates beyond this are malformed rather than a way to overflow geometry.
constexpr int largestCoordinate = 1'000'000;

std::optional<int> wholeNumber(const QString &token, int lowest, int highest) {
    bool ok = false;
    const int value = token.toInt(&ok, 10);
    if (!ok || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

// A geometry field: a number, or "-" to keep the value (then `value` is empty).
struct Field {
    bool valid = false;
    std::optional<int> value;
};

Field field(const QString &token) {
    if (token == QLatin1String("-"))
        return {true, std::nullopt};
    const auto value = wholeNumber(token, -largestCoordinate, largestCoordinate);
    return {value.has_value(), value};
}

std::optional<ScriptStatement> parseStatement(const QStringList &tokens) {
    const QString keyword = tokens.first().toLower();
    if (keyword == QLatin1String("wait") && tokens.size() == 2) {
        if (auto ms = wholeNumber(tokens[1], 0, longestStepMs))
            return ScriptWait{*ms};
        return std::nullopt;
    }
    if (keyword != QLatin1String("moveto") || tokens.size() != 9)
        return std::nullopt;

    std::array<std::optional<int>, 6> fields;
    for (int i = 0; i < 6; ++i) {
        const Field parsed = field(tokens[1 + i]);
        if (!parsed.valid)
            return std::nullopt;
        fields[i] = parsed.value;
    }
    if (fields[2] || fields[3]) // reserved fields
        return std::nullopt;
    if ((fields[4] && *fields[4] < 0) || (fields[5] && *fields[5] < 0))
        return std::nullopt;

    const auto ms = wholeNumber(tokens[7], 0, longestStepMs);
    if (!ms)
        return std::nullopt;

    const QString easing = tokens[8].toLower();
    QEasingCurve::Type curve;
    if (easing == QLatin1String("accel"))
        curve = accelerating;
    else if (easing == QLatin1String("decel"))
        curve = decelerating;
    else
        return std::nullopt;

    return ScriptMove{fields[0], fields[1], fields[4], fields[5], *ms, curve};
}

} // namespace

std::optional<int> decimalNumber(const QString &text) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QRect ScriptMove::target(const QRect &current) const {
    return QRect(left.value_or(current.x()), top.value_or(current.y()),
                 width.value_or(current.width()), height.value_or(current.height()));
}

std::optional<std::vector<ScriptStatement>> parseAnimationScript(const QString &script) {
    static const QRegularExpression blanks(QStringLiteral("[ \\t]+"));
    std::vector<ScriptStatement> statements;
    for (const QString &text : script.split(QLatin1Char(';'))) {
        const QStringList tokens = text.split(blanks, Qt::SkipEmptyParts);
        if (tokens.isEmpty())
            continue; // an empty statement, as after a trailing ";"
        auto statement = parseStatement(tokens);
        if (!statement)
            return std::nullopt;
        statements.push_back(*statement);
    }
    if (statements.empty())
        return std::nullopt;
    return statements;
}
