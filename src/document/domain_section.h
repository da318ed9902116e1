// Page I's part of the registration document: the document's head and section 1, the
// trailer, the subject and the recipient, built together and written one file at a time.
#pragma once

#include <QByteArray>
#include <QString>

// What the applicant entered on page I, exactly as it stands in the fields.
struct DomainInformation {
    enum class Status { None, New, Change, Delete };
    Status status = Status::None;
    QString domainName, zoneText, organisation, description, identity, quickContact;
};

// The whole content of DAT.JOV, DAT0.JOV, DATM1.JOV and DATM2.JOV.
struct DomainFiles {
    QByteArray document, trailer, subject, recipient;
};

// The four files for the given data. The zone text selects a zone table entry only when it
// equals the entry's text exactly; without one there is no header, trailer or recipient.
DomainFiles buildDomainFiles(const DomainInformation &information);

// Creates DAT.JOV, DAT0.JOV, DATM1.JOV and DATM2.JOV anew in that order, each with one write
// and closed before the next. Throws WorkFileError at the first file that fails; the files
// after it are left untouched.
void writeDomainFiles(const DomainFiles &files);
