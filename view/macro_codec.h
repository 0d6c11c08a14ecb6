#pragma once

// The macro library's pure parts: the names and paths of macro files, and the
// encoding of a macro's item texts into the keyboard's words and its 128-byte
// upload block. Qt Core only, so the sanitizer build can test it.

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace macrocodec {

// Folder of the macro files, relative to the working directory.
QString macroFolder(); // "./modules/macro/"

// The text of a name argument: a number gives its decimal digits, an empty or
// invalid value empty text.
QString nameText(const QVariant &name);

// True when `name` can be used as a file name inside the macro folder: not
// empty, no leading dot (a hidden file the listing would not show), no folder
// separator ('/' or '\\'), no "..", no NUL or other control character.
// Everything else is refused by every library slot.
bool isSafeName(const QString &name);

// "./modules/macro/" + name + ".bin"; empty text when the name is not safe.
QString macroFilePath(const QString &name);

// "Macro. " + n with at least three digits ("Macro. 001", "Macro. 1000").
QString defaultName(int n);

// Macro item commands: the last ten characters of an item text.
extern const QString downCommand;  // "    [Down]"
extern const QString upCommand;    // "      [Up]"
extern const QString delayCommand; // "   [Delay]"

// The encoded macro, each 16-bit word high byte first: 0x0001, then one word
// per key press (0x01kk) or release (0x81kk) and two per delay (0x7F00, then
// the delay in 10 ms steps), then 0x0000. Items with unknown key names (or a
// code of 0), unknown commands, texts shorter than ten characters and delays
// that read as 0 leave nothing.
QList<uchar> encode(const QStringList &items, const QMap<QString, quint8> &usbCodeByName);

// Size of the keyboard's macro slot.
constexpr int blockSize = 128;

// Fills `block` (blockSize bytes) with `encoded`, the two bytes of every word
// swapped (low byte first), zeros after it. Returns false and leaves the
// block all zero when the macro does not fit.
bool toUploadBlock(const QList<uchar> &encoded, uchar *block);

} // namespace macrocodec
