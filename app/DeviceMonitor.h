#pragma once

#include <QObject>

struct udev;
struct udev_monitor;
class QSocketNotifier;

// Reports hidraw and USB devices coming and going (libudev). It only says
// that something changed; the Widget's debounce decides when to look.
class DeviceMonitor : public QObject
{
    Q_OBJECT
public:
    explicit DeviceMonitor(QObject *parent = nullptr);
    ~DeviceMonitor() override;

    bool isActive() const { return notifier != nullptr; }

signals:
    void deviceChanged();

private:
    void drain();

    struct udev *context = nullptr;
    struct udev_monitor *monitor = nullptr;
    QSocketNotifier *notifier = nullptr;
};
