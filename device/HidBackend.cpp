#include "HidBackend.h"

#include <hidapi.h>

#include <atomic>
#include <mutex>

namespace {

class HidapiHandle : public HidHandle
{
public:
    explicit HidapiHandle(hid_device *d) : dev(d) {}
    hid_device *dev;
};

hid_device *devOf(HidHandle *h)
{
    return h ? static_cast<HidapiHandle *>(h)->dev : nullptr;
}

class HidapiBackend : public HidBackend
{
public:
    QList<HidNodeInfo> enumerate(unsigned short vid, unsigned short pid) override
    {
        init();
        QList<HidNodeInfo> nodes;
        hid_device_info *list = hid_enumerate(vid, pid);
        for (hid_device_info *n = list; n; n = n->next) {
            HidNodeInfo info;
            info.path = QByteArray(n->path ? n->path : "");
            info.vendorId = n->vendor_id;
            info.productId = n->product_id;
            info.usagePage = n->usage_page;
            info.usage = n->usage;
            nodes.append(info);
        }
        hid_free_enumeration(list);
        return nodes;
    }
    HidHandle *openPath(const QByteArray &path) override
    {
        init();
        hid_device *d = hid_open_path(path.constData());
        return d ? new HidapiHandle(d) : nullptr;
    }
    int setNonblocking(HidHandle *h, int nonblock) override
    {
        return devOf(h) ? hid_set_nonblocking(devOf(h), nonblock) : -1;
    }
    int sendFeatureReport(HidHandle *h, const unsigned char *data, size_t length) override
    {
        return devOf(h) ? hid_send_feature_report(devOf(h), data, length) : -1;
    }
    int getFeatureReport(HidHandle *h, unsigned char *data, size_t length) override
    {
        return devOf(h) ? hid_get_feature_report(devOf(h), data, length) : -1;
    }
    int write(HidHandle *h, const unsigned char *data, size_t length) override
    {
        return devOf(h) ? hid_write(devOf(h), data, length) : -1;
    }
    int readTimeout(HidHandle *h, unsigned char *data, size_t length, int timeoutMs) override
    {
        return devOf(h) ? hid_read_timeout(devOf(h), data, length, timeoutMs) : -1;
    }
    void close(HidHandle *h) override
    {
        if (!h)
            return;
        hid_close(devOf(h));
        delete h;
    }

private:
    // hid_init is not safe to race; run it once before the first use.
    static void init()
    {
        static std::once_flag once;
        std::call_once(once, [] { hid_init(); });
    }
};

std::atomic<HidBackend *> current{nullptr};

} // namespace

HidBackend *hidapiBackend()
{
    static HidapiBackend backend;
    return &backend;
}

HidBackend *hidBackend()
{
    HidBackend *b = current.load();
    return b ? b : hidapiBackend();
}

void setHidBackend(HidBackend *backend)
{
    current.store(backend);
}
