#include "myQQuickView.h"

#include <QMetaObject>
#include <QQuickItem>
#include <QSettings>

myQQuickView::myQQuickView(QWidget *parent)
    : QQuickWidget(parent)
{
    // A translucent top-level window shows through the scene's empty areas.
    setClearColor(Qt::transparent);

    createMediaPlayers();

    {
        QSettings hwDef(QStringLiteral("./modules/setting/HWDef.bin"), QSettings::IniFormat);
        const uint stored = hwDef.value(QStringLiteral("common/maxProfile"), 0).toUInt();
        maxProfile = stored <= 9 ? quint8(stored) : quint8(10);
    }

    apConfigSettings = new QSettings(QStringLiteral("./modules/setting/apConfig.bin"), QSettings::IniFormat);

    for (int k = 1; k <= maxProfile; ++k)
        profileSettings.append(new QSettings(QStringLiteral("./modules/setting/p%1.bin").arg(k),
                                             QSettings::IniFormat));
}

myQQuickView::~myQQuickView()
{
    // The settings objects have no parent; release them with the view so
    // that their pending writes reach the disk.
    delete apConfigSettings;
    qDeleteAll(profileSettings);
    profileSettings.clear();
}

QSettings *myQQuickView::currentProfileSettings() const
{
    return currentProfile < profileSettings.size() ? profileSettings.at(currentProfile) : nullptr;
}

void myQQuickView::callRoot(const char *function)
{
    if (QObject *root = rootObject())
        QMetaObject::invokeMethod(root, function, Qt::QueuedConnection);
}

void myQQuickView::initUI() { callRoot("initUI"); }
void myQQuickView::zzzTelvo() { callRoot("zzzTelvo"); }
void myQQuickView::runUI() { callRoot("run"); }

void myQQuickView::forwardKeyboard(bool isDown, uchar usbCode)
{
    if (QObject *root = rootObject())
        QMetaObject::invokeMethod(root, "detectKeyboard", Qt::QueuedConnection,
                                  Q_ARG(QVariant, QVariant(isDown)),
                                  Q_ARG(QVariant, QVariant(int(usbCode))));
}

void myQQuickView::forwardMouse(bool isDown, uint quilCode, uint x, uint y)
{
    if (QObject *root = rootObject())
        QMetaObject::invokeMethod(root, "detectMouse", Qt::QueuedConnection,
                                  Q_ARG(QVariant, QVariant(isDown)),
                                  Q_ARG(QVariant, QVariant(quilCode)),
                                  Q_ARG(QVariant, QVariant(x)),
                                  Q_ARG(QVariant, QVariant(y)));
}
