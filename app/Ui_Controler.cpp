#include "Ui_Controler.h"

#include "Widget.h"
#include "view/myQQuickView.h"

#include <QMetaObject>
#include <QQmlContext>
#include <QQuickItem>
#include <QSettings>

Ui_Controler::Ui_Controler(QObject *parent)
    : QObject(parent)
{
}

void Ui_Controler::init(Widget *w)
{
    if (w->objectName().isEmpty())
        w->setObjectName(QStringLiteral("Widget"));
    window = w;
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    window->setWindowOpacity(1.0);
    window->setAttribute(Qt::WA_TranslucentBackground, true);
    window->setStyleSheet(QStringLiteral("background:transparent;"));

    view = new myQQuickView(window);
    view->setObjectName(QStringLiteral("ui_View"));

    // The host objects are published before the scene loads, so that the
    // scene can use them from its first binding on.
    QQmlContext *context = view->rootContext();
    context->setContextProperty(QStringLiteral("ui_View"), view);
    context->setContextProperty(QStringLiteral("hid"), &window->hid);
    context->setContextProperty(QStringLiteral("ui_Ctl"), this);
    view->setSource(QUrl(QStringLiteral("qrc:/modules/qml/main.qml")));

    window->resize(view->size());
    QSettings apConfig(QStringLiteral("./modules/setting/apConfig.bin"), QSettings::IniFormat);
    window->setWindowTitle(apConfig.value(QStringLiteral("common/name"), QString()).toString());
}

void Ui_Controler::onMinimize()
{
    if (window)
        window->close();
}

void Ui_Controler::onXChanged(int x)
{
    if (window)
        window->move(window->x() + x, window->y());
}

void Ui_Controler::onYChanged(int y)
{
    if (window)
        window->move(window->x(), window->y() + y);
}

void Ui_Controler::setBusy(int busyTime)
{
    if (!view)
        return;
    if (QObject *root = view->rootObject())
        QMetaObject::invokeMethod(root, "setProtectUI", Qt::DirectConnection,
                                  Q_ARG(QVariant, QVariant(busyTime)));
}
