#pragma once

#include "InputSource.h"
#include "LinuxKeyMapper.h"

#include <QByteArray>
#include <QSocketNotifier>

#include <memory>

// Watches an X11 session through XInput 2 raw events on the root window of a
// connection of its own: every key and button of the master devices, whichever
// client has the focus or a grab, without taking anything away from it. Needs
// no privileges; keys injected with XTest arrive too.
class X11InputSource : public InputSource
{
public:
    // Opens the display named by displayName, by default DISPLAY's; null when
    // it cannot be opened or lacks XInput 2 (the reason goes to the debug channel).
    static std::unique_ptr<X11InputSource> open(const QByteArray &displayName = QByteArray());
    ~X11InputSource() override;

    bool start(const InputSink &sink) override;
    QString name() const override { return QStringLiteral("x11"); }

    struct Connection; // the private Xlib connection

private:
    explicit X11InputSource(std::unique_ptr<Connection> connection);
    void readEvents();
    void connectionLost();

    std::unique_ptr<Connection> x;
    std::unique_ptr<QSocketNotifier> notifier;
    InputSink sink;
    LinuxKeyMapper mapper;
};
