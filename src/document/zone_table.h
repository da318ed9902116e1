// The registry's zone table: the nine entries of page I's zone list, each with the
// form identifier of the document's header and trailer and the registrar mailbox.
// Every registry value of the program lives here, so another registry's values
// replace these in one edit.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

struct ZoneEntry {
    const char *text;           // entry text offered by page I, with its leading point
    const char *formIdentifier; // upper-case word of the header and trailer lines
    const char *registrar;      // recipient of the mail (DATM2.JOV)
};

namespace zones {

// The invented registry behind the table.
inline constexpr const char *registryName = "Registri Domain Velderia";
inline constexpr const char *topLevelSuffix = ".qv";
inline constexpr const char *countryCodeLabel = "ccTLD VELDERIA";
// The country the registry serves, as the credits name its institutions.
inline constexpr const char *countryName = "Velderia";

inline constexpr std::array<ZoneEntry, 9> table{{
    {".usaha", "RDVUMUM", "daftar-usaha@nic.qv"},
    {".yayasan", "RDVUMUM", "daftar-yayasan@nic.qv"},
    {".sekolah", "RDVUMUM", "daftar-sekolah@nic.qv"},
    {".dinas", "RDVDINAS", "daftar-dinas@nic.qv"},
    {".hankam", "RDVHANKAM", "daftar-hankam@nic.qv"},
    {".jaring", "RDVJARING", "daftar-jaring@nic.qv"},
    {".laman", "RDVUMUM", "daftar-laman@nic.qv"},
    {".ilmu.kampus", "RDVKAMPUS", "daftar-kampus@nic.qv"},
    {".lainnya", "RDVINDUK", "hostmaster@kavronet.qv"},
}};

// The three groups of zones that the information viewer explains, by their first
// entry's position: entries 1-5, 6-7 and 8. Entry 7 is the web zone of the second group.
inline constexpr const char *groupHeadings[3] = {
    "Umum (.usaha .yayasan .sekolah .dinas .hankam)",
    "Jaringan (.jaring .laman)",
    "Perguruan Tinggi (.ilmu.kampus)",
};
inline constexpr const char *webZoneOfSecondGroup = ".laman";
inline constexpr const char *zoneOfThirdGroup = ".ilmu.kampus";

// The entry whose text equals the zone text exactly (same characters, same case).
std::optional<ZoneEntry> match(const QString &zoneText);

// The nine entry texts in table order, for the zone list.
QStringList entryTexts();

} // namespace zones
