#include "DevInfo.h"

#include <QSettings>

unsigned short parseTableHex(const QString &text)
{
    bool ok = false;
    const qulonglong v = text.trimmed().toULongLong(&ok, 16);
    return ok ? static_cast<unsigned short>(v & 0xFFFF) : 0;
}

QList<DevInfo> readDeviceTable(const QString &path)
{
    QList<DevInfo> table;
    QSettings ini(path, QSettings::IniFormat);
    // A wild total must not make us build millions of empty entries.
    constexpr int maxEntries = 1024;
    for (int i = 0; i < ini.value(QStringLiteral("common/total"), 0).toInt() && i < maxEntries; ++i) {
        const QString group = QString::number(i);
        auto hex = [&](const char *key) {
            return parseTableHex(ini.value(group + QLatin1Char('/') + QLatin1String(key), 0).toString());
        };
        DevInfo info;
        info.vid = hex("vid");
        info.pid = hex("pid");
        info.usagePage = hex("usagePage");
        info.usage = hex("usage");
        info.usagePage2 = hex("usagePage2");
        info.usage2 = hex("usage2");
        info.reportLength = ini.value(group + QStringLiteral("/reportLength"), 0).toUInt();
        table.append(info);
    }
    return table;
}
