// The form as a mailto: link (RFC 6068) for the applicant's own mail program: recipient,
// subject and body, UTF-8 and percent-encoded, every body line ended by CR LF.
#pragma once

#include <QString>
#include <QUrl>

// Everything but letters, digits and "-._~" is percent-encoded (the recipient keeps its
// "@"), so the link passes through a command line and a desktop file unchanged. Line breaks
// in the recipient or the subject become one blank each run, as in the mail's own headers.
QUrl mailtoUrl(const QString &toAddress, const QString &subject, const QString &body);
