#pragma once

#include "device/Hid_Thread.h"

#include <QTimer>
#include <QWidget>

class Ui_Controler;
class DeviceMonitor;

// The top-level window: owner of the device link and the window controller,
// and the device watcher. Device changes restart a 2048 ms single-shot timer
// whose expiry runs the next device check, so a burst of notifications gives
// one check after the last of them.
class Widget : public QWidget
{
    Q_OBJECT
public:
    explicit Widget(QWidget *parent = nullptr);
    ~Widget() override;

    void startScene();
    // A device was added or removed somewhere: (re)arm the debounce timer.
    void deviceChangeNotified();

    QTimer checkTimer;
    Ui_Controler *controller = nullptr;
    Hid_Thread hid;

signals:
    // Emitted at the end of every device check.
    void deviceChecked();

public slots:
    void checkDevice();

protected:
    void customEvent(QEvent *e) override;
    bool nativeEvent(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    DeviceMonitor *monitor = nullptr;
};
