// The record page's part of the registration document: the record-type line and
// sections 6 to 10, for name servers (NS) or mail exchangers (MX).
#pragma once

#include <QByteArray>
#include <QStringList>

enum class RecordType { NameServer, MailExchanger };

// The primary, the secondary and secondaries #2 to #4.
inline constexpr int recordGroupCount = 5;

// Fields of one group: host name and network address, for MX also the reference.
int recordFieldsPerGroup(RecordType type);

// The lines for the fields as they stand on the page, group by group in field order:
// an empty line, "5.  Record..............: NS" (or MX), then for each group an empty
// line, its heading and its item lines. Every group is written, also when it is empty,
// and stays in its own place. The MX labels of group 10 are one point longer.
QByteArray buildRecordSections(RecordType type, const QStringList &fields);
