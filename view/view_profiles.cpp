// Profiles and user pictures: export, import and reset of the profile
// mirrors, the default profile, and the choice of a background picture.
#include "myQQuickView.h"

#include "view/filesafety.h"
#include "view/profile_dialogs.h"

#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>

namespace profiledialogs {

QString standardOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                             const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString standardSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                             const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

void standardWarning(const QString &title, const QString &text)
{
    QMessageBox::warning(nullptr, title, text, QMessageBox::Ok);
}

FileDialogFn getOpenFileName = standardOpenFileName;
FileDialogFn getSaveFileName = standardSaveFileName;
WarningFn warning = standardWarning;

} // namespace profiledialogs

namespace {

const QString kDefaultProfile = QStringLiteral("./modules/setting/pD.bin");

// Shown when no language has been loaded yet.
const QString kPictureWarningTitle = QStringLiteral("Picture not readable");
const QString kPictureWarningText = QStringLiteral("The picture file cannot be opened: ");

QString profileFileName(int profile)
{
    return QStringLiteral("./modules/setting/p%1.bin").arg(profile + 1);
}

// Replaces the file under `held` with a copy of `source` and returns a new
// settings object on it (the old one is deleted later), or null, with file
// and object untouched, when the copy fails.
QSettings *replaceSettingsFile(QSettings *held, const QString &source)
{
    const QString target = held->fileName();
    // Pending writes must reach the old file now: flushed later they would
    // land on top of the new content.
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

} // namespace

void myQQuickView::saveProfile(int profile)
{
    if (profile < 0 || profile >= profileSettings.size())
        return;
    const QString target = profiledialogs::getSaveFileName(
        this, tr("Save File"), QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
        tr("Profile(*.pf)"));
    if (target.isEmpty())
        return;
    // Export what the profile holds now, including writes not yet flushed.
    profileSettings.at(profile)->sync();
    // A failed copy leaves a file already at that name as it was.
    replaceFileWithCopy(profileSettings.at(profile)->fileName(), target);
}

void myQQuickView::loadProfile(int profile)
{
    if (profile < 0 || profile >= profileSettings.size())
        return;
    const QString source = profiledialogs::getOpenFileName(
        this, tr("Open File"), QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
        tr("Profile(*.pf)"));
    if (source.isEmpty())
        return;
    if (QSettings *fresh = replaceSettingsFile(profileSettings.at(profile), source))
        profileSettings[profile] = fresh;
}

void myQQuickView::resetProfile(int profile)
{
    if (profile < 0 || profile >= profileSettings.size())
        return;
    if (QSettings *fresh = replaceSettingsFile(profileSettings.at(profile), kDefaultProfile))
        profileSettings[profile] = fresh;
}

QVariant myQQuickView::loadDefaultProfile(QString key)
{
    const QSettings defaults(kDefaultProfile, QSettings::IniFormat);
    return defaults.value(key);
}

QString myQQuickView::getCustomFilePath()
{
    const QString path = profiledialogs::getOpenFileName(
        this, tr("Open File"), QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
        tr("Image Files(*.png)"));
    if (path.isEmpty())
        return QString();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        // Before any language is loaded (or when it lacks them) the texts
        // fall back to English.
        const auto text = [this](int i, const QString &fallback) {
            const QString t = messageTexts.value(i);
            return t.isEmpty() ? fallback : t;
        };
        profiledialogs::warning(text(2, kPictureWarningTitle), text(3, kPictureWarningText) + path);
        return QString();
    }
    file.close();
    return path;
}
