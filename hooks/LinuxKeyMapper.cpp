#include "LinuxKeyMapper.h"

#include "KeyTables.h"

namespace {

struct Row
{
    int linuxCode;
    quint32 scanCode;
    int extended;
};

// Generated at build time from data/linux-keycode-to-set1.tsv.
const Row kRows[] = {
#include "linux_keycode_to_set1.inc"
};

enum : int {
    KEY_LEFTCTRL = 29, KEY_LEFTALT = 56, KEY_RIGHTCTRL = 97, KEY_SYSRQ = 99,
    KEY_RIGHTALT = 100, KEY_PAUSE = 119,
};

struct Table
{
    std::array<LinuxKeyMapper::Key, 256> keys{};
    std::array<bool, 256> known{};
    Table()
    {
        for (const Row &r : kRows) {
            if (r.linuxCode < 0 || r.linuxCode > 255)
                continue;
            keys[r.linuxCode] = { r.scanCode, r.extended ? quint32(kKeyFlagExtended) : 0u };
            known[r.linuxCode] = true;
        }
    }
};

const Table &table()
{
    static const Table t;
    return t;
}

} // namespace

bool LinuxKeyMapper::map(int linuxCode, bool isDown, Key *out)
{
    if (linuxCode < 0 || linuxCode > 255 || !table().known[linuxCode])
        return false;

    if (isDown && isHeld[linuxCode]) { // repeated press: same key as the first one
        *out = pressed[linuxCode];
        return true;
    }
    if (!isDown && isHeld[linuxCode]) {
        isHeld[linuxCode] = false;
        *out = pressed[linuxCode];
        return true;
    }

    if (isDown)
        isHeld[linuxCode] = true; // before the flags: an Alt press carries the Alt-down flag itself
    const bool ctrl = isHeld[KEY_LEFTCTRL] || isHeld[KEY_RIGHTCTRL];
    const bool alt = isHeld[KEY_LEFTALT] || isHeld[KEY_RIGHTALT];

    Key key = table().keys[linuxCode];
    if (linuxCode == KEY_PAUSE && ctrl)
        key = { 0x46, kKeyFlagExtended }; // Ctrl+Pause is Break
    else if (linuxCode == KEY_SYSRQ && alt)
        key = { 0x54, 0 }; // Alt+Print Screen is SysRq
    if (alt)
        key.flags |= kKeyFlagAltDown;

    if (isDown)
        pressed[linuxCode] = key;
    *out = key;
    return true;
}
