#include "DeviceMonitor.h"

#include <QSocketNotifier>

#ifdef Q_OS_LINUX
#include <libudev.h>
#endif

DeviceMonitor::DeviceMonitor(QObject *parent)
    : QObject(parent)
{
#ifdef Q_OS_LINUX
    context = udev_new();
    if (!context)
        return;
    monitor = udev_monitor_new_from_netlink(context, "udev");
    if (!monitor)
        return;
    udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr);
    udev_monitor_filter_add_match_subsystem_devtype(monitor, "usb", "usb_device");
    if (udev_monitor_enable_receiving(monitor) < 0)
        return;
    const int fd = udev_monitor_get_fd(monitor);
    if (fd < 0)
        return;
    notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &DeviceMonitor::drain);
#endif
}

DeviceMonitor::~DeviceMonitor()
{
#ifdef Q_OS_LINUX
    delete notifier;
    if (monitor)
        udev_monitor_unref(monitor);
    if (context)
        udev_unref(context);
#endif
}

void DeviceMonitor::drain()
{
#ifdef Q_OS_LINUX
    bool changed = false;
    while (struct udev_device *device = udev_monitor_receive_device(monitor)) {
        udev_device_unref(device);
        changed = true;
    }
    if (changed)
        emit deviceChanged();
#endif
}
