#include "Widget.h"

#include "DeviceMonitor.h"
#include "UserEvent.h"
#include "Ui_Controler.h"
#include "view/myQQuickView.h"

#include <QCoreApplication>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

Widget::Widget(QWidget *parent)
    : QWidget(parent)
{
    hid.owner = this;
    controller = new Ui_Controler();
    controller->init(this);
    controller->view->hid = &hid;

    checkTimer.setInterval(2048);
    checkTimer.setSingleShot(true);
    checkTimer.setTimerType(Qt::PreciseTimer);
    connect(&checkTimer, &QTimer::timeout, this, &Widget::checkDevice);

    // On Linux the udev monitor stands in for the system's device-change
    // broadcast; on Windows nativeEvent receives it.
    monitor = new DeviceMonitor(this);
    connect(monitor, &DeviceMonitor::deviceChanged, this, &Widget::deviceChangeNotified);
}

Widget::~Widget()
{
    hid.stopWatch();
    // A write exchange may still run on a worker; it uses hid's buffers.
    hid.waitForExchange();
    if (controller && controller->view)
        controller->view->hid = nullptr;
    delete controller;
    controller = nullptr;
}

void Widget::checkDevice()
{
    hid.scanDevices(readDeviceTable(QStringLiteral(":/DevInfo.ini")));
    hid.swichCurDevice(hid.curDevice);
    if (controller && controller->view)
        controller->view->syncFW();
    emit deviceChecked();
}

void Widget::deviceChangeNotified()
{
    checkTimer.start();
}

void Widget::startScene()
{
    controller->setBusy(1);
    controller->view->initUI();
    QCoreApplication::postEvent(this, new UserEvent(UserEvent::StartUpCode));
}

void Widget::customEvent(QEvent *e)
{
    if (e->type() != QEvent::User)
        return;
    if (static_cast<UserEvent *>(e)->code != UserEvent::StartUpCode)
        return;
    controller->setBusy(0);
    controller->view->runUI();
}

bool Widget::nativeEvent(const QByteArray &eventType, void *message, qintptr *result)
{
#ifdef Q_OS_WIN
    if (eventType == "windows_generic_MSG") {
        const MSG *msg = static_cast<const MSG *>(message);
        if (msg->message == WM_DEVICECHANGE)
            deviceChangeNotified();
    }
#endif
    return QWidget::nativeEvent(eventType, message, result);
}
