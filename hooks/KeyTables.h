#pragma once

#include <QMap>
#include <QtGlobal>

// The flags of a captured key event that the translation looks at; the
// values are those of the Windows low-level keyboard hook, which every input
// source reproduces.
enum : quint32 {
    kKeyFlagExtended = 0x01, // LLKHF_EXTENDED: the key's scan code has the E0 prefix
    kKeyFlagAltDown = 0x20,  // LLKHF_ALTDOWN: an Alt key is held
};

// Turns a captured key (set-1 scan code and event flags) into the USB usage
// code of the Keyboard/Keypad page, through a virtual-key code. Both tables
// are filled by build(); before that every key translates to 0.
class KeyTables
{
public:
    // Empties both tables and fills them again; oem5AsNonUsHash selects the
    // usage of VK_OEM_5 (0x32 Non-US # when true, 0x31 backslash when false).
    void build(bool oem5AsNonUsHash);

    // The usage code of a key event, 0 when the key is not translated.
    quint8 translate(quint32 scanCode, quint32 flags) const;

    // Key: (scan code << 8) | extended bit.
    QMap<quint16, quint8> scanCodeToVk;
    QMap<quint8, quint8> vkToUsage;
};
