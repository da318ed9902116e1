// Page II's part of the registration document: sections 2, 3 and 4 with the
// administrative, billing and technical contacts.
#pragma once

#include <QByteArray>
#include <QString>
#include <array>

inline constexpr int contactRoleCount = 3;
inline constexpr int contactItemCount = 8;

// The 24 fields as they stand on the page: items a to h of the administrative contact,
// then of the billing contact, then of the technical contact.
using ContactFields = std::array<QString, contactRoleCount * contactItemCount>;

// The 30 lines of the three sections: for each contact an empty line, its heading and its
// eight item lines, every one written even when its field is empty.
QByteArray buildContactSections(const ContactFields &fields);
