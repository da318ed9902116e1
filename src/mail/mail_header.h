// Header lines of the message as RFC 5322 and RFC 2047 want them: mailboxes with a
// display name, and encoded words in windows-1252 for text beyond ASCII.
#pragma once

#include <QByteArray>
#include <QString>

// The longest header line we write where we have a choice, without its CR LF.
constexpr int maximumHeaderLineLength = 78;

// The value with every run of CR and LF made one blank: a line break typed or read into a
// field can never start a header or a command of its own.
QString withoutLineBreaks(const QString &value);

// An address as it goes between angle brackets: windows-1252, line breaks taken out.
QByteArray addressBytes(const QString &address);

// "Name: value" CR LF for free text such as the subject. ASCII values go out as typed;
// others as encoded words, folded so that no line passes the limit.
QByteArray textHeader(const QByteArray &name, const QString &value);

// "Name: display <address>" CR LF, or "Name: <address>" without a display name. A display
// name with RFC 5322 specials is quoted; one beyond ASCII, or holding a double quote or a
// backslash, goes out as encoded words.
QByteArray mailboxHeader(const QByteArray &name, const QString &displayName,
                         const QString &address);
