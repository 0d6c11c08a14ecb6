#include "X11InputSource.h"

#include <QDebug>

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

struct X11InputSource::Connection
{
    Display *display = nullptr;
    int xiOpcode = 0;
    ~Connection()
    {
        if (display)
            XCloseDisplay(display);
    }
};

std::unique_ptr<X11InputSource> X11InputSource::open()
{
    auto c = std::make_unique<Connection>();
    c->display = XOpenDisplay(nullptr);
    if (!c->display)
        return nullptr;

    int event = 0, error = 0;
    int major = 2, minor = 2;
    if (!XQueryExtension(c->display, "XInputExtension", &c->xiOpcode, &event, &error)
        || XIQueryVersion(c->display, &major, &minor) != Success || major < 2) {
        qDebug().noquote() << "Input capture: the X display has no XInput 2";
        return nullptr;
    }
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
    // XPending reads what the socket holds; events Xlib has buffered would not
    // wake the notifier again, so drain them all.
    while (XPending(d)) {
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
            }
            sink.mouse(message, rootX, rootY);
            break;
        }
        default:
            break;
        }
        XFreeEventData(d, cookie);
    }
}
