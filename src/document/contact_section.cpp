// Page II's part of the registration document.
#include "contact_section.h"

#include "document_lines.h"

namespace {

struct ContactRole {
    const char *number;
    const char *heading;
};

constexpr ContactRole roles[contactRoleCount] = {
    {"2", "2. Kontak Administratif"},
    {"3", "3. Kontak Pembayaran"},
    {"4", "4. Kontak Teknis"},
};

constexpr const char *itemNames[contactItemCount] = {
    "NIC Handle", "Nama", "Jabatan", "Institusi", "Alamat", "E-Mail", "Telepon", "Fax",
};

} // namespace

QByteArray buildContactSections(const ContactFields &fields) {
    QByteArray bytes;
    for (int role = 0; role < contactRoleCount; ++role) {
        bytes += emptyLine();
        bytes += documentLine(QLatin1String(roles[role].heading));
        for (int item = 0; item < contactItemCount; ++item) {
            const QString numberAndLetter = QLatin1String(roles[role].number) + QChar(u'a' + item);
            bytes += itemLine(itemLabel(numberAndLetter, QLatin1String(itemNames[item])),
                              fields[role * contactItemCount + item]);
        }
    }
    return bytes;
}
