#include "InputSource.h"

#ifdef Q_OS_WIN
#include "Win32HookSource.h"
#else
#include "EvdevInputSource.h"
#include "X11InputSource.h"
#endif

std::unique_ptr<InputSource> createSystemInputSource()
{
#ifdef Q_OS_WIN
    return std::make_unique<Win32HookSource>();
#else
    if (std::unique_ptr<X11InputSource> x11 = X11InputSource::open())
        return x11;
    return std::make_unique<EvdevInputSource>();
#endif
}
