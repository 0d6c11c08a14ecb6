// Configuration and definition files: apConfig.bin (held open for the whole
// run), its factory copy, HWDef.bin, KeyCodeDef.bin and the skin folders.
#include "myQQuickView.h"

#include "view/profile_settings.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace {
const QString kApConfig = QStringLiteral("./modules/setting/apConfig.bin");
const QString kApConfigFactory = QStringLiteral("./modules/setting/apConfigD.bin");
const QString kHWDef = QStringLiteral("./modules/setting/HWDef.bin");
const QString kKeyCodeDef = QStringLiteral("./modules/setting/KeyCodeDef.bin");

QVariantList readList(const QString &file, const QString &key)
{
    QSettings settings(file, QSettings::IniFormat);
    return settings.value(key).toList();
}
} // namespace

QVariantList myQQuickView::loadApConfig()
{
    QVariantList values;
    if (!apConfigSettings)
        return values;
    for (int i = 0; i < apConfigSettings->value(QStringLiteral("common/total"), 0).toInt(); ++i)
        values.append(apConfigSettings->value(QStringLiteral("common/%1").arg(i), 0));
    return values;
}

void myQQuickView::saveApConfig(QVariantList apConfigs)
{
    if (!apConfigSettings)
        apConfigSettings = new QSettings(kApConfig, QSettings::IniFormat);
    apConfigSettings->setValue(QStringLiteral("common/total"), apConfigs.size());
    for (int i = 0; i < apConfigs.size(); ++i)
        apConfigSettings->setValue(QStringLiteral("common/%1").arg(i), apConfigs.at(i));
    apConfigSettings->sync();
}

void myQQuickView::resetApconfig()
{
    // Keep the current configuration unless the factory copy is readable and
    // has really been copied into place; the new settings object reads the
    // new file even where the settings cache still holds the old one.
    if (!apConfigSettings)
        apConfigSettings = new QSettings(kApConfig, QSettings::IniFormat);
    if (QSettings *fresh = replaceSettingsFile(apConfigSettings, kApConfigFactory))
        apConfigSettings = fresh;
}

QVariantList myQQuickView::loadHWDef()
{
    QSettings hwDef(kHWDef, QSettings::IniFormat);
    const QString layout = QString::number(kbLayoutType);
    const int totalHW = hwDef.value(layout + QStringLiteral("/total_HW"), 0).toInt();
    const int totalFW = hwDef.value(layout + QStringLiteral("/total_FW"), 0).toInt();
    QVariantList result{totalHW, totalFW};
    for (int i = 1; i <= totalHW; ++i) {
        const QVariantList key = hwDef.value(layout + QLatin1Char('/') + QString::number(i)).toList();
        // A short entry is padded rather than read past its end.
        auto at = [&key](int j) { return j < key.size() ? key.at(j) : QVariant(); };
        result << at(0).toInt() << at(1).toInt() << at(2).toInt() << at(3).toString()
               << at(4).toInt() << at(5).toUInt();
    }
    return result;
}

QVariantList myQQuickView::loadUsbStr() { return readList(kKeyCodeDef, QStringLiteral("common/usbStr")); }

QVariantList myQQuickView::loadUsbCode() { return readList(kKeyCodeDef, QStringLiteral("common/usbCode")); }

bool myQQuickView::getIsSkinShow()
{
    const QDir img(QStringLiteral("./modules/img"));
    return img.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort).size() > 1;
}

uchar myQQuickView::getMaxProfile() { return maxProfile; }
