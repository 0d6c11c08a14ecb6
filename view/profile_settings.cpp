#include "profile_settings.h"

#include "view/filesafety.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

QSettings *replaceSettingsFile(QSettings *held, const QString &source)
{
    const QString target = held->fileName();
    held->sync();
    const QFileInfo before(target);
    const qint64 oldSize = before.exists() ? before.size() : -1;
    const QDateTime oldTime = before.exists() ? before.lastModified() : QDateTime();

    if (!replaceFileWithCopy(source, target))
        return nullptr;

    // Settings objects on one file share a per-process cache that is read
    // again only when the file's size or time stamp changed. A new file of
    // the same size written within the same millisecond would look
    // unchanged, so give it a later time stamp.
    const QFileInfo after(target);
    if (after.size() == oldSize && after.lastModified() == oldTime) {
        QFile file(target);
        if (file.open(QIODevice::ReadWrite))
            file.setFileTime(oldTime.addMSecs(1), QFileDevice::FileModificationTime);
    }

    held->deleteLater();
    auto *fresh = new QSettings(target, QSettings::IniFormat);
    fresh->sync();
    return fresh;
}
