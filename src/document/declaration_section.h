// The declaration page's part of the registration document: the declaration, the
// registrant lines 11a and 11b and the trailer block, and the two sender files.
#pragma once

#include <QByteArray>
#include <QString>

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
