#pragma once

// The one seam between the device link and the HID layer. Everything the
// link does on the bus goes through the process-wide backend returned by
// hidBackend(): by default the hidapi (hidraw) library, in tests and in the
// demo build an emulated keyboard (device/virtual/VirtualR7.h).
//
// Thread-safety: a backend must accept calls from several threads at once
// (the presence watcher polls on a worker while exchanges run on the GUI
// thread or another worker). One handle is only ever used by one thread at
// a time. Swap the backend only while no watcher and no exchange runs.

#include <QByteArray>
#include <QList>
#include <cstddef>

// One node of an enumeration: one top-level collection of a HID interface.
struct HidNodeInfo
{
    QByteArray path;
    unsigned short vendorId = 0;
    unsigned short productId = 0;
    unsigned short usagePage = 0;
    unsigned short usage = 0;
};

// An open interface; each backend derives its own.
class HidHandle
{
public:
    virtual ~HidHandle() = default;
};

class HidBackend
{
public:
    virtual ~HidBackend() = default;

    // Nodes matching vid/pid (0 matches any), in the backend's order.
    virtual QList<HidNodeInfo> enumerate(unsigned short vid, unsigned short pid) = 0;
    // Null on failure.
    virtual HidHandle *openPath(const QByteArray &path) = 0;
    virtual int setNonblocking(HidHandle *h, int nonblock) = 0;
    // data[0] is the report id. Results follow hidapi: bytes moved, or -1.
    virtual int sendFeatureReport(HidHandle *h, const unsigned char *data, size_t length) = 0;
    // data[0] holds the report id on entry; on return the buffer starts with
    // the report id followed by the report (hidraw behaviour).
    virtual int getFeatureReport(HidHandle *h, unsigned char *data, size_t length) = 0;
    virtual int write(HidHandle *h, const unsigned char *data, size_t length) = 0;
    // 0 when nothing arrived within timeoutMs (-1 waits without limit).
    virtual int readTimeout(HidHandle *h, unsigned char *data, size_t length, int timeoutMs) = 0;
    // Closes and frees the handle; null is ignored.
    virtual void close(HidHandle *h) = 0;
};

// The process-wide backend; never null (falls back to hidapi).
HidBackend *hidBackend();
// Installs a backend (not owned; must outlive its use). Null restores hidapi.
void setHidBackend(HidBackend *backend);
// The hidapi-hidraw backend itself.
HidBackend *hidapiBackend();
