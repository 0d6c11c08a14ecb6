#include "InputSource.h"

#ifdef Q_OS_WIN
#include "Win32HookSource.h"
#else
#include "EvdevInputSource.h"
#include "X11InputSource.h"
#endif

#include <vector>

namespace {

// Tries its candidates in order and runs the first that starts.
class FirstThatStarts : public InputSource
{
public:
    explicit FirstThatStarts(std::vector<InputSourceFactory> candidates)
        : candidates(std::move(candidates))
    {
    }
    bool start(const InputSink &sink) override
    {
        for (const InputSourceFactory &make : candidates) {
            std::unique_ptr<InputSource> source = make();
            if (source && source->start(sink)) {
                active = std::move(source);
                return true;
            }
        }
        return false;
    }
    QString name() const override { return active ? active->name() : QString(); }

private:
    std::vector<InputSourceFactory> candidates;
    std::unique_ptr<InputSource> active;
};

} // namespace

std::unique_ptr<InputSource> createSystemInputSource()
{
#ifdef Q_OS_WIN
    return std::make_unique<Win32HookSource>();
#else
    const InputSourceFactory x11 = [] { return std::unique_ptr<InputSource>(X11InputSource::open()); };
    const InputSourceFactory evdev = [] { return std::unique_ptr<InputSource>(std::make_unique<EvdevInputSource>()); };
    // Under Wayland the X server (Xwayland) only sees the keys of X clients,
    // so the evdev nodes come first there; the X server is the fallback.
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
    if (wayland)
        return std::make_unique<FirstThatStarts>(std::vector<InputSourceFactory>{ evdev, x11 });
    return std::make_unique<FirstThatStarts>(std::vector<InputSourceFactory>{ x11, evdev });
#endif
}
