#pragma once

#include "InputSource.h"
#include "KeyTables.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <memory>

// Receives a key whose up/down state changed: its USB usage code (Keyboard/
// Keypad page), whether it went down, and the context given at registration.
using KeyboardCallback = void (*)(quint8 usage, bool isDown, void *context);
// Receives a press or release of the left (0xF0), right (0xF1) or middle
// (0xF2) mouse button with the pointer's screen position.
using MouseCallback = void (*)(quint8 button, bool isDown, qint32 x, qint32 y, void *context);

enum : quint8 {
    kMouseLeft = 0xF0,
    kMouseRight = 0xF1,
    kMouseMiddle = 0xF2,
};

// Watches the keyboard and the mouse of the whole desktop, whichever window
// has the focus, and reports each key's up/down changes as usage codes and
// each press and release of the three main mouse buttons. It only observes.
// Everything runs on the thread that calls install(), from its event loop.
class Hook_Manager
{
public:
    // The factory chooses where events come from; by default the system's
    // own capture (createSystemInputSource()).
    explicit Hook_Manager(InputSourceFactory factory = {});
    ~Hook_Manager();

    Hook_Manager(const Hook_Manager &) = delete;
    Hook_Manager &operator=(const Hook_Manager &) = delete;

    // Stores the flag, builds the translation tables afresh and installs the
    // capture; returns install()'s result. keyState is kept.
    bool setup(bool oem5AsNonUsHash);
    // Starts capturing (after removing an earlier capture); true when both
    // keyboard and mouse are watched. On false the program runs without capture.
    bool install();
    // Stops capturing. Safe to call at any time.
    void uninstall();
    bool isInstalled() const { return source != nullptr; }
    // The name of the running capture ("x11", "evdev", "win32"), empty when none.
    QString sourceName() const;

    // Replace any earlier registration. A callback whose context is null is
    // not called.
    void setKeyboardCallback(KeyboardCallback callback, void *context);
    void setMouseCallback(MouseCallback callback, void *context);

    // The last reported state of a usage: true while it is down.
    bool isKeyDown(quint8 usage) const { return keyState[usage] != 0; }

    // The translation of a key event to its usage code, 0 when not translated.
    quint8 translate(quint32 scanCode, quint32 flags) const { return tables.translate(scanCode, flags); }
    const KeyTables &translationTables() const { return tables; }

    // What the capture calls for every event (also the entry for tests):
    // a key event as a Windows low-level keyboard hook sees it, and a mouse
    // message of InputSource.h with the pointer's screen position.
    void keyboardProc(bool isDown, quint32 scanCode, quint32 flags);
    void mouseProc(quint32 message, qint32 x, qint32 y);

private:
    InputSourceFactory factory;
    std::unique_ptr<InputSource> source;
    bool oem5AsNonUsHash = false;
    KeyTables tables;
    std::array<quint8, 256> keyState{}; // 1 down, 0 up, by usage code

    KeyboardCallback keyboardCallback = nullptr;
    void *keyboardContext = nullptr;
    MouseCallback mouseCallback = nullptr;
    void *mouseContext = nullptr;
};
