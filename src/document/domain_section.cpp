// Page I's part of the registration document.
#include "domain_section.h"

#include "code_page.h"
#include "document_lines.h"
#include "work_files.h"
#include "zone_table.h"

#include <optional>

namespace {

using Status = DomainInformation::Status;

// How a status is written: the letter of line 1a and the word that opens the mail subject.
struct StatusText {
    const char *letter;
    const char *word;
};

StatusText statusText(Status status) {
    switch (status) {
    case Status::New:
        return {"b", "baru"};
    case Status::Change:
        return {"u", "ubah"};
    case Status::Delete:
        return {"h", "hapus"};
    case Status::None:
        break;
    }
    return {"", ""};
}

// Name, zone text and suffix joined as they are: the zone text brings its own point.
QString fullDomainName(const DomainInformation &information) {
    return information.domainName + information.zoneText + QLatin1String(zones::topLevelSuffix);
}

QByteArray documentHead(const DomainInformation &information,
                        const std::optional<ZoneEntry> &entry) {
    QByteArray bytes = emptyLine();
    if (entry)
        bytes += headerLine(QLatin1String(entry->formIdentifier));
    bytes += separatorLine(headerSeparatorLength);
    bytes += emptyLine();
    bytes += documentLine(QStringLiteral("1. Informasi Domain"));
    if (information.status != Status::None)
        bytes += itemLine(itemLabel("1a", "Status"),
                          QLatin1String(statusText(information.status).letter));
    bytes += itemLine(itemLabel("1b", "Nama Domain"), fullDomainName(information));
    bytes += itemLine(itemLabel("1c", "Organisasi"), information.organisation);
    bytes += itemLine(itemLabel("1d", "Keterangan"), information.description);
    bytes += itemLine(itemLabel("1e", "Identitas"), information.identity);
    bytes += itemLine(itemLabel("1f", "Kontak Cepat"), information.quickContact);
    return bytes;
}

} // namespace

DomainFiles buildDomainFiles(const DomainInformation &information) {
    const std::optional<ZoneEntry> entry = zones::match(information.zoneText);

    DomainFiles files;
    files.document = documentHead(information, entry);
    if (entry) {
        files.trailer = emptyLine() + trailerLine(QLatin1String(entry->formIdentifier));
        files.recipient = toWindows1252(QLatin1String(entry->registrar));
    }
    if (information.status != Status::None) {
        files.subject = toWindows1252(QLatin1String(statusText(information.status).word) +
                                      QLatin1Char(' ') + fullDomainName(information));
    }
    return files;
}

void writeDomainFiles(const DomainFiles &files) {
    createWorkFile(WorkFile::Document, files.document);
    createWorkFile(WorkFile::Trailer, files.trailer);
    createWorkFile(WorkFile::Subject, files.subject);
    createWorkFile(WorkFile::Recipient, files.recipient);
}
