#pragma once

#include <QtGlobal>

#include <array>

// Turns Linux key codes (KEY_*; an X keycode minus 8) into the set-1 scan
// code and flags a Windows low-level keyboard hook reports for the same key,
// including what that hook does with modifiers: the Alt-down flag while an
// Alt key is held, Pause with Ctrl held reported as 0x46 extended (Break) and
// Print Screen with Alt held as 0x54 (SysRq). Keeps the modifier state of the
// events it has seen; one mapper per stream of events.
class LinuxKeyMapper
{
public:
    struct Key
    {
        quint32 scanCode = 0;
        quint32 flags = 0;
    };

    // The hook's view of one key event. Returns false for codes the table
    // does not name (nothing to report). A release reports the scan code the
    // press did, so that a key always goes up under the usage it went down
    // with, even when the modifier was let go first.
    bool map(int linuxCode, bool isDown, Key *out);

    // Forgets held keys and modifiers, handing each held key's release to
    // release (the stream of events ended or was interrupted).
    template <typename Release>
    void releaseAll(Release release)
    {
        for (size_t code = 0; code < isHeld.size(); ++code) {
            if (isHeld[code])
                release(pressed[code]);
        }
        isHeld.fill(false);
    }

private:
    std::array<Key, 256> pressed{};   // what each held key reported at its press
    std::array<bool, 256> isHeld{};
};
