#pragma once

#include "InputSource.h"

#ifdef Q_OS_WIN

// The two Win32 low-level hooks, WH_KEYBOARD_LL and WH_MOUSE_LL. The system
// calls their procedures on the installing thread while it takes messages,
// without a context: one set of hooks per process.
class Win32HookSource : public InputSource
{
public:
    ~Win32HookSource() override;
    bool start(const InputSink &sink) override;
    QString name() const override { return QStringLiteral("win32"); }
};

#endif
