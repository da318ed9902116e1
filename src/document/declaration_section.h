// The declaration page's part of the registration document: the declaration, the
// registrant lines 11a and 11b and the trailer block, and the two sender files.
#pragma once

#include <QByteArray>
#include <QString>
#include <array>

// The declaration as the document carries it, and the page shows it; continuation lines
// are indented with blanks.
inline constexpr std::array<const char *, 8> declarationLines{
    "BERSAMA INI PENDAFTAR MENERANGKAN BAHWA:",
    "- KETERANGAN DI ATAS DIISI DENGAN BENAR.",
    "- 'ADMIN-KONTAK' DAN 'TEKNIS-KONTAK' TELAH MEMBACA DAN",
    "  MENGERTI SEMUA KETENTUAN PENDAFTARAN",
    "- PENDAFTAR MEMILIKI PENGETAHUAN DASAR INTERNET, SEPERTI :",
    "  - PERANAN ORGANISASI IANA, APNIC, KAVRO, APJII dan PDTD",
    "    (Pengelola Domain Tingkat Dua)",
    "  - DASAR-DASAR BIND (NSLOOKUP, DIG, NAMED.BOOT, NAMED, DST)",
};

// What the applicant entered on the declaration page, exactly as typed.
struct Registrant {
    QString name, emailAddress;
};

// The end of DAT.JOV and the whole content of DATM3.JOV and DATM4.JOV.
struct DeclarationFiles {
    QByteArray documentEnd, senderAddress, senderName;
};

// The 13 lines of the declaration block, then the trailer file's bytes exactly as page I
// wrote them and one more line end; an empty trailer file leaves a single empty line.
// The sender files hold the typed e-mail address and name with no line end.
DeclarationFiles buildDeclarationFiles(const Registrant &registrant, const QByteArray &trailerFile);

// Creates DATM3.JOV and DATM4.JOV anew, then appends the end of the document to DAT.JOV in
// one write. The appended block comes last, so a failure at any file leaves the document
// as it was and the page can simply try again. Throws WorkFileError.
void writeDeclarationFiles(const DeclarationFiles &files);
