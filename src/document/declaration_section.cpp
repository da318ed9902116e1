// The declaration page's part of the registration document.
#include "declaration_section.h"

#include "code_page.h"
#include "document_lines.h"
#include "work_files.h"

namespace {

// The declaration as the document carries it; continuation lines are indented with blanks.
constexpr const char *declarationLines[] = {
    "BERSAMA INI PENDAFTAR MENERANGKAN BAHWA:",
    "- KETERANGAN DI ATAS DIISI DENGAN BENAR.",
    "- 'ADMIN-KONTAK' DAN 'TEKNIS-KONTAK' TELAH MEMBACA DAN",
    "  MENGERTI SEMUA KETENTUAN PENDAFTARAN",
    "- PENDAFTAR MEMILIKI PENGETAHUAN DASAR INTERNET, SEPERTI :",
    "  - PERANAN ORGANISASI IANA, APNIC, KAVRO, APJII dan PDTD",
    "    (Pengelola Domain Tingkat Dua)",
    "  - DASAR-DASAR BIND (NSLOOKUP, DIG, NAMED.BOOT, NAMED, DST)",
};

} // namespace

DeclarationFiles buildDeclarationFiles(const Registrant &registrant,
                                       const QByteArray &trailerFile) {
    DeclarationFiles files;
    files.documentEnd = emptyLine() + separatorLine(declarationSeparatorLength);
    for (const char *line : declarationLines)
        files.documentEnd += documentLine(QLatin1String(line));
    files.documentEnd += emptyLine();
    files.documentEnd += itemLine(itemLabel("11a", "NAMA-PENDAFTAR"), registrant.name);
    files.documentEnd += itemLine(itemLabel("11b", "E-MAIL-PENDAFTAR"), registrant.emailAddress);
    files.documentEnd += trailerFile + emptyLine();
    files.senderAddress = toWindows1252(registrant.emailAddress);
    files.senderName = toWindows1252(registrant.name);
    return files;
}

void writeDeclarationFiles(const DeclarationFiles &files) {
    createWorkFile(WorkFile::SenderAddress, files.senderAddress);
    createWorkFile(WorkFile::SenderName, files.senderName);
    appendWorkFile(WorkFile::Document, files.documentEnd);
}
