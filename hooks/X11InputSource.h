#pragma once

#include "InputSource.h"
#include "LinuxKeyMapper.h"

#include <QSocketNotifier>

#include <memory>

// Watches an X11 session through XInput 2 raw events on the root window of a
// connection of its own: every key and button of the master devices, whichever
// client has the focus or a grab, without taking anything away from it. Needs
// no privileges; keys injected with XTest arrive too.
class X11InputSource : public InputSource
{
public:
    // Opens the display named by DISPLAY; null when it cannot be opened or
    // lacks XInput 2 (the reason goes to the debug channel).
    static std::unique_ptr<X11InputSource> open();
    ~X11InputSource() override;

    bool start(const InputSink &sink) override;
    QString name() const override { return QStringLiteral("x11"); }

private:
    struct Connection;
    explicit X11InputSource(std::unique_ptr<Connection> connection);
    void readEvents();

    std::unique_ptr<Connection> x;
    std::unique_ptr<QSocketNotifier> notifier;
    InputSink sink;
    LinuxKeyMapper mapper;
};
