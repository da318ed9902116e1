// Skin files: the hand-writable text format (.skn) and its XML rendition (.xml).
#pragma once

#include "ui/skin.h"

#include <QByteArray>

// Skin files larger than this are refused unread; a real skin is a few kilobytes.
inline constexpr qint64 maxSkinFileBytes = 1024 * 1024;

// Both parsers accept a complete skin only: every section and every key present, each
// value well-formed and in range. Anything else throws SkinFileError naming the line and
// the key at fault.
Skin parseSkinText(const QByteArray &bytes);
Skin parseSkinXml(const QByteArray &bytes);

// Writes a skin that the matching parser reads back equal. Throws SkinFileError for a
// skin that could not be read back: an unset colour, a number out of range, or a text
// with control characters, U+FFFE, U+FFFF, an unpaired surrogate or surrounding blanks.
QByteArray writeSkinText(const Skin &skin);
QByteArray writeSkinXml(const Skin &skin);
