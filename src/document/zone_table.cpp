#include "zone_table.h"

namespace zones {

std::optional<ZoneEntry> match(const QString &zoneText) {
    for (const ZoneEntry &entry : table) {
        if (zoneText == QLatin1String(entry.text))
            return entry;
    }
    return std::nullopt;
}

QStringList entryTexts() {
    QStringList texts;
    for (const ZoneEntry &entry : table)
        texts << QString::fromLatin1(entry.text);
    return texts;
}

} // namespace zones
