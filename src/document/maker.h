// The program's maker: its name, acronym, contact data and author, as the splash, page I,
// the about box, the credits and the gallery show them. All of it stands here, in one place.
#pragma once

#include <array>

namespace maker {

inline constexpr const char *organisation = "Kavronet";
inline constexpr const char *fullName = "Kavronet Jaringan Velderia";
inline constexpr const char *acronym = "KAVRO";
inline constexpr const char *webAddress = "www.kavronet.qv";
inline constexpr const char *mailbox = "velda@kavronet.qv";
// The person who designed and wrote the program.
inline constexpr const char *author = "Damar Laksita Wiranggana";
// The author's own mailbox and the volunteers', beside the maker's in the credits.
inline constexpr const char *authorMailbox = "damar@kavronet.qv";
inline constexpr const char *volunteersMailbox = "relawan@kavronet.qv";

// Organisation, building, street, city with postcode.
inline constexpr std::array<const char *, 4> postalAddress{
    "Kavronet",
    "Gedung Menara Kavro, Lantai 3",
    "Jl. Pelangi Senja No. 17",
    "Marindal 40917",
};

} // namespace maker
