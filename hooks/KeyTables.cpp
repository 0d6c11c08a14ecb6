#include "KeyTables.h"

namespace {

quint16 plainKey(quint8 scanCode) { return quint16(scanCode << 8); }
quint16 extendedKey(quint8 scanCode) { return quint16((scanCode << 8) | kKeyFlagExtended); }

enum : quint8 {
    vk_BACK = 0x08, vk_TAB = 0x09, vk_KPENTER = 0x0E, vk_RETURN = 0x0D, vk_PAUSE = 0x13,
    vk_CAPITAL = 0x14, vk_ESCAPE = 0x1B, vk_SPACE = 0x20, vk_SNAPSHOT = 0x2C,
};

} // namespace

void KeyTables::build(bool oem5AsNonUsHash)
{
    scanCodeToVk.clear();
    vkToUsage.clear();

    // Scan codes without the extended bit.
    struct Run { quint8 firstScanCode; std::initializer_list<quint8> vks; };
    const Run plain[] = {
        { 0x01, { vk_ESCAPE } },
        { 0x02, { 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x30 } }, // digits 1..9, 0
        { 0x0C, { 0xBD, 0xBB, vk_BACK, vk_TAB } },                                 // - = Back Tab
        { 0x10, { 0x51, 0x57, 0x45, 0x52, 0x54, 0x59, 0x55, 0x49, 0x4F, 0x50 } }, // Q..P
        { 0x1A, { 0xDB, 0xDD, vk_RETURN, 0xA2 } },                                 // [ ] Enter LCtrl
        { 0x1E, { 0x41, 0x53, 0x44, 0x46, 0x47, 0x48, 0x4A, 0x4B, 0x4C } },       // A..L
        { 0x27, { 0xBA, 0xDE, 0xC0, 0xA0, 0xDC } },                                // ; ' ` LShift OEM_5
        { 0x2C, { 0x5A, 0x58, 0x43, 0x56, 0x42, 0x4E, 0x4D, 0xBC, 0xBE, 0xBF } }, // Z..M , . /
        { 0x37, { 0x6A, 0xA4, vk_SPACE, vk_CAPITAL } },                            // * LAlt Space Caps
        { 0x3B, { 0x70, 0x71, 0x72, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79 } }, // F1..F10
        { 0x45, { vk_PAUSE, 0x91 } },                                              // Pause Scroll
        { 0x47, { 0x67, 0x68, 0x69, 0x6D, 0x64, 0x65, 0x66, 0x6B, 0x61, 0x62, 0x63, 0x60, 0x6E } }, // keypad
        { 0x56, { 0xE2, 0x7A, 0x7B } },                                            // OEM_102 F11 F12
        { 0x6E, { 0x86 } },                                                        // F23
    };
    for (const Run &run : plain) {
        quint8 sc = run.firstScanCode;
        for (quint8 vk : run.vks)
            scanCodeToVk.insert(plainKey(sc++), vk);
    }

    // Scan codes with the extended bit (E0 prefix).
    const quint8 extended[][2] = {
        { 0x1C, vk_KPENTER }, // keypad Enter: 0x0E is a code of our own, Windows gives it no key
        { 0x1D, 0xA3 }, { 0x35, 0x6F }, { 0x36, 0xA1 }, { 0x37, vk_SNAPSHOT }, { 0x38, 0xA5 },
        { 0x45, 0x90 }, { 0x47, 0x24 }, { 0x48, 0x26 }, { 0x49, 0x21 }, { 0x4B, 0x25 },
        { 0x4D, 0x27 }, { 0x4F, 0x23 }, { 0x50, 0x28 }, { 0x51, 0x22 }, { 0x52, 0x2D },
        { 0x53, 0x2E }, { 0x5B, 0x5B }, { 0x5D, 0x5D },
    };
    for (const auto &e : extended)
        scanCodeToVk.insert(extendedKey(e[0]), e[1]);

    // Virtual-key codes to usage codes.
    for (int i = 0; i < 26; ++i)
        vkToUsage.insert(quint8(0x41 + i), quint8(0x04 + i)); // A..Z
    for (int i = 0; i < 9; ++i)
        vkToUsage.insert(quint8(0x31 + i), quint8(0x1E + i)); // 1..9
    for (int i = 0; i < 12; ++i)
        vkToUsage.insert(quint8(0x70 + i), quint8(0x3A + i)); // F1..F12
    for (int i = 0; i < 9; ++i)
        vkToUsage.insert(quint8(0x61 + i), quint8(0x59 + i)); // keypad 1..9
    for (int i = 0; i < 12; ++i)
        vkToUsage.insert(quint8(0x7C + i), quint8(0x68 + i)); // F13..F24
    const quint8 pairs[][2] = {
        { 0x30, 0x27 }, { vk_RETURN, 0x28 }, { vk_KPENTER, 0x58 }, { vk_ESCAPE, 0x29 },
        { vk_BACK, 0x2A }, { vk_TAB, 0x2B }, { vk_SPACE, 0x2C },
        { 0xBD, 0x2D }, { 0xBB, 0x2E }, { 0xDB, 0x2F }, { 0xDD, 0x30 },
        { 0xDC, quint8(oem5AsNonUsHash ? 0x32 : 0x31) },
        { 0xBA, 0x33 }, { 0xDE, 0x34 }, { 0xC0, 0x35 }, { 0xBC, 0x36 }, { 0xBE, 0x37 }, { 0xBF, 0x38 },
        { vk_CAPITAL, 0x39 },
        { vk_SNAPSHOT, 0x46 }, { 0x91, 0x47 }, { vk_PAUSE, 0x48 },
        { 0x2D, 0x49 }, { 0x24, 0x4A }, { 0x21, 0x4B }, { 0x2E, 0x4C }, { 0x23, 0x4D }, { 0x22, 0x4E },
        { 0x27, 0x4F }, { 0x25, 0x50 }, { 0x28, 0x51 }, { 0x26, 0x52 },
        { 0x90, 0x53 }, { 0x6F, 0x54 }, { 0x6A, 0x55 }, { 0x6D, 0x56 }, { 0x6B, 0x57 },
        { 0x60, 0x62 }, { 0x6E, 0x63 }, { 0xE2, 0x64 }, { 0x5D, 0x65 },
        { 0xFF, 0x66 }, // no Windows key; Keyboard Power
        { 0xC2, 0x85 }, { 0xC1, 0x87 }, { 0xEB, 0x8B }, // Keypad Comma, International1, International5
        { 0xA2, 0xE0 }, { 0xA0, 0xE1 }, { 0xA4, 0xE2 }, { 0x5B, 0xE3 },
        { 0xA3, 0xE4 }, { 0xA1, 0xE5 }, { 0xA5, 0xE6 }, { 0x5C, 0xE7 },
    };
    for (const auto &p : pairs)
        vkToUsage.insert(p[0], p[1]);
}

quint8 KeyTables::translate(quint32 scanCode, quint32 flags) const
{
    const quint32 sc = scanCode <= 255 ? scanCode : 0;
    const bool extended = flags & kKeyFlagExtended;
    quint8 vk = scanCodeToVk.value(quint16((sc << 8) | (extended ? 1 : 0)), 0);

    // Keys Windows reports with special scan codes.
    if (sc == 0x46 && extended)
        vk = vk_PAUSE; // Ctrl+Break
    else if (sc == 0x54 && (flags & kKeyFlagAltDown))
        vk = vk_SNAPSHOT; // Alt+Print Screen, reported as SysRq

    if (vk == 0)
        return 0;
    return vkToUsage.value(vk, 0);
}
