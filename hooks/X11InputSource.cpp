#include "X11InputSource.h"

#include <QDebug>

#include <mutex>
#include <set>

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

struct X11InputSource::Connection
{
    Display *display = nullptr;
    int xiOpcode = 0;
    bool lost = false; // the server went away: nothing but XCloseDisplay may be called
    ~Connection();
};

namespace {

// Xlib ends the process when a connection breaks: its default I/O error
// handler exits. These connections only watch input, and losing one (an
// Xwayland restart, say) must not take the program down. Their breakage is
// therefore let through to the per-display exit handler, which marks the
// connection lost instead of exiting; other displays keep the handler that
// was in place.
std::mutex ownDisplaysLock;
std::set<Display *> ownDisplays;
XIOErrorHandler previousIoErrorHandler = nullptr;

int onIoError(Display *display)
{
    {
        std::lock_guard<std::mutex> lock(ownDisplaysLock);
        if (ownDisplays.count(display))
            return 0; // on to onConnectionBroken
    }
    return previousIoErrorHandler ? previousIoErrorHandler(display) : 0;
}

void onConnectionBroken(Display *, void *userData)
{
    static_cast<X11InputSource::Connection *>(userData)->lost = true;
}

void watchForBreakage(X11InputSource::Connection *c)
{
    std::lock_guard<std::mutex> lock(ownDisplaysLock);
    XIOErrorHandler current = XSetIOErrorHandler(onIoError);
    if (current != onIoError)
        previousIoErrorHandler = current;
    ownDisplays.insert(c->display);
    XSetIOErrorExitHandler(c->display, onConnectionBroken, c);
}

void forget(Display *display)
{
    std::lock_guard<std::mutex> lock(ownDisplaysLock);
    ownDisplays.erase(display);
}

} // namespace

X11InputSource::Connection::~Connection()
{
    if (!display)
        return;
    // Xlib skips the server round trips of a display that broke.
    XCloseDisplay(display);
    forget(display);
}

std::unique_ptr<X11InputSource> X11InputSource::open(const QByteArray &displayName)
{
    auto c = std::make_unique<Connection>();
    c->display = XOpenDisplay(displayName.isEmpty() ? nullptr : displayName.constData());
    if (!c->display)
        return nullptr;

    int event = 0, error = 0;
    int major = 2, minor = 2;
    if (!XQueryExtension(c->display, "XInputExtension", &c->xiOpcode, &event, &error)
        || XIQueryVersion(c->display, &major, &minor) != Success || major < 2) {
        qDebug().noquote() << "Input capture: the X display has no XInput 2";
        return nullptr;
    }
    watchForBreakage(c.get());
    return std::unique_ptr<X11InputSource>(new X11InputSource(std::move(c)));
}

X11InputSource::X11InputSource(std::unique_ptr<Connection> connection)
    : x(std::move(connection))
{
}

X11InputSource::~X11InputSource()
{
    notifier.reset(); // before the connection's socket closes
}

bool X11InputSource::start(const InputSink &s)
{
    sink = s;
    Display *d = x->display;

    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawKeyPress);
    XISetMask(bits, XI_RawKeyRelease);
    XISetMask(bits, XI_RawButtonPress);
    XISetMask(bits, XI_RawButtonRelease);
    XIEventMask mask;
    mask.deviceid = XIAllMasterDevices; // XIAllDevices would report each event twice (slave and master)
    mask.mask_len = sizeof(bits);
    mask.mask = bits;
    XISelectEvents(d, DefaultRootWindow(d), &mask, 1);
    XSync(d, False);

    notifier = std::make_unique<QSocketNotifier>(ConnectionNumber(d), QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(), [this] { readEvents(); });
    readEvents(); // anything XSync already buffered
    return true;
}

void X11InputSource::readEvents()
{
    Display *d = x->display;
    if (x->lost)
        return;
    // XPending reads what the socket holds; events Xlib has buffered would not
    // wake the notifier again, so drain them all.
    while (!x->lost && XPending(d)) {
        XEvent ev;
        XNextEvent(d, &ev);
        XGenericEventCookie *cookie = &ev.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != x->xiOpcode || !XGetEventData(d, cookie))
            continue;
        const auto *raw = static_cast<const XIRawEvent *>(cookie->data);
        switch (cookie->evtype) {
        case XI_RawKeyPress:
        case XI_RawKeyRelease: {
            LinuxKeyMapper::Key key;
            // X keycodes are Linux key codes + 8.
            if (mapper.map(raw->detail - 8, cookie->evtype == XI_RawKeyPress, &key) && sink.key)
                sink.key(cookie->evtype == XI_RawKeyPress, key.scanCode, key.flags);
            break;
        }
        case XI_RawButtonPress:
        case XI_RawButtonRelease: {
            const bool down = cookie->evtype == XI_RawButtonPress;
            quint32 message = 0;
            switch (raw->detail) {
            case 1: message = down ? kLeftButtonDown : kLeftButtonUp; break;
            case 2: message = down ? kMiddleButtonDown : kMiddleButtonUp; break;
            case 3: message = down ? kRightButtonDown : kRightButtonUp; break;
            case 4: case 5: message = down ? kMouseWheel : 0; break;
            case 6: case 7: message = down ? kMouseHorizontalWheel : 0; break;
            default: message = down ? kExtraButtonDown : kExtraButtonUp; break;
            }
            if (message == 0 || !sink.mouse)
                break;
            int rootX = 0, rootY = 0;
            if (message >= kLeftButtonDown && message <= kMiddleButtonUp) {
                // Raw events carry no position: take the pointer's, which is
                // where the click happened unless the pointer moved on since.
                Window root = 0, child = 0;
                int winX = 0, winY = 0;
                unsigned int buttons = 0;
                XQueryPointer(d, DefaultRootWindow(d), &root, &child, &rootX, &rootY, &winX, &winY, &buttons);
                if (x->lost)
                    break;
            }
            sink.mouse(message, rootX, rootY);
            break;
        }
        default:
            break;
        }
        if (!x->lost)
            XFreeEventData(d, cookie);
    }
    if (x->lost)
        connectionLost();
}

void X11InputSource::connectionLost()
{
    notifier->setEnabled(false);
    qDebug().noquote() << "Input capture stopped: the connection to the X server was lost";
    // Keys held at that moment will never be seen going up: release them.
    mapper.releaseAll([this](const LinuxKeyMapper::Key &key) {
        if (sink.key)
            sink.key(false, key.scanCode, key.flags);
    });
}
