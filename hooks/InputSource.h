#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>

// Mouse messages as the Windows low-level mouse hook names them; every input
// source reports its buttons, wheel and extra buttons with these codes, and
// the hook manager decides which of them to report.
enum : quint32 {
    kMouseMove = 0x0200,
    kLeftButtonDown = 0x0201,
    kLeftButtonUp = 0x0202,
    kLeftButtonDoubleClick = 0x0203,
    kRightButtonDown = 0x0204,
    kRightButtonUp = 0x0205,
    kRightButtonDoubleClick = 0x0206,
    kMiddleButtonDown = 0x0207,
    kMiddleButtonUp = 0x0208,
    kMouseWheel = 0x020A,
    kExtraButtonDown = 0x020B,
    kExtraButtonUp = 0x020C,
    kMouseHorizontalWheel = 0x020E,
};

// Where an input source delivers what it observes: key events as a Windows
// low-level keyboard hook sees them (down or up, set-1 scan code, flags of
// KeyTables.h) and mouse messages with the pointer's screen position.
struct InputSink
{
    std::function<void(bool isDown, quint32 scanCode, quint32 flags)> key;
    std::function<void(quint32 message, qint32 x, qint32 y)> mouse;
};

// One way of watching the whole desktop's keyboard and mouse. A source only
// observes: it never grabs, delays or changes an event. It calls the sink on
// the thread that started it, from that thread's event loop.
class InputSource
{
public:
    virtual ~InputSource() = default;
    // Starts watching; false when nothing can be watched (the reason has been
    // written to the debug channel). Called once.
    virtual bool start(const InputSink &sink) = 0;
    // A short name for diagnostics, e.g. "x11".
    virtual QString name() const = 0;
};

using InputSourceFactory = std::function<std::unique_ptr<InputSource>()>;

// The source for this session: the Win32 hooks on Windows. On Linux the X
// server through XInput 2 when DISPLAY opens and has XInput 2, else the evdev
// nodes; in a Wayland session the evdev nodes first and the X server second.
std::unique_ptr<InputSource> createSystemInputSource();
